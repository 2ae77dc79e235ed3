#pragma once

#include "app/Form.h"

class ClickableLabel;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QAction;

// The entry window: a name, a date of birth, and the request for a reading.
class frmMain : public Form
{
    Q_OBJECT

public:
    frmMain();

    QLineEdit* txtName;
    QComboBox* cboDate;
    QComboBox* cboMonth;
    QComboBox* cboYear;
    QPushButton* cmdNext;
    QPushButton* cmdExit;
    ClickableLabel* Label61;
    ClickableLabel* lblCobrand;
    ClickableLabel* lblFullBrand;

    // The reading request: check the entries, look the sign up, show it.
    void cmdNext_Click();

protected:
    void unloading() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void fillLists();
    // Shows the message for a refused request; false when refused.
    bool ValidateBirthData();
    // True when the key event was dealt with here (refused or replaced).
    bool filterNameKey(char32_t code);
};

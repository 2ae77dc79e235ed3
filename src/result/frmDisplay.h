#pragma once

#include "app/Form.h"

class ClickableLabel;
class QLabel;
class QPushButton;

// The result window: Psyche's sign and what it says about the user.
class frmDisplay : public Form
{
    Q_OBJECT

public:
    frmDisplay();

    // Writes the sign name and its paragraph.
    void showReading(const QString& signName, const QString& description);

    QLabel* lblPsycheSign;
    QLabel* lblSignDesc;
    QPushButton* cmdBack;
    QPushButton* cmdExit;
    ClickableLabel* Label61;
    ClickableLabel* lblCobrand;
    ClickableLabel* lblFullBrand;

    // Back to the entry window, its entries as the user left them.
    void cmdBack_Click();

protected:
    void unloading() override;

private:
    void buildMenus();

    // Set while Back unloads the window: the exit screen would only be shown
    // to be hidden again at once.
    bool m_goingBack = false;
};

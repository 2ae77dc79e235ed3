#pragma once

#include <QDialog>

class ClickableLabel;
class QCloseEvent;
class QFrame;
class QLabel;
class QPushButton;
class QShowEvent;

// The About box: the program's name and version, what it does, and two links
// to the maker's site. Fixed size, centred, modal without an owner; deleted
// once closed.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    frmAbout();

    QLabel* picIcon;
    QLabel* Label2;
    QLabel* Label1;
    ClickableLabel* lblHomePage;
    QLabel* Label6;
    ClickableLabel* Label5;
    QFrame* Line2;
    QPushButton* cmdOK;

    // Every way of leaving (OK, Enter, Escape, the close box) ends here.
    void accept() override;
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool m_placed = false;
};

#pragma once

#include "app/Form.h"

class ClickableLabel;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRandomGenerator;

// The exit screen: shown when the entry or result window is closed; closing
// it ends the program. Loaded once per run, then only hidden and shown.
class frmPromotion : public Form
{
    Q_OBJECT

public:
    frmPromotion();

    // Shows the screen (loading it first if needed), topmost, without
    // taking the focus from the window that has it.
    static void showExitScreen();
    // Hides the screen, loading it first if needed, without it ever showing.
    static void hideExitScreen();

    // The message asking for the user's support, numbered 0 to 3.
    static QString supportMessage(int number);
    // Draws the number of the support message, each equally likely.
    static int drawSupportMessage(QRandomGenerator& generator);

    QLabel* picPromotionIcon;
    QLabel* lblPromotionCaption;
    QLabel* Label2;
    QCheckBox* Check1;
    QPushButton* cmdClose;
    QGroupBox* Frame2;
    QGroupBox* Frame6;
    QLabel* Label3;
    ClickableLabel* lblGoToHome;
    QLineEdit* txtName;
    QLineEdit* txtEmail;
    QLineEdit* txtFriendName;
    QLineEdit* txtFriendEmail;
    QPushButton* cmdSubmit;
    QPlainTextEdit* txtMessage;

protected:
    void unloading() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildReferralBoxes(const QFont& font);
    void Check1_Click();
    void cmdSubmit_Click();
    // The placeholder of one of the five referral boxes, or null for any other widget.
    const QString* placeholderOf(const QObject* box) const;
    // True when the key or input event was refused by an e-mail box.
    bool filterEmailInput(QWidget* box, QEvent* event);
};

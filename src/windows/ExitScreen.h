// SPDX-License-Identifier: MIT
#pragma once

#include "core/Referral.h"
#include "widgets/Form.h"

#include <array>

class QCheckBox;
class QPushButton;

// The exit screen: shown when the entry or result window is closed; closing
// it ends the program. Loaded once per run, then only hidden and shown. It
// holds the refer-a-friend boxes and what was last sent from them.
class ExitScreen : public Form
{
    Q_OBJECT

public:
    // With the support message of that number, 0 to 3.
    explicit ExitScreen(int supportMessageNumber);

    static QString supportMessage(int number);

signals:
    // Exit, or the screen closed by any other means: the program ends.
    void endRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static QString productFamilyText();
    void setUpReferralBoxes(QWidget* area);
    QWidget* box(Referral::Field field) const;
    void visitClicked();
    void submitReferral();
    // True when the key or input event was refused by an e-mail box.
    bool filterEmailInput(QWidget* entry, QEvent* event);

    QCheckBox* m_visit;
    QPushButton* m_close;
    QPushButton* m_submit;
    // The five referral boxes, in the order of Referral::Field.
    std::array<QWidget*, Referral::FieldCount> m_boxes{};
    // The trimmed entries of the last press of "Refer A Friend Now", and the
    // address of the last referral sent.
    Referral::Entries m_lastEntries;
    QString m_lastAddress;
};

// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>

// Every message box of the program goes through here, captioned with the program's title.
// Tests switch on the test mode: nothing is shown, the answers come from a
// queue, and every message is recorded.
namespace MessageBox {

enum class Icon
{
    Information,
    Critical
};
enum class Answer
{
    Ok,
    Yes,
    No
};

struct Shown
{
    Icon icon;
    QString text;
    bool yesNo;
};

void information(const QString& text);
void critical(const QString& text);
// Yes/No question with the information icon.
Answer askYesNo(const QString& text);

// --- test seam ---
void setTestMode(bool on);
// Answers for the next questions, in order; without one a question answers No.
void setNextAnswer(Answer answer);
// The messages shown since the last call, oldest first.
QList<Shown> takeShown();

} // namespace MessageBox

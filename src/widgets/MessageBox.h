// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>

#include <functional>

class QDialog;

// Every message box of the program goes through here, captioned with the
// program's title, and so does every other modal dialog. On the desktop a box
// waits for its answer before the call returns. In a web page nothing can
// wait (a page's code must return to the browser to see a click), so the box
// stays modal over the windows and the call returns at once: what follows
// the answer is given as `then`, which runs once the box is answered, on the
// desktop before the call returns.
// Tests switch on the test mode: nothing is shown, the answers come from a
// queue, `then` runs at once, and every message is recorded.
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

void information(const QString& text, std::function<void()> then = {});
void critical(const QString& text, std::function<void()> then = {});
// Yes/No question with the information icon.
void askYesNo(const QString& text, std::function<void(Answer)> then);

// Shows a dialog modal to the whole program: on the desktop it returns once
// the dialog is closed, in a page at once. The dialog deletes itself when closed.
void showModal(QDialog* dialog);

// --- test seam ---
void setTestMode(bool on);
// Answers for the next questions, in order; without one a question answers No.
void setNextAnswer(Answer answer);
// The messages shown since the last call, oldest first.
QList<Shown> takeShown();

} // namespace MessageBox

// SPDX-License-Identifier: MIT
#include "MessageBox.h"

#include "core/AppInfo.h"

#include <QApplication>
#include <QMessageBox>
#include <QQueue>

#include <utility>

namespace MessageBox {
namespace {

bool s_testMode = false;
QQueue<Answer> s_answers;
QList<Shown> s_shown;

Answer answerFor(int result, bool yesNo)
{
    if (!yesNo)
        return Answer::Ok;
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void show(Icon icon, const QString& text, bool yesNo, const std::function<void(Answer)>& then)
{
    if (s_testMode) {
        s_shown.append({icon, text, yesNo});
        const Answer queued = s_answers.isEmpty() ? Answer::No : s_answers.dequeue();
        const Answer answer = !yesNo                  ? Answer::Ok
                              : queued == Answer::Yes ? Answer::Yes
                                                      : Answer::No;
        if (then)
            then(answer);
        return;
    }
    auto* box = new QMessageBox(
        icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::Information, AppInfo::title(),
        text, yesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok,
        QApplication::activeWindow());
    box->setObjectName(QStringLiteral("messageBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
#ifdef Q_OS_WASM
    showModal(box);
    QObject::connect(box, &QDialog::finished, box, [then, yesNo](int result) {
        if (then)
            then(answerFor(result, yesNo));
    });
#else
    const int result = box->exec();
    if (then)
        then(answerFor(result, yesNo));
#endif
}

// A box with OK alone: what follows it needs no answer.
std::function<void(Answer)> ignoringAnswer(std::function<void()> then)
{
    return [then = std::move(then)](Answer) {
        if (then)
            then();
    };
}

} // namespace

void information(const QString& text, std::function<void()> then)
{
    show(Icon::Information, text, false, ignoringAnswer(std::move(then)));
}

void critical(const QString& text, std::function<void()> then)
{
    show(Icon::Critical, text, false, ignoringAnswer(std::move(then)));
}

void askYesNo(const QString& text, std::function<void(Answer)> then)
{
    show(Icon::Information, text, true, then);
}

void showModal(QDialog* dialog)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
#ifdef Q_OS_WASM
    // The page has no window manager to give the keyboard back to the window
    // the dialog came from: it goes back once the dialog is gone, however it
    // was closed (the About box closes without finishing).
    if (QWidget* owner = QApplication::activeWindow())
        QObject::connect(dialog, &QObject::destroyed, owner, [owner] { owner->activateWindow(); });
    dialog->setWindowModality(Qt::ApplicationModal);
    // Not show(): Qt's page platform would make it full screen.
    dialog->setVisible(true);
#else
    dialog->exec();
#endif
}

void setTestMode(bool on)
{
    s_testMode = on;
    s_answers.clear();
    s_shown.clear();
}

void setNextAnswer(Answer answer)
{
    s_answers.enqueue(answer);
}

QList<Shown> takeShown()
{
    return std::exchange(s_shown, {});
}

} // namespace MessageBox

// SPDX-License-Identifier: MIT
#include "MessageBox.h"

#include "core/AppInfo.h"

#include <QApplication>
#include <QMessageBox>
#include <QQueue>

namespace MessageBox {
namespace {

bool s_testMode = false;
QQueue<Answer> s_answers;
QList<Shown> s_shown;

Answer show(Icon icon, const QString& text, bool yesNo)
{
    if (s_testMode) {
        s_shown.append({icon, text, yesNo});
        Answer queued = s_answers.isEmpty() ? Answer::No : s_answers.dequeue();
        if (!yesNo)
            return Answer::Ok;
        return queued == Answer::Yes ? Answer::Yes : Answer::No;
    }
    QMessageBox box(icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::Information,
                    AppInfo::title(), text,
                    yesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("messageBox"));
    const int result = box.exec();
    if (!yesNo)
        return Answer::Ok;
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

} // namespace

void information(const QString& text)
{
    show(Icon::Information, text, false);
}

void critical(const QString& text)
{
    show(Icon::Critical, text, false);
}

Answer askYesNo(const QString& text)
{
    return show(Icon::Information, text, true);
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

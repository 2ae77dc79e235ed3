#include "Application.h"

#include "AppInfo.h"
#include "Form.h"
#include "Look.h"
#include "MessageBox.h"
#include "SingleInstance.h"
#include "StartupSteps.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QWidget>

#include <exception>

namespace App {
namespace {

bool s_ending = false;
bool s_ended = false;

std::function<void()>& exitHandler()
{
    static std::function<void()> handler = [] { QCoreApplication::exit(0); };
    return handler;
}

// Start-up and the end ignore failures of a single step and go on with the next.
template <class F> void ignoringErrors(F step)
{
    try {
        step();
    } catch (const std::exception&) {
    }
}

} // namespace

bool StartApplication()
{
    static SingleInstance instance(lockPath());
    if (!instance.tryAcquire()) {
        MessageBox::information(QStringLiteral("Application is already running"));
        EndApplication();
        return false;
    }
    seedRandomFromClock();
    // The windows' own font for menus and message boxes too: one font fewer
    // to load before the first window shows.
    QApplication::setFont(Look::verdana(8.25));
    ignoringErrors([] { Startup::remindOfUpdate(QDateTime::currentDateTime()); });
    ignoringErrors([] { Startup::showEntryWindow(); });
    ignoringErrors([] { Startup::chooseCoBrand(); });
    return true;
}

void EndApplication()
{
    // An unload handler that ends the program while the walk below is under
    // way leaves the rest of the walk, and the end itself, to it.
    if (s_ending)
        return;
    s_ending = true;
    // Unload handling may show (and so load) another window while the walk
    // goes on; walk until none is left, but never without end.
    for (int pass = 0; pass < 8; ++pass) {
        const QList<Form*> forms = Form::loadedForms();
        if (forms.isEmpty())
            break;
        for (Form* form : forms)
            ignoringErrors([form] {
                if (!form->isUnloaded())
                    form->unload();
            });
    }
    for (Form* form : Form::loadedForms())
        form->deleteLater();
    s_ended = true;
    exitHandler()();
}

bool isEnding()
{
    return s_ending;
}

bool hasEnded()
{
    return s_ended;
}

void setExitHandler(std::function<void()> handler)
{
    exitHandler() = std::move(handler);
}

void resetEnded()
{
    s_ending = false;
    s_ended = false;
}

QRandomGenerator& random()
{
    static QRandomGenerator generator;
    return generator;
}

void seedRandomFromClock()
{
    random().seed(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
}

QString& lockPath()
{
    static QString path = SingleInstance::defaultLockPath();
    return path;
}

void MakeTopmost(QWidget* window)
{
    // Changing the flags hides a visible window; it is shown again, in place.
    if (!window->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    window->setAttribute(Qt::WA_ShowWithoutActivating, true);
    window->show();
    window->raise();
}

} // namespace App

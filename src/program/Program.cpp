// SPDX-License-Identifier: MIT
#include "Program.h"

#include "Ending.h"
#include "Settings.h"
#include "core/Draws.h"
#include "core/Psyche.h"
#include "core/Reminder.h"
#include "widgets/Look.h"
#include "widgets/MessageBox.h"
#include "widgets/WebLink.h"
#include "windows/AboutDialog.h"
#include "windows/EntryWindow.h"
#include "windows/ExitScreen.h"
#include "windows/ResultWindow.h"

#include <QApplication>
#include <QDateTime>

namespace {

quint32 clockSeed()
{
    return static_cast<quint32>(QDateTime::currentMSecsSinceEpoch());
}

} // namespace

Program::Program(const QString& lockPath) : m_instance(lockPath), m_exit(Ending::endProgram) {}

Program::~Program()
{
    // Windows still open (a test's run, or an end the event loop did not
    // reach) go with the program, without what closing them sets off.
    for (Form* window : openWindows())
        delete window;
}

bool Program::start(const QDateTime& now)
{
    if (!m_instance.tryAcquire()) {
        MessageBox::information(tr("Application is already running"), [this] { end(); });
        return false;
    }
    m_random.seed(clockSeed());
    // The windows' own font for menus and message boxes too: one font fewer
    // to load before the first window shows.
    QApplication::setFont(Look::font(Look::Font::Text));
    // The entry window comes once the reminder is answered.
    remindOfUpdate(now, [this] { showEntryWindow(); });
    return true;
}

void Program::showEntryWindow()
{
    entryWindow()->show();
    m_coBrandNumber = Draws::coBrandNumber(m_random);
    m_entry->setFrontPromotion(Draws::frontFor(m_coBrandNumber));
}

void Program::remindOfUpdate(const QDateTime& now, const std::function<void()>& then)
{
    const Reminder::Decision decision = Reminder::decide(Settings().lastReminderDate(), now);
    const QString stamp = Reminder::stamp(now);
    // Stored whatever the answer, so that No is not asked again tomorrow. A
    // refused write is not worth a message; the user's Yes still stands.
    const auto answered = [decision, stamp, then](bool yes) {
        if (decision.storeNow)
            Settings().setLastReminderDate(stamp);
        if (yes)
            WebLink::open(Web::Page::Download);
        then();
    };
    if (!decision.ask) {
        answered(false);
        return;
    }
    MessageBox::askYesNo(Reminder::question(), [answered](MessageBox::Answer answer) {
        answered(answer == MessageBox::Answer::Yes);
    });
}

void Program::end()
{
    // A window closing that ends the program while the walk below is under
    // way leaves the rest of the walk, and the end itself, to this call.
    if (m_ending)
        return;
    m_ending = true;
    for (Form* window : openWindows())
        window->close();
    m_exit();
}

EntryWindow* Program::entryWindow()
{
    if (!m_entry || m_entry->isClosed()) {
        m_entry = new EntryWindow;
        connect(m_entry, &EntryWindow::readingRequested, this, &Program::showReading);
        connect(m_entry, &EntryWindow::aboutRequested, this, &Program::showAbout);
        connect(m_entry, &Form::closing, this, &Program::showExitScreen);
    }
    return m_entry;
}

ResultWindow* Program::resultWindow()
{
    if (!m_result || m_result->isClosed()) {
        m_result = new ResultWindow;
        connect(m_result, &ResultWindow::backRequested, this, &Program::goBack);
        connect(m_result, &ResultWindow::aboutRequested, this, &Program::showAbout);
        connect(m_result, &ResultWindow::leaving, this, &Program::showExitScreen);
    }
    return m_result;
}

ExitScreen* Program::exitScreen()
{
    if (!m_exitScreen) {
        // Each exit screen draws its support message afresh.
        m_random.seed(clockSeed());
        m_exitScreen = new ExitScreen(Draws::supportMessageNumber(m_random));
        connect(m_exitScreen, &ExitScreen::endRequested, this, &Program::end);
    }
    return m_exitScreen;
}

QList<Form*> Program::openWindows() const
{
    QList<Form*> windows;
    for (Form* window : {static_cast<Form*>(m_entry), static_cast<Form*>(m_result),
                         static_cast<Form*>(m_exitScreen)})
        if (window && !window->isClosed())
            windows.append(window);
    return windows;
}

void Program::showReading(int year, int month, int day)
{
    // A lookup that finds nothing leaves the last sign as it was.
    if (const std::optional<Zodiac::Sign> sign = Psyche::signOn(year, month, day))
        m_lastSign = sign;
    // Filled before it is shown, so the user never sees the labels change.
    ResultWindow* result = resultWindow();
    if (m_lastSign)
        result->showReading(Zodiac::name(*m_lastSign), Zodiac::description(*m_lastSign));
    m_entry->hide();
    hideExitScreen();
    result->show();
}

void Program::goBack()
{
    entryWindow()->show();
    hideExitScreen();
}

void Program::showAbout()
{
    // A fresh box each time; it deletes itself once closed.
    MessageBox::showModal(new AboutDialog);
}

void Program::showExitScreen()
{
    // A window closed while the program ends brings up nothing new.
    if (m_ending)
        return;
    // Shown the ordinary way and activated, so that Enter right away presses
    // its Exit button, which has the focus.
    ExitScreen* screen = exitScreen();
    screen->show();
    screen->raise();
    screen->activateWindow();
}

void Program::hideExitScreen()
{
    // Creating the screen does not show it, so hiding it here never makes it flash.
    exitScreen()->hide();
}

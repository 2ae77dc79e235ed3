// SPDX-License-Identifier: MIT
#pragma once

#include "SingleInstance.h"
#include "core/Zodiac.h"

#include <QObject>
#include <QPointer>
#include <QRandomGenerator>
#include <QString>

#include <functional>
#include <optional>

class QDateTime;
class EntryWindow;
class ExitScreen;
class Form;
class ResultWindow;

// The program's flow: start-up, a reading, Back, leaving, the exit screen
// and the end. It owns the windows (each created on first use and forgotten
// once closed) and what the run remembers: the last sign read, the
// co-brand draw and the random generator.
class Program : public QObject
{
    Q_OBJECT

public:
    // lockPath: where the single-instance lock lives.
    explicit Program(const QString& lockPath = defaultLockPath());
    ~Program() override;

    // Runs start-up with the clock reading `now`. False when another
    // instance runs: the program ends once the user has been told (on the
    // desktop before this returns, in a page when the message is answered).
    bool start(const QDateTime& now);

    // Closes every open window, then ends the process through the exit
    // handler. Entered again from a window closing, it returns at once.
    void end();
    bool isEnding() const { return m_ending; }

    // What ending the process means: Ending::endProgram (the program leaves
    // the event loop; a page shows the end); tests record it instead.
    void setExitHandler(std::function<void()> handler) { m_exit = std::move(handler); }

    // The last sign a reading found; none before the first.
    std::optional<Zodiac::Sign> lastSign() const { return m_lastSign; }
    // The co-brand draw of this run, 1 to 6; 0 before start-up made it.
    int coBrandNumber() const { return m_coBrandNumber; }

    static QString defaultLockPath() { return SingleInstance::defaultLockPath(); }

private:
    EntryWindow* entryWindow();
    ResultWindow* resultWindow();
    ExitScreen* exitScreen();
    QList<Form*> openWindows() const;

    void showEntryWindow();
    // Asks about an update when one is due, then runs `then`.
    void remindOfUpdate(const QDateTime& now, const std::function<void()>& then);
    void showReading(int year, int month, int day);
    void goBack();
    void showAbout();
    void showExitScreen();
    void hideExitScreen();

    SingleInstance m_instance;
    std::function<void()> m_exit;
    QRandomGenerator m_random;
    QPointer<EntryWindow> m_entry;
    QPointer<ResultWindow> m_result;
    QPointer<ExitScreen> m_exitScreen;
    std::optional<Zodiac::Sign> m_lastSign;
    int m_coBrandNumber = 0;
    bool m_ending = false;
};

// SPDX-License-Identifier: MIT
// The real program, started in throwaway homes on a private X server with no window manager and
// driven from outside by xdotool: odd starts, the exit screen's focus, what screen readers find.
#include "TestHome.h"

#include <QDateTime>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/prctl.h>

using namespace Qt::StringLiterals;

const QString Program = QStringLiteral(STARQUILLFREE_PATH);
const QString Entry = u"Starquill v1.15"_s, Box = u"Starquill"_s; // Box: refusal or reminder
const QByteArray HomeUrl = "https://www.lanternsoftwares.com/starquill-free/ssd.php?page=home-page";
const QByteArray Folder = "<a folder in the settings file's place>";
const QByteArray Opener = "#!/bin/sh\nprintf \"'%s'\" \"$1\" > \"$0.log\"\n"; // logs the address
constexpr int Timeout = 20000; // a sanitizer build starts slowly
// How a start departs from a plain one in a fresh home.
constexpr int Plain = 0, Reminder = 1, Renamed = 2, Simultaneous = 3, Killed = 4, NoOpener = 5,
              FailingOpener = 6, RecordingOpener = 7;

// As QTRY_COMPARE, but by the clock: that one counts its waits, and these reads take a while.
#define WAIT_COMPARE(actual, expected)                                                             \
    do {                                                                                           \
        static_cast<void>(QTest::qWaitFor([&] { return (actual) == (expected); }, Timeout));       \
        QCOMPARE(actual, expected);                                                                \
    } while (false)

// Owner-only and executable: all the runtime folder and a script need.
static bool create(const QString& path, const QByteArray& content = {})
{
    const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    QFile file(path);
    return content.isNull() ? QDir().mkdir(path, mode)
                            : file.open(QIODevice::WriteOnly, mode) && file.write(content) >= 0;
}
static QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class TestFaults : public QObject
{
    Q_OBJECT
    QProcess m_xvfb;
    QScopedPointer<QTemporaryDir> m_home; // removed once its programs have ended
    QProcessEnvironment m_env;            // the throwaway user's, for every program started
    QString m_window;                     // the one program window on screen, by id
    bool m_clientSucceeded = false;       // the last one run exited with 0
    QString path(const char* name) const { return m_home->filePath(QLatin1String(name)); }

    // Started as the throwaway user; what it prints is kept in its home for the report.
    QProcess* launch(const QString& program, const QStringList& arguments = {})
    {
        auto* process = new QProcess(this); // ended in cleanup()
        process->setObjectName(m_home->filePath(QString::number(children().size())));
        process->setStandardOutputFile(process->objectName() + u".out"_s);
        process->setStandardErrorFile(process->objectName() + u".err"_s);
        process->setProcessEnvironment(m_env);
        process->start(program, arguments);
        // Running from here on: QProcess says Starting until it has seen the exec, events or not.
        process->waitForStarted(Timeout);
        return process;
    }
    // After a failure: how a program started ended, or that it still runs, and what it printed.
    static void report(QProcess* process)
    {
        const bool ended = process->waitForFinished(0) || process->state() == QProcess::NotRunning;
        const QString state = process->error() == QProcess::FailedToStart ? process->errorString()
                              : !ended                                    ? u"still running"_s
                              : process->exitStatus() == QProcess::CrashExit
                                  ? u"ended by a signal"_s
                                  : u"exit %1"_s.arg(process->exitCode());
        const QString name = process->objectName();
        qInfo().noquote() << process->program() << state
                          << "\nstdout:" << contents(name + u".out"_s)
                          << "\nstderr:" << contents(name + u".err"_s);
    }
    // An X client or a reader, as the throwaway user; the lines it printed.
    QStringList run(const QString& command)
    {
        QProcess client;
        client.setProcessEnvironment(m_env);
        client.startCommand(command);
        m_clientSucceeded = client.waitForFinished(Timeout) && client.exitCode() == 0;
        return QString::fromUtf8(client.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    }
    // The program's windows, shown or not, by name (Box or Entry, whole), sorted.
    QStringList shown()
    {
        QStringList names =
            run(u"xdotool search --name \"^Starquill( v1.15)?$\" getwindowname %@"_s);
        return names.sort(), names;
    }
    QStringList visible() { return run(u"xdotool search --onlyvisible --name ^Starquill.v"_s); }
    // Types into the window with that whole name, or that id, once it is on screen; focused first:
    // without a window manager nothing gives a window the keyboard. False if no key was sent.
    [[nodiscard]] bool type(const QString& window, const QString& keys)
    {
        QString id = window;
        const auto onScreen = [&] {
            id = run(u"xdotool search --onlyvisible --name \"^%1$\""_s.arg(window)).value(0);
            return !id.isEmpty();
        };
        if (!window[0].isDigit() && !QTest::qWaitFor(onScreen, Timeout))
            return false;
        run(u"xdotool windowfocus --sync %1 key %2"_s.arg(id, keys));
        return m_clientSucceeded;
    }
    // Waits for one program window on screen, other than the last one.
    bool next()
    {
        const QString left = std::exchange(m_window, {});
        QStringList seen;
        const auto one = [&] { return (seen = visible()).size() == 1 && seen[0] != left; };
        return QTest::qWaitFor(one, Timeout) && !(m_window = seen[0]).isEmpty();
    }

    // Return on the exit screen, which has the keyboard: the program ends with a normal 0.
    void ends(QProcess* program)
    {
        WAIT_COMPARE(run(u"xdotool getwindowfocus -f"_s), QStringList{m_window});
        run(u"xdotool key Return"_s);
        QVERIFY(program->waitForFinished(Timeout));
        QCOMPARE(program->exitStatus(), QProcess::NormalExit);
        QCOMPARE(program->exitCode(), 0);
    }

public:
    static void initMain() { useOwnHome(); }

private slots:
    void initTestCase()
    {
        // Ends with this test even if it is killed; -noreset: no start meets a server mid-reset.
        // Its socket is abstract only: no file in /tmp outlives it.
        m_xvfb.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        m_xvfb.start(u"Xvfb"_s, {u"-displayfd"_s, u"1"_s, u"-noreset"_s, u"-nolisten"_s, u"tcp"_s,
                                 u"-nolisten"_s, u"unix"_s});
        if (!m_xvfb.waitForStarted())
            QSKIP("Xvfb is not installed");
        QVERIFY(m_xvfb.waitForReadyRead(Timeout));
        qputenv("DISPLAY", ':' + m_xvfb.readLine().trimmed());
        qputenv("QT_QPA_PLATFORM", "xcb"); // for the programs started; this test shows nothing
        for (const char* name : {"BROWSER", "DEFAULT_BROWSER", "QT_FATAL_WARNINGS"})
            qunsetenv(name);
    }
    void cleanupTestCase() { m_xvfb.terminate(), m_xvfb.waitForFinished(); }
    void init() // a throwaway user, each variable a folder; PATH holds the only browser there is
    {
        m_home.reset(new QTemporaryDir);
        m_env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR", "XDG_CACHE_HOME",
                                 "XDG_DATA_HOME", "PATH"}) {
            QVERIFY(create(path(name)));
            m_env.insert(QLatin1String(name), path(name));
        }
        m_env.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, u"unix:path=/nonexistent"_s); // none started
    }
    // Each program started is ended, the last first so that a bus outlives its clients; after a
    // failure each is reported first. The next row starts on an empty display.
    void cleanup()
    {
        const bool failed = QTest::currentTestFailed();
        const QList<QProcess*> started = findChildren<QProcess*>();
        for (auto process = started.rbegin(); process != started.rend(); ++process) {
            if (failed)
                report(*process);
            (*process)->terminate();
            if (!(*process)->waitForFinished(Timeout))
                (*process)->kill(), (*process)->waitForFinished();
            delete *process;
        }
        // The accessibility bus ends with the session bus, and its socket with it.
        const QDir accessibility(path("XDG_RUNTIME_DIR/at-spi"));
        QTRY_VERIFY_WITH_TIMEOUT(accessibility.isEmpty(QDir::System | QDir::NoDotAndDotDot),
                                 Timeout);
        m_home.reset();
        WAIT_COMPARE(shown(), QStringList());
    }

    void starts_data()
    {
        QTest::addColumn<QByteArray>("content"); // of the settings file; null: none
        QTest::addColumn<int>("twist");
        for (const char* round : {"1", "2", "3", "4"}) {
            QTest::addRow("simultaneous %s", round) << QByteArray() << Simultaneous;
            QTest::addRow("killed holder %s", round) << QByteArray() << Killed;
        }
        const QByteArray key = "[Settings]\nLastReminderDate=";
        const auto old = QDateTime::currentDateTime().addDays(-30).toString(Qt::ISODate).toLatin1();
        QTest::newRow("binary garbage") << contents(Program).left(4096) << Plain;
        QTest::newRow("bad lines") << key.left(9) + "\nLastReminderDate\n=\\x\n[Se" << Plain;
        QTest::newRow("@Variant int") << key + "@Variant(\\0\\0\\0\\x2\\0\\0\\0\\0\\x5)\n" << Plain;
        QTest::newRow("@ByteArray date") << key + "@ByteArray(" + old + ")\n" << Plain;
        QTest::newRow("1 MB value") << key + QByteArray(1 << 20, '7') + '\n' << Plain;
        QTest::newRow("folder") << Folder << Plain;
        QTest::newRow("30 days ago, in today's form") << key + old + '\n' << Reminder;
        QTest::newRow("renamed executable") << QByteArray() << Renamed;
        QTest::newRow("no xdg-open") << QByteArray() << NoOpener;
        QTest::newRow("xdg-open exits 1") << QByteArray() << FailingOpener;
        QTest::newRow("recording xdg-open") << QByteArray() << RecordingOpener;
    }
    void starts()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, twist);
        const QString settings = path("XDG_CONFIG_HOME/Starquill/StarquillFree.conf");
        QVERIFY(create(path("XDG_CONFIG_HOME/Starquill")));
        QVERIFY(content.isNull() || create(settings, content == Folder ? QByteArray() : content));
        const QString script = path("PATH/xdg-open"), log = script + u".log"_s;
        QVERIFY(twist < FailingOpener ||
                create(script, twist == FailingOpener ? Opener + "exit 1\n" : Opener));
        QVERIFY(twist != Renamed || QFile::copy(Program, path("starquill-copy")));
        QProcess* rival = twist == Simultaneous || twist == Killed ? launch(Program) : nullptr;
        if (twist == Killed) { // SIGKILL: no clean-up of any kind
            WAIT_COMPARE(shown(), QStringList{Entry});
            rival->kill();
            QVERIFY(rival->waitForFinished());
            WAIT_COMPARE(shown(), QStringList());
        }
        QProcess* program = launch(twist == Renamed ? path("starquill-copy") : Program);
        if (twist == Simultaneous) { // the refused one ends once its box is dismissed
            WAIT_COMPARE(shown(), (QStringList{Box, Entry}));
            QVERIFY(type(Box, u"Return"_s));
            QTRY_VERIFY_WITH_TIMEOUT(rival->state() != program->state(), Timeout); // one ended
            QProcess* refused = program->state() == QProcess::Running ? rival : program;
            QCOMPARE(refused->exitStatus(), QProcess::NormalExit);
            QCOMPARE(refused->exitCode(), 0);
            program = program->state() == QProcess::Running ? program : rival;
        }
        if (twist == Reminder) { // the question comes before the entry window; Escape answers No
            WAIT_COMPARE(shown(), QStringList{Box});
            QVERIFY(type(Box, u"Escape"_s));
        }
        WAIT_COMPARE(shown(), QStringList{Entry});
        if (twist >= NoOpener) {
            QVERIFY(type(Entry, u"alt+h v"_s));
            QByteArray seen; // the opener's log, or Qt naming the address it found no browser for
            const auto reached = [&] {
                seen = contents(twist == NoOpener ? program->objectName() + u".err"_s : log);
                return seen.contains('\'' + HomeUrl + '\'');
            };
            QTRY_VERIFY2_WITH_TIMEOUT(reached(), seen.constData(), Timeout);
        }
        QCOMPARE(shown(), QStringList{Entry});
        QCOMPARE(program->state(), QProcess::Running);
        // Named for the program, not the executable; a bad value is replaced by now, as ISO text.
        const QDir written(path("XDG_CONFIG_HOME/Starquill"), u"*.conf"_s);
        WAIT_COMPARE(written.entryList(), QStringList{u"StarquillFree.conf"_s});
        const QByteArray stored =
            "\nLastReminderDate=" + QDate::currentDate().toString(Qt::ISODate).toLatin1() + 'T';
        QTRY_VERIFY_WITH_TIMEOUT(content == Folder || contents(settings).contains(stored), Timeout);
        // However it started, it ends through its exit screen.
        QVERIFY(next() && type(m_window, u"Escape"_s) && next());
        ends(program);
    }

    void screenReader_data() // in the language the desktop asks for
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("boxName");
        QTest::newRow("English") << u"en_GB.UTF-8"_s << u"Name"_s;
        QTest::newRow("Hindi") << u"hi_IN.UTF-8"_s << u"नाम"_s;
    }

    void screenReader() // Alt types no name; screen readers find windows and only links seen
    {
        QFETCH(QString, language);
        QFETCH(QString, boxName);
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            m_env.remove(QLatin1String(name));
        m_env.insert(u"LANG"_s, language);
        m_env.insert(u"BOX_NAME"_s, boxName);
        // The session bus listens in the throwaway home; the accessibility bus it starts, in the
        // runtime folder.
        QProcess* bus =
            launch(u"dbus-daemon"_s, {u"--session"_s, u"--nofork"_s, u"--print-address"_s,
                                      u"--address=unix:dir="_s + m_home->path()});
        if (bus->state() != QProcess::Running)
            QSKIP("dbus-daemon is not installed");
        QByteArray address; // printed once the bus listens
        QTRY_VERIFY_WITH_TIMEOUT(!(address = contents(bus->objectName() + u".out"_s)).isEmpty(),
                                 Timeout);
        m_env.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, QString::fromUtf8(address.trimmed()));
        m_env.insert(u"QT_LINUX_ACCESSIBILITY_ALWAYS_ON"_s, u"1"_s);
        if (run(u"/usr/bin/python3 -c \"import pyatspi; print(1)\""_s) != QStringList{u"1"_s})
            QSKIP("python3-pyatspi is not installed");
        const auto tree = [this] { return run(u"/usr/bin/python3 \"" TREE_SCRIPT "\""_s); };
        const QString frame = u"frame 'Starquill v1.15' "_s, about = u"dialog 'Starquill v1.15' "_s;
        launch(Program);
        QVERIFY(next());
        // Alt and Meta type nothing and say nothing; AltGr types as ever.
        QVERIFY(type(m_window, u"a b alt+z alt+3 super+q ISO_Level3_Shift+c"_s));
        WAIT_COMPARE(tree(), QStringList{frame + u"shown links 2/3 name 'ABC'"_s});
        QVERIFY(type(m_window, u"alt+p"_s));
        QVERIFY(next());
        QVERIFY(type(m_window, u"alt+h a"_s)); // the About box, over the result window
        WAIT_COMPARE(tree(), (QStringList{about + u"shown links 2/2"_s, frame + u"hidden"_s,
                                          frame + u"shown links 2/3"_s}));
        run(u"xdotool key Escape"_s);
        WAIT_COMPARE(visible(), QStringList{m_window});
        QVERIFY(type(m_window, u"alt+e"_s));
        WAIT_COMPARE(tree(), (QStringList{frame + u"hidden"_s, frame + u"shown links 1/1"_s}));
    }
};

QTEST_GUILESS_MAIN(TestFaults)
#include "tst_faults.moc"

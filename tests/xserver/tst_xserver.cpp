// SPDX-License-Identifier: MIT
// The real program on a private X server with no window manager, driven by xdotool: the exit
// screen has the focus, Alt types no name, screen readers find windows and only links seen.
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

constexpr int Timeout = 20000;

// As QTRY_COMPARE, but by the clock: that one counts its waits, and these reads take a while.
#define WAIT_COMPARE(actual, expected)                                                             \
    do {                                                                                           \
        static_cast<void>(QTest::qWaitFor([&] { return (actual) == (expected); }, Timeout));       \
        QCOMPARE(actual, expected);                                                                \
    } while (false)

class TestXServer : public QObject
{
    Q_OBJECT
    QProcess m_xvfb, m_bus, m_program;
    QTemporaryDir m_home; // owner-only
    QString m_window;     // the one program window on screen

    // The lines a program run to its end printed.
    static QStringList run(const QString& command)
    {
        QProcess client;
        client.startCommand(command);
        client.waitForFinished(Timeout);
        return QString::fromUtf8(client.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    }
    QStringList visible() { return run(u"xdotool search --onlyvisible --name ^Starquill.v"_s); }
    QStringList tree() { return run(u"/usr/bin/python3 \"" TREE_SCRIPT "\""_s); }
    // Focused first: without a window manager nothing gives a window the keyboard.
    void type(const QString& keys) { run(u"xdotool windowfocus %1 key %2"_s.arg(m_window, keys)); }
    // Waits for one program window on screen, other than the last one.
    bool next()
    {
        const QString left = std::exchange(m_window, {});
        QStringList shown;
        const auto one = [&] { return (shown = visible()).size() == 1 && shown[0] != left; };
        return QTest::qWaitFor(one, Timeout) && !(m_window = shown[0]).isEmpty();
    }
    bool start() { return m_program.start(QStringLiteral(STARQUILLFREE_PATH), {}), next(); }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(u"Xvfb"_s).isEmpty())
            QSKIP("Xvfb is not installed");
        m_xvfb.start(u"sh"_s,
                     {u"-c"_s, u"exec Xvfb -displayfd 3 -noreset -nolisten tcp 3>&1 >/dev/null"_s});
        QVERIFY(m_xvfb.waitForReadyRead(Timeout));
        qputenv("DISPLAY", ':' + m_xvfb.readLine().trimmed());
        qputenv("QT_QPA_PLATFORM", "xcb"); // for the programs started; this test shows nothing
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"})
            qputenv(name, QFile::encodeName(m_home.path()));
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent"); // none, none started
    }
    void cleanupTestCase() { m_xvfb.kill(), m_xvfb.waitForFinished(); }
    void cleanup()
    {
        for (QProcess* process : {&m_program, &m_bus})
            process->kill(), process->waitForFinished();
        WAIT_COMPARE(visible(), QStringList()); // none left for the next test
    }

    void leaving_data()
    {
        QTest::addColumn<QStringList>("steps"); // keys, each bringing up the next window
        QTest::newRow("entry, Exit button") << QStringList{u"alt+e"_s};
        QTest::newRow("entry, Escape") << QStringList{u"Escape"_s};
        QTest::newRow("result, Exit button") << QStringList{u"a b alt+p"_s, u"alt+e"_s};
    }
    void leaving()
    {
        QFETCH(QStringList, steps);
        QVERIFY(start());
        for (const QString& keys : steps) {
            type(keys);
            QVERIFY(next());
        }
        WAIT_COMPARE(run(u"xdotool getwindowfocus -f"_s), QStringList{m_window});
        run(u"xdotool key Return"_s);
        QVERIFY(m_program.waitForFinished(Timeout));
        QCOMPARE(m_program.exitCode(), 0);
    }

    void screenReader()
    {
        m_bus.start(u"dbus-daemon"_s, {u"--session"_s, u"--nofork"_s, u"--print-address"_s});
        if (!m_bus.waitForReadyRead(Timeout))
            QSKIP("dbus-daemon is not installed");
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_bus.readLine().trimmed());
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
        if (QProcess::execute(u"/usr/bin/python3"_s, {u"-c"_s, u"import pyatspi"_s}) != 0)
            QSKIP("python3-pyatspi is not installed");
        const QString frame = u"frame 'Starquill v1.15' "_s, about = u"dialog 'Starquill v1.15' "_s;
        QVERIFY(start());
        // Alt and Meta type nothing and say nothing; AltGr types as ever.
        type(u"a b alt+z alt+3 super+q ISO_Level3_Shift+c"_s);
        WAIT_COMPARE(tree(), QStringList{frame + u"shown links 2/3 name 'ABC'"_s});
        type(u"alt+p"_s);
        QVERIFY(next());
        type(u"alt+h a"_s); // the About box, over the result window
        WAIT_COMPARE(tree(), (QStringList{about + u"shown links 2/2"_s, frame + u"hidden"_s,
                                          frame + u"shown links 2/3"_s}));
        run(u"xdotool key Escape"_s);
        WAIT_COMPARE(visible(), QStringList{m_window});
        type(u"alt+e"_s);
        WAIT_COMPARE(tree(), (QStringList{frame + u"hidden"_s, frame + u"shown links 1/1"_s}));
    }
};

QTEST_GUILESS_MAIN(TestXServer)
#include "tst_xserver.moc"

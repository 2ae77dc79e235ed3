// SPDX-License-Identifier: MIT
// The real program, started in throwaway homes and driven from outside on a private X server.
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

static QString x(const QString& command) // an X client on the private display; its output
{
    QProcess client;
    client.startCommand(command);
    return client.waitForFinished() ? QString::fromUtf8(client.readAllStandardOutput()) : QString();
}
// The program's windows, sorted, from lines like '0x400006 "Starquill": ("StarquillFree" ...'.
static QStringList shown()
{
    const QString tree = x(u"xwininfo -root -tree"_s);
    QStringList names;
    for (const QString& name : {Box, Entry})
        names += QStringList(tree.count(u'"' + name + u"\": (\""_s), name);
    return names;
}
static void type(const QString& window, const QString& keys) // focused first, as no WM does
{
    x(u"xdotool search --name \"^%1$\" windowfocus --sync"_s.arg(window));
    x(u"xdotool key "_s + keys);
}
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
    QScopedPointer<QTemporaryDir> m_home; // removed once its programs are killed
    QString path(const char* name) const { return m_home->filePath(QLatin1String(name)); }

private slots:
    void initTestCase()
    {
        // Dies with this test even if it is killed; -noreset: no start meets a server mid-reset.
        m_xvfb.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
        m_xvfb.start(u"Xvfb"_s, {u"-displayfd"_s, u"1"_s, u"-noreset"_s, u"-nolisten"_s, u"tcp"_s});
        if (!m_xvfb.waitForStarted())
            QSKIP("Xvfb is not installed");
        QVERIFY(m_xvfb.waitForReadyRead(Timeout));
        qputenv("DISPLAY", ':' + m_xvfb.readLine().trimmed());
        qputenv("QT_QPA_PLATFORM", "xcb"); // for the programs started; this test shows nothing
        for (const char* name : {"BROWSER", "DEFAULT_BROWSER", "QT_FATAL_WARNINGS"})
            qunsetenv(name);
    }
    void cleanupTestCase() { m_xvfb.kill(), m_xvfb.waitForFinished(); }
    void cleanup() // every program started, killed; the next row starts on an empty display
    {
        for (QProcess* process : findChildren<QProcess*>()) {
            process->kill();
            process->waitForFinished();
            delete process;
        }
        m_home.reset();
        QTRY_COMPARE_WITH_TIMEOUT(shown(), QStringList(), Timeout);
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
        // A throwaway user, each variable a folder; PATH holds the only browser there is.
        m_home.reset(new QTemporaryDir);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR", "XDG_CACHE_HOME",
                                 "XDG_DATA_HOME", "PATH"}) {
            QVERIFY(create(path(name)));
            env.insert(QLatin1String(name), path(name));
        }
        const auto launch = [&](const QString& program) {
            auto* process = new QProcess(this); // killed in cleanup()
            process->setProcessEnvironment(env);
            process->start(program, {});
            return process;
        };
        const QString settings = path("XDG_CONFIG_HOME/Starquill/StarquillFree.conf");
        QVERIFY(create(path("XDG_CONFIG_HOME/Starquill")));
        QVERIFY(content.isNull() || create(settings, content == Folder ? QByteArray() : content));
        const QString script = path("PATH/xdg-open"), log = script + u".log"_s;
        QVERIFY(twist < FailingOpener ||
                create(script, twist == FailingOpener ? Opener + "exit 1\n" : Opener));
        QVERIFY(twist != Renamed || QFile::copy(Program, path("starquill-copy")));
        QProcess* rival = twist == Simultaneous || twist == Killed ? launch(Program) : nullptr;
        if (twist == Killed) { // SIGKILL: no clean-up of any kind
            QTRY_COMPARE_WITH_TIMEOUT(shown(), QStringList{Entry}, Timeout);
            rival->kill();
            QVERIFY(rival->waitForFinished());
            QTRY_COMPARE_WITH_TIMEOUT(shown(), QStringList(), Timeout);
        }
        QProcess* program = launch(twist == Renamed ? path("starquill-copy") : Program);
        if (twist == Simultaneous) { // the refused one ends once its box is dismissed
            QTRY_COMPARE_WITH_TIMEOUT(shown(), (QStringList{Box, Entry}), Timeout);
            type(Box, u"Return"_s);
            QTRY_VERIFY_WITH_TIMEOUT(rival->state() != program->state(), Timeout); // one ended
            program = program->state() == QProcess::Running ? program : rival;
        }
        if (twist == Reminder) { // the question comes before the entry window; Escape answers No
            QTRY_COMPARE_WITH_TIMEOUT(shown(), QStringList{Box}, Timeout);
            type(Box, u"Escape"_s);
        }
        QTRY_COMPARE_WITH_TIMEOUT(shown(), QStringList{Entry}, Timeout);
        if (twist >= NoOpener) {
            type(Entry, u"alt+h v"_s);
            QByteArray seen; // the opener's log, or Qt naming the address it found no browser for
            const auto reached = [&] {
                seen = twist == NoOpener ? seen + program->readAllStandardError() : contents(log);
                return seen.contains('\'' + HomeUrl + '\'');
            };
            QTRY_VERIFY2_WITH_TIMEOUT(reached(), seen.constData(), Timeout);
        }
        QCOMPARE(shown(), QStringList{Entry});
        QCOMPARE(program->state(), QProcess::Running);
        // Named for the program, not the executable; a bad value is replaced by now, as ISO text.
        const QDir written(path("XDG_CONFIG_HOME/Starquill"), u"*.conf"_s);
        QTRY_VERIFY_WITH_TIMEOUT(!written.isEmpty(), Timeout);
        QCOMPARE(written.entryList(), QStringList{u"StarquillFree.conf"_s});
        const QByteArray stored =
            "\nLastReminderDate=" + QDate::currentDate().toString(Qt::ISODate).toLatin1() + 'T';
        QTRY_VERIFY_WITH_TIMEOUT(content == Folder || contents(settings).contains(stored), Timeout);
    }
};

QTEST_GUILESS_MAIN(TestFaults)
#include "tst_faults.moc"

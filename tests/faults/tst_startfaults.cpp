// Faults from outside the process: two starts at the same instant, a start
// after the program was killed, a damaged settings file, and no usable
// browser. Each started program gets a home, configuration and runtime
// folder of its own. The real program shows nothing observable offscreen, so
// it is judged by who holds the single-instance lock (/proc/locks) and by
// staying alive; the start-up probe, built from the same library, reports
// what it showed and clicks the links.
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <set>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

const QString Program = QStringLiteral(STARQUILLFREE_PATH);
const QString Probe = QStringLiteral(STARTPROBE_PATH);
// Generous for a slow sanitizer build.
constexpr int StartTimeoutMs = 30000;

// A throwaway user: home, configuration and runtime folders of its own.
class Scratch
{
public:
    Scratch()
    {
        for (const char* folder : {"home", "config", "run", "cache", "data"})
            QDir().mkpath(root.filePath(QString::fromLatin1(folder)));
        QFile::setPermissions(root.filePath(QStringLiteral("run")), QFileDevice::ReadOwner |
                                                                        QFileDevice::WriteOwner |
                                                                        QFileDevice::ExeOwner);
    }

    QString lockPath() const { return root.filePath(QStringLiteral("run/StarquillFree.lock")); }
    QString settingsPath() const
    {
        return root.filePath(QStringLiteral("config/Starquill/StarquillFree.conf"));
    }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), root.filePath(QStringLiteral("home")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), root.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), root.filePath(QStringLiteral("run")));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), root.filePath(QStringLiteral("cache")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), root.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "BROWSER", "DEFAULT_BROWSER"})
            env.remove(QString::fromLatin1(name));
        return env;
    }

    // Stores the reminder date as the program writes it.
    void storeReminderDate(const QString& text) const
    {
        writeSettings("[Settings]\nLastReminderDate=" + text.toUtf8() + "\n");
    }

    void writeSettings(const QByteArray& content) const
    {
        QDir().mkpath(QFileInfo(settingsPath()).absolutePath());
        QFile file(settingsPath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) < 0)
            qFatal("cannot write the settings file");
    }

    QTemporaryDir root;
};

// A private X server, where windows can be seen from outside the program.
class XServer
{
public:
    // False when Xvfb or xwininfo is not installed.
    bool start()
    {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("xwininfo")).isEmpty())
            return false;
        // Xvfb writes the display number once it accepts clients.
        m_server.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"),
                              QStringLiteral("-screen"), QStringLiteral("0"),
                              QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"),
                              QStringLiteral("tcp")});
        if (!m_server.waitForReadyRead(StartTimeoutMs))
            return false;
        display = QStringLiteral(":") + QString::fromLatin1(m_server.readLine().trimmed());
        return true;
    }

    ~XServer()
    {
        m_server.kill();
        m_server.waitForFinished(10000);
    }

    void use(QProcessEnvironment& env) const
    {
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("DISPLAY"), display);
    }

    // The names of the top-level windows on the display.
    QStringList windowNames() const
    {
        QProcess list;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), display);
        list.setProcessEnvironment(env);
        list.start(QStringLiteral("xwininfo"),
                   {QStringLiteral("-root"), QStringLiteral("-children")});
        list.waitForFinished(10000);
        QStringList names;
        // '     0x400006 "Starquill": ("StarquillFree" "StarquillFree")  252x84+504+430 ...'
        static const QRegularExpression window(QStringLiteral("^\\s+0x[0-9a-f]+ \"(.*)\": \\("));
        for (const QString& line : QString::fromUtf8(list.readAllStandardOutput()).split(u'\n'))
            if (const QRegularExpressionMatch match = window.match(line); match.hasMatch())
                names.append(match.captured(1));
        return names;
    }

    QString display;

private:
    QProcess m_server;
};

using Process = std::unique_ptr<QProcess>;

Process start(const Scratch& scratch, const QString& program, const QStringList& args = {},
              const QProcessEnvironment* env = nullptr)
{
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(env ? *env : scratch.environment());
    process->setProgram(program);
    process->setArguments(args);
    process->start();
    return process;
}

void stop(QProcess& process)
{
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(10000);
    }
}

// The processes holding an flock on that file, read from the kernel's table.
std::set<qint64> lockHolders(const QString& path)
{
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    const QByteArray file =
        QString::asprintf("%02x:%02x:%lu", major(info.st_dev), minor(info.st_dev),
                          static_cast<unsigned long>(info.st_ino))
            .toLatin1();
    QFile table(QStringLiteral("/proc/locks"));
    if (!table.open(QIODevice::ReadOnly))
        qFatal("cannot read /proc/locks");
    std::set<qint64> holders;
    for (const QByteArray& line : table.readAll().split('\n')) {
        // "1: FLOCK  ADVISORY  WRITE 4242 00:1f:123 0 EOF"; waiters have "->".
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() >= 6 && fields[1] == "FLOCK" && fields[5] == file)
            holders.insert(fields[4].toLongLong());
    }
    return holders;
}

// Waits until one of the processes holds the lock; its pid, or 0.
qint64 waitForHolder(const QString& lockPath, std::initializer_list<const QProcess*> candidates)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < StartTimeoutMs) {
        const std::set<qint64> holders = lockHolders(lockPath);
        for (const QProcess* process : candidates)
            if (holders.count(process->processId()))
                return process->processId();
        QTest::qWait(20);
    }
    return 0;
}

struct ProbeReport
{
    QStringList lines;
    bool finishedNormally = false;

    bool has(const QString& line) const { return lines.contains(line); }
    QStringList starting(const QString& prefix) const
    {
        QStringList found;
        for (const QString& line : lines)
            if (line.startsWith(prefix))
                found.append(line.mid(prefix.size()));
        return found;
    }
};

ProbeReport finish(QProcess& probe)
{
    ProbeReport report;
    report.finishedNormally = probe.waitForFinished(StartTimeoutMs) &&
                              probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0;
    stop(probe);
    report.lines = QString::fromUtf8(probe.readAllStandardOutput()).split(QLatin1Char('\n'));
    if (!report.finishedNormally)
        qWarning("probe output: %s\nerrors: %s", qPrintable(report.lines.join(QLatin1Char('|'))),
                 probe.readAllStandardError().constData());
    return report;
}

ProbeReport runProbe(const Scratch& scratch, const QStringList& args = {},
                     const QProcessEnvironment* env = nullptr)
{
    Process probe = start(scratch, Probe, args, env);
    probe->closeWriteChannel();
    return finish(*probe);
}

// A start that ran: the entry window and, at most, the update question.
void verifyRanNormally(const ProbeReport& report, bool updateQuestion)
{
    QVERIFY(report.finishedNormally);
    QVERIFY(report.has(QStringLiteral("start: running")));
    QCOMPARE(report.starting(QStringLiteral("window: ")), QStringList{QStringLiteral("frmMain")});
    const QStringList messages = report.starting(QStringLiteral("message: "));
    if (updateQuestion) {
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].startsWith(QStringLiteral("There maybe an update")),
                 qPrintable(messages[0]));
    } else {
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('|'))));
    }
    QVERIFY(report.has(QStringLiteral("alive")));
}

QString today()
{
    return QDateTime::currentDateTime().toString(Qt::ISODate);
}

} // namespace

const QString EntryCaption = QStringLiteral("Starquill v1.15");
// A message box: the refusal, or the update question.
const QString BoxCaption = QStringLiteral("Starquill");

class TestStartFaults : public QObject
{
    Q_OBJECT

    XServer m_x;
    bool m_onX = false;

    // The real program's environment: on the test's X server when there is one.
    QProcessEnvironment programEnvironment(const Scratch& scratch) const
    {
        QProcessEnvironment env = scratch.environment();
        if (m_onX)
            m_x.use(env);
        return env;
    }

    // The program's windows on the display, by caption, sorted.
    QStringList programWindows() const
    {
        QStringList shown;
        for (const QString& name : m_x.windowNames())
            if (name == EntryCaption || name == BoxCaption)
                shown.append(name);
        shown.sort();
        return shown;
    }

    // What the display shows once it shows these, or after the time-out.
    QStringList windowsOnceShowing(QStringList expected) const
    {
        expected.sort();
        QElapsedTimer clock;
        clock.start();
        QStringList shown = programWindows();
        while (shown != expected && clock.elapsed() < StartTimeoutMs) {
            QTest::qWait(20);
            shown = programWindows();
        }
        return shown;
    }

    void waitUntilNoWindows() const
    {
        QElapsedTimer clock;
        clock.start();
        while (m_onX && !programWindows().isEmpty() && clock.elapsed() < 10000)
            QTest::qWait(20);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QFile::exists(Program));
        QVERIFY(QFile::exists(Probe));
        QVERIFY(QFile::exists(QStringLiteral("/proc/locks")));
        // On X the real program's windows can be seen from outside; offscreen
        // only the lock and its staying alive tell.
        m_onX = m_x.start();
        if (!m_onX)
            qInfo("Xvfb or xwininfo missing: the real program is judged by its lock alone");
    }

    // --- two starts at once ---
    void programsStartedInPairsOneOfEachRuns()
    {
        for (int pair = 0; pair < 10; ++pair) {
            Scratch scratch;
            scratch.storeReminderDate(today());
            const QProcessEnvironment env = programEnvironment(scratch);
            Process a = start(scratch, Program, {}, &env);
            Process b = start(scratch, Program, {}, &env);
            const qint64 holder = waitForHolder(scratch.lockPath(), {a.get(), b.get()});
            QVERIFY2(holder != 0, "neither program took the lock");
            // The one runs its entry window, the other shows only its refusal.
            if (m_onX)
                QCOMPARE(windowsOnceShowing({EntryCaption, BoxCaption}),
                         QStringList({BoxCaption, EntryCaption}));
            else
                QTest::qWait(1000); // time for the other to reach the check
            QCOMPARE(lockHolders(scratch.lockPath()), std::set<qint64>{holder});
            // Neither crashed: the refused one waits in its message.
            QCOMPARE(a->state(), QProcess::Running);
            QCOMPARE(b->state(), QProcess::Running);
            stop(*a);
            stop(*b);
            waitUntilNoWindows();
        }
    }

    void probesStartedAtTheSameInstantOneOfEachRuns()
    {
        // A moment both probes reach comfortably, on this machine and build.
        QElapsedTimer clock;
        clock.start();
        verifyRanNormally(runProbe(Scratch()), false);
        const qint64 lead = 2 * clock.elapsed() + 200;
        for (int pair = 0; pair < 10; ++pair) {
            Scratch scratch;
            scratch.storeReminderDate(today());
            // Both wait for the same moment, then race for the lock.
            const QString at = QString::number(QDateTime::currentMSecsSinceEpoch() + lead);
            const QStringList args{QStringLiteral("--at"), at, QStringLiteral("--hold")};
            Process a = start(scratch, Probe, args);
            Process b = start(scratch, Probe, args);
            clock.start();
            // The refused one reports and ends; the running one holds on.
            while (a->state() == QProcess::Running && b->state() == QProcess::Running &&
                   clock.elapsed() < StartTimeoutMs)
                QTest::qWait(20);
            for (QProcess* p : {a.get(), b.get()})
                p->closeWriteChannel();
            const ProbeReport first = finish(*a);
            const ProbeReport second = finish(*b);
            QVERIFY(first.finishedNormally && second.finishedNormally);
            const bool firstRan = first.has(QStringLiteral("start: running"));
            const ProbeReport& ran = firstRan ? first : second;
            const ProbeReport& refused = firstRan ? second : first;
            verifyRanNormally(ran, false);
            QVERIFY(refused.has(QStringLiteral("start: refused")));
            QVERIFY(refused.starting(QStringLiteral("window: ")).isEmpty());
            QCOMPARE(refused.starting(QStringLiteral("message: ")),
                     QStringList{QStringLiteral("Application is already running")});
        }
    }

    // --- a killed program ---
    void aKilledProgramNeverBlocksTheNextStart()
    {
        Scratch scratch;
        scratch.storeReminderDate(today());
        const QProcessEnvironment env = programEnvironment(scratch);
        for (int round = 0; round < 20; ++round) {
            Process program = start(scratch, Program, {}, &env);
            QVERIFY2(waitForHolder(scratch.lockPath(), {program.get()}) != 0,
                     qPrintable(QStringLiteral("start %1 did not run").arg(round + 1)));
            if (m_onX)
                QCOMPARE(windowsOnceShowing({EntryCaption}), QStringList{EntryCaption});
            QCOMPARE(program->state(), QProcess::Running);
            program->kill(); // SIGKILL: no clean-up of any kind
            QVERIFY(program->waitForFinished(10000));
            QCOMPARE(program->exitStatus(), QProcess::CrashExit);
            waitUntilNoWindows();
        }
        verifyRanNormally(runProbe(scratch), false);
    }

    // --- a damaged settings file ---
    void damagedSettingsStillShowTheEntryWindow_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("updateQuestion");
        QByteArray binary;
        for (int i = 0; i < 4096; ++i)
            binary.append(char((i * 7919) % 256));
        QTest::newRow("garbage value")
            << QByteArray("[Settings]\nLastReminderDate=not a date %% [[ ]] \\x \" ,,\n") << false;
        QTest::newRow("binary bytes in the value")
            << QByteArray("[Settings]\nLastReminderDate=") + binary + "\n"
            << false;
        QTest::newRow("binary file") << binary << false;
        QTest::newRow("empty value") << QByteArray("[Settings]\nLastReminderDate=\n") << false;
        QTest::newRow("serialized junk")
            << QByteArray(
                   "[Settings]\nLastReminderDate=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\xff\\xff)\n")
            << false;
        QTest::newRow("list instead of text")
            << QByteArray("[Settings]\nLastReminderDate=2024-01-01, 2024-02-02\n") << false;
        QTest::newRow("megabyte value")
            << QByteArray("[Settings]\nLastReminderDate=") + QByteArray(1 << 20, '9') + "\n"
            << false;
        QTest::newRow("far past") << QByteArray(
                                         "[Settings]\nLastReminderDate=0001-01-01T00:00:00\n")
                                  << true;
        QTest::newRow("far future")
            << QByteArray("[Settings]\nLastReminderDate=9999-12-31T23:59:59\n") << true;
    }

    void damagedSettingsStillShowTheEntryWindow()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, updateQuestion);
        Scratch scratch;
        scratch.writeSettings(content);
        verifyRanNormally(runProbe(scratch), updateQuestion);
        // A bad value is replaced, so it cannot silence the reminder for good.
        const QSettings stored(scratch.settingsPath(), QSettings::IniFormat);
        const QDateTime date = QDateTime::fromString(
            stored.value(QStringLiteral("Settings/LastReminderDate")).toString(), Qt::ISODate);
        QCOMPARE(date.date(), QDate::currentDate());

        // The real program survives it too.
        scratch.writeSettings(content);
        verifyRealProgramRuns(scratch, updateQuestion);
    }

    void settingsPathOccupiedByAFolder()
    {
        Scratch scratch;
        QVERIFY(QDir().mkpath(scratch.settingsPath()));
        verifyRanNormally(runProbe(scratch), false);
        QVERIFY(QFileInfo(scratch.settingsPath()).isDir());
        verifyRealProgramRuns(scratch, false);
    }

    // --- no usable browser ---
    // Offscreen Qt never hands an address to a browser, so these run on X.
    void linksWithoutABrowser_data()
    {
        QTest::addColumn<QByteArray>("opener");
        QTest::addColumn<bool>("reached");
        QTest::newRow("no opener on the PATH") << QByteArray() << false;
        QTest::newRow("an opener that fails") << QByteArray("exit 1") << true;
        // The control: the same clicks do reach a browser that works.
        QTest::newRow("an opener that works") << QByteArray("exit 0") << true;
    }

    void linksWithoutABrowser()
    {
        QFETCH(QByteArray, opener);
        QFETCH(bool, reached);
        if (!m_onX)
            QSKIP("Xvfb or xwininfo is not installed");

        Scratch scratch;
        // Overdue, so the update question comes and is answered Yes: a link too.
        scratch.storeReminderDate(QStringLiteral("2000-01-01T00:00:00"));
        const QString bin = scratch.root.filePath(QStringLiteral("bin"));
        const QString opened = scratch.root.filePath(QStringLiteral("opened"));
        QVERIFY(QDir().mkpath(bin));
        if (!opener.isEmpty()) {
            QFile script(bin + QStringLiteral("/xdg-open"));
            QVERIFY(script.open(QIODevice::WriteOnly));
            script.write("#!/bin/sh\necho \"$1\" >> '" + opened.toUtf8() + "'\n" + opener + "\n");
            script.close();
            QVERIFY(script.setPermissions(script.permissions() | QFileDevice::ExeOwner));
        }
        QProcessEnvironment env = programEnvironment(scratch);
        env.insert(QStringLiteral("PATH"), bin);
        for (const char* name : {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION",
                                 "GNOME_DESKTOP_SESSION_ID"})
            env.remove(QString::fromLatin1(name));

        const ProbeReport report = runProbe(
            scratch,
            {QStringLiteral("--click-links"), QStringLiteral("--answer"), QStringLiteral("yes")},
            &env);
        // Every link was clicked and the program went on without a word.
        verifyRanNormally(report, true);
        const int links = report.starting(QStringLiteral("links: ")).value(0).toInt();
        QVERIFY(links >= 15);
        // The opener is started detached: give it time to write down each address.
        const int expected = reached ? links + 1 : 0;
        int count = 0;
        QElapsedTimer clock;
        clock.start();
        do {
            QFile file(opened);
            count = file.open(QIODevice::ReadOnly) ? int(file.readAll().count('\n')) : 0;
        } while (count < expected && clock.elapsed() < 10000 && (QTest::qWait(50), true));
        QCOMPARE(count, expected);
    }

private:
    // Starts the real program: it shows the entry window, or first the update
    // question, and keeps running.
    void verifyRealProgramRuns(const Scratch& scratch, bool updateQuestion)
    {
        const QProcessEnvironment env = programEnvironment(scratch);
        Process program = start(scratch, Program, {}, &env);
        QVERIFY(waitForHolder(scratch.lockPath(), {program.get()}) != 0);
        if (m_onX) {
            const QString first = updateQuestion ? BoxCaption : EntryCaption;
            QCOMPARE(windowsOnceShowing({first}), QStringList{first});
        }
        QTest::qWait(300);
        QCOMPARE(program->state(), QProcess::Running);
        stop(*program);
        waitUntilNoWindows();
    }
};

QTEST_GUILESS_MAIN(TestStartFaults)
#include "tst_startfaults.moc"

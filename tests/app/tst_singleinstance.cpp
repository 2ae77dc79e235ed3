#include "app/SingleInstance.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

namespace {

// Starts the lock holder on a lock file; it prints "locked" or "refused".
std::unique_ptr<QProcess> startHolder(const QString& lockPath)
{
    auto process = std::make_unique<QProcess>();
    process->start(QStringLiteral(LOCKHOLDER_PATH), {lockPath});
    return process;
}

QByteArray answerOf(QProcess& process)
{
    if (!process.waitForReadyRead(10000))
        return "no answer";
    return process.readLine().trimmed();
}

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

    QTemporaryDir folder;

    QString lockPath(const QString& name) const { return folder.filePath(name); }

private slots:
    void aLiveHolderRefusesOthers()
    {
        auto holder = startHolder(lockPath(QStringLiteral("live.lock")));
        QCOMPARE(answerOf(*holder), QByteArray("locked"));
        SingleInstance second(lockPath(QStringLiteral("live.lock")));
        QVERIFY(!second.tryAcquire());
        // The holder is untouched by the refusal.
        QCOMPARE(holder->state(), QProcess::Running);
        holder->closeWriteChannel();
        QVERIFY(holder->waitForFinished(10000));
        QCOMPARE(holder->exitCode(), 0);
        // A holder that ended normally let go.
        QVERIFY(second.tryAcquire());
    }

    void aHolderKilledWhileHoldingDoesNotBlockLaterStarts()
    {
        const QString path = lockPath(QStringLiteral("killed.lock"));
        for (int round = 0; round < 5; ++round) {
            auto holder = startHolder(path);
            QCOMPARE(answerOf(*holder), QByteArray("locked"));
            holder->kill(); // SIGKILL: no chance to clean up
            QVERIFY(holder->waitForFinished(10000));
            QVERIFY(QFile::exists(path));
        }
        SingleInstance next(path);
        QVERIFY(next.tryAcquire());
    }

    void theSameProcessAsksAgain()
    {
        SingleInstance instance(lockPath(QStringLiteral("again.lock")));
        QVERIFY(instance.tryAcquire());
        QVERIFY(instance.tryAcquire());
    }

    void twoStartedAtOnceExactlyOneRuns()
    {
        for (int pair = 0; pair < 10; ++pair) {
            const QString path = lockPath(QStringLiteral("race%1.lock").arg(pair));
            auto first = startHolder(path);
            auto second = startHolder(path);
            const QByteArray a = answerOf(*first);
            const QByteArray b = answerOf(*second);
            QVERIFY2((a == "locked") != (b == "locked"), (a + " / " + b).constData());
            QVERIFY(a == "refused" || b == "refused");
            for (QProcess* p : {first.get(), second.get()}) {
                p->closeWriteChannel();
                QVERIFY(p->waitForFinished(10000));
            }
        }
    }

    void theDefaultLockIsPerUser()
    {
        const QString path = SingleInstance::defaultLockPath();
        QVERIFY(path.endsWith(QStringLiteral("/StarquillFree.lock")));
        QVERIFY(!path.startsWith(QStringLiteral("/tmp/StarquillFree")));
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"

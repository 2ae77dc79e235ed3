#include "TestSupport.h"

#include "app/Application.h"
#include "app/MessageBox.h"
#include "app/Settings.h"
#include "entry/frmMain.h"
#include "web/CoBrand.h"
#include "web/UpdateReminder.h"
#include "web/modHelp.h"

#include <QDir>
#include <QTest>

class tst_UpdateReminder : public QObject
{
    Q_OBJECT

    // Whole seconds, so the stored text can come back as this very moment.
    const QDateTime now{QDate(2024, 3, 10), QTime(12, 0, 0)};
    const QString expectedQuestion =
        QStringLiteral("There maybe an update to this software available\r"
                       "Do you want to check for an update?");

    static QString stored() { return Settings::read(Reminder::SettingKey); }
    static QDateTime storedDate() { return QDateTime::fromString(stored(), Qt::ISODate); }
    static void store(const QString& value)
    {
        QVERIFY(Settings::write(Reminder::SettingKey, value));
    }
    static QString iso(const QDateTime& moment) { return moment.toString(Qt::ISODate); }
    static QStringList opened()
    {
        QStringList addresses;
        for (const QUrl& url : TestSupport::takeOpenedUrls())
            addresses.append(url.toString(QUrl::FullyEncoded));
        return addresses;
    }
    static QString download() { return modHelp::RedirectAddress(modHelp::Page::DownloadWebPage); }

private slots:
    void initTestCase() { TestSupport::isolate(); }
    void init()
    {
        TestSupport::reset();
        TestSupport::clearSettings();
    }

    void firstStartStoresNowWithoutAsking()
    {
        UpdateReminder(now);
        QVERIFY(MessageBox::takeShown().isEmpty());
        QCOMPARE(storedDate(), now);
        // The first start counts as a reminder: quiet for the next fourteen days.
        UpdateReminder(now.addDays(14));
        QVERIFY(MessageBox::takeShown().isEmpty());
        QCOMPARE(storedDate(), now);
    }

    void asksOnlyBeyondFourteenCalendarDays_data()
    {
        QTest::addColumn<QDateTime>("last");
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<bool>("asks");
        const QDate today = now.date();
        const QTime noon = now.time();
        QTest::newRow("same day") << now.addSecs(-3600) << now << false;
        QTest::newRow("14 days before") << now.addDays(-14) << now << false;
        QTest::newRow("15 days before") << now.addDays(-15) << now << true;
        QTest::newRow("14 days after") << now.addDays(14) << now << false;
        QTest::newRow("15 days after") << now.addDays(15) << now << true;
        QTest::newRow("years after") << now.addYears(3) << now << true;
        // Calendar days, not elapsed time: 23:59 to 00:01 is one day.
        QTest::newRow("23:59 to 00:01, 15 days") << QDateTime(today.addDays(-15), QTime(23, 59))
                                                 << QDateTime(today, QTime(0, 1)) << true;
        QTest::newRow("00:01 to 23:59, 14 days") << QDateTime(today.addDays(-14), QTime(0, 1))
                                                 << QDateTime(today, QTime(23, 59)) << false;
        QTest::newRow("over new year, 15 days")
            << QDateTime(QDate(2023, 12, 27), noon) << QDateTime(QDate(2024, 1, 11), noon) << true;
        QTest::newRow("over 29 February, 14 days")
            << QDateTime(QDate(2024, 2, 20), noon) << QDateTime(QDate(2024, 3, 5), noon) << false;
    }

    void asksOnlyBeyondFourteenCalendarDays()
    {
        QFETCH(QDateTime, last);
        QFETCH(QDateTime, start);
        QFETCH(bool, asks);
        store(iso(last));
        UpdateReminder(start);
        const QList<MessageBox::Shown> shown = MessageBox::takeShown();
        if (!asks) {
            QVERIFY(shown.isEmpty());
            QCOMPARE(stored(), iso(last));
            return;
        }
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, expectedQuestion);
        QVERIFY(shown[0].yesNo);
        QCOMPARE(shown[0].icon, MessageBox::Icon::Information);
        QCOMPARE(storedDate(), start);
        QVERIFY(opened().isEmpty()); // unanswered questions answer No
    }

    void answerChoosesThePageBothStoreNow_data()
    {
        QTest::addColumn<MessageBox::Answer>("answer");
        QTest::addColumn<QStringList>("pages");
        QTest::newRow("Yes") << MessageBox::Answer::Yes << QStringList{download()};
        QTest::newRow("No") << MessageBox::Answer::No << QStringList{};
    }

    void answerChoosesThePageBothStoreNow()
    {
        QFETCH(MessageBox::Answer, answer);
        QFETCH(QStringList, pages);
        store(iso(now.addDays(-40)));
        MessageBox::setNextAnswer(answer);
        UpdateReminder(now);
        QCOMPARE(MessageBox::takeShown().size(), 1);
        QCOMPARE(opened(), pages);
        QCOMPARE(storedDate(), now);
        // The next reminder comes on the fifteenth calendar day, not before.
        UpdateReminder(now.addDays(14));
        QVERIFY(MessageBox::takeShown().isEmpty());
        UpdateReminder(now.addDays(15));
        QCOMPARE(MessageBox::takeShown().size(), 1);
    }

    void unreadableValueCountsAsNeverWritten_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("empty") << QString();
        QTest::newRow("blanks") << QStringLiteral("   ");
        QTest::newRow("garbage") << QStringLiteral("last Tuesday");
        QTest::newRow("impossible date") << QStringLiteral("2024-02-30T10:00:00");
        QTest::newRow("local format") << QStringLiteral("10/03/2024 12:00:00");
        QTest::newRow("binary") << (QString(QChar(0)) + QChar(1) + QChar(0x7f) + QChar(0xfffe));
    }

    void unreadableValueCountsAsNeverWritten()
    {
        QFETCH(QString, value);
        store(value);
        UpdateReminder(now);
        QVERIFY(MessageBox::takeShown().isEmpty());
        QCOMPARE(storedDate(), now);
        // Replaced, not left for ever: the reminder works again.
        UpdateReminder(now.addDays(15));
        QCOMPARE(MessageBox::takeShown().size(), 1);
    }

    void refusingStoreCostsNothingButTheReminder()
    {
        // A folder where the settings file belongs: every read and write fails.
        const QString location = Settings::location();
        QVERIFY(QDir().mkpath(location));
        const auto cleanup = qScopeGuard([&] { QDir(location).removeRecursively(); });
        QVERIFY(!Settings::write(QStringLiteral("Probe"), QStringLiteral("x")));
        UpdateReminder(now);
        QVERIFY(MessageBox::takeShown().isEmpty());
        QVERIFY(opened().isEmpty());
    }

    // Start-up runs the reminder before the entry window and the label choice after it.
    void startUpRemindsThenShowsTheEntryWindow()
    {
        const QDateTime started = QDateTime::currentDateTime();
        store(iso(started.addDays(-20)));
        MessageBox::setNextAnswer(MessageBox::Answer::Yes);
        intCoBrandRandomNumber = 0;
        QVERIFY(App::StartApplication());
        QCOMPARE(MessageBox::takeShown().size(), 1);
        QCOMPARE(opened(), QStringList{download()});
        QVERIFY(storedDate() >= started.addSecs(-1));
        frmMain* entry = Forms::existing<frmMain>();
        QVERIFY(entry && entry->isVisible());
        QVERIFY(intCoBrandRandomNumber >= 1 && intCoBrandRandomNumber <= 6);
    }
};

QTEST_MAIN(tst_UpdateReminder)
#include "tst_webreminder.moc"

// SPDX-License-Identifier: MIT
// Reading speed: from a click on "Find My Zodiac Psyche Sign" to the result
// window shown, and the lookup of every date the entry window offers. Each
// fails when it misses its budget, so bench/run.sh shows a regression.
#include "core/Psyche.h"
#include "program/Program.h"
#include "widgets/MessageBox.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <vector>

namespace {

constexpr double BudgetMs = 2.0;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

QWidget* shownWindow(const char* name)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String(name) && window->isVisible())
            return window;
    return nullptr;
}

} // namespace

class BenchReading : public QObject
{
    Q_OBJECT

    QTemporaryDir m_lockFolder;
    Program* m_program = nullptr;

private slots:
    void initTestCase()
    {
        // Nothing here may block on a message box or touch the user's settings.
        QStandardPaths::setTestModeEnabled(true);
        MessageBox::setTestMode(true);
        m_program = new Program(m_lockFolder.filePath(QStringLiteral("lock")));
        m_program->setExitHandler([] {});
        QVERIFY(m_program->start(QDateTime::currentDateTime()));
    }

    void cleanupTestCase() { delete m_program; }

    // Every reading after Back builds a fresh result window, so each round
    // measures that too; Back itself is outside the measurement.
    void clickToResultShown()
    {
        QWidget* entry = shownWindow("frmMain");
        QVERIFY(entry);
        entry->findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("MARY"));
        entry->findChild<QComboBox*>(QStringLiteral("cboMonth"))->setCurrentIndex(6);
        auto* day = entry->findChild<QComboBox*>(QStringLiteral("cboDate"));
        auto* find = entry->findChild<QPushButton*>(QStringLiteral("cmdNext"));
        QElapsedTimer clock;
        std::vector<double> rounds;
        for (int round = 0; round <= 201; ++round) {
            day->setCurrentIndex(round % 28);
            clock.start();
            QTest::mouseClick(find, Qt::LeftButton);
            QCoreApplication::processEvents(); // the first paint
            const double ms = clock.nsecsElapsed() / 1e6;
            QWidget* result = shownWindow("frmDisplay");
            QVERIFY(result && !entry->isVisible());
            QVERIFY(!result->findChild<QLabel*>(QStringLiteral("lblPsycheSign"))->text().isEmpty());
            // The first reading also builds the hidden exit screen.
            if (round == 0)
                qInfo("first reading: %.3f ms", ms);
            else
                rounds.push_back(ms);
            result->findChild<QPushButton*>(QStringLiteral("cmdBack"))->click();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
        }
        const double result = median(rounds);
        qInfo("reading, median of %zu: %.3f ms", rounds.size(), result);
        QVERIFY2(result < BudgetMs, qPrintable(QStringLiteral("%1 ms").arg(result)));
        QVERIFY(MessageBox::takeShown().isEmpty());
    }

    void lookupEveryDate()
    {
        std::vector<double> runs;
        QElapsedTimer clock;
        for (int run = 0; run < 31; ++run) {
            int found = 0;
            clock.start();
            for (QDate d(1940, 1, 1); d <= QDate(1990, 12, 31); d = d.addDays(1))
                found += Psyche::signOn(d.year(), d.month(), d.day()).has_value();
            runs.push_back(clock.nsecsElapsed() / 1e6);
            QCOMPARE(found, 18628);
        }
        const double result = median(runs);
        qInfo("lookup of all 18628 dates, median of 31: %.3f ms", result);
        QVERIFY2(result < BudgetMs, qPrintable(QStringLiteral("%1 ms").arg(result)));
    }
};

QTEST_MAIN(BenchReading)
#include "bench_reading.moc"

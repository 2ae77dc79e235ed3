#include "TestSupport.h"

#include "app/Application.h"
#include "app/ClickableLabel.h"
#include "entry/frmMain.h"
#include "result/frmDisplay.h"
#include "web/CoBrand.h"

#include <QTest>

// The promotion label a user sees (and clicks) where the two overlap.
template <class Window> QWidget* frontLabel(Window* window)
{
    const QRect shared = window->lblCobrand->geometry() & window->lblFullBrand->geometry();
    return window->lblCobrand->parentWidget()->childAt(shared.center());
}

class tst_CoBrand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::isolate(); }
    void init() { TestSupport::reset(); }

    void drawsAreFairAndOnlyTheEntryWindowChanges()
    {
        frmMain* entry = Forms::get<frmMain>();
        frmDisplay* result = Forms::get<frmDisplay>();
        entry->show();
        result->show();
        App::random().seed(20240310);
        const int draws = 600;
        QMap<int, int> counts;
        int fullBrandInFront = 0;
        for (int i = 0; i < draws; ++i) {
            CoBrand_Randomize();
            const int number = intCoBrandRandomNumber;
            QVERIFY2(number >= 1 && number <= 6, qPrintable(QString::number(number)));
            ++counts[number];
            QWidget* front = frontLabel(entry);
            QCOMPARE(front, number % 2 == 0 ? static_cast<QWidget*>(entry->lblFullBrand)
                                            : static_cast<QWidget*>(entry->lblCobrand));
            fullBrandInFront += front == entry->lblFullBrand;
            QCOMPARE(frontLabel(result), static_cast<QWidget*>(result->lblFullBrand));
        }
        // Expected 300 and 100, standard deviations about 12 and 9: far
        // outside these bounds means a biased draw, not bad luck.
        QVERIFY2(fullBrandInFront > 200 && fullBrandInFront < 400,
                 qPrintable(QString::number(fullBrandInFront)));
        QCOMPARE(counts.size(), 6);
        for (auto it = counts.cbegin(); it != counts.cend(); ++it)
            QVERIFY2(it.value() > 50 && it.value() < 150,
                     qPrintable(QStringLiteral("%1 drawn %2 times").arg(it.key()).arg(it.value())));
    }
};

QTEST_MAIN(tst_CoBrand)
#include "tst_webcobrand.moc"

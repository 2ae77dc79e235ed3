#include "TestSupport.h"

#include "app/AppInfo.h"
#include "app/ClickableLabel.h"
#include "app/Form.h"
#include "app/Look.h"
#include "app/Twips.h"
#include "entry/frmMain.h"
#include "promotion/frmPromotion.h"
#include "result/frmDisplay.h"
#include "web/AboutBox.h"
#include "web/frmAbout.h"
#include "web/modHelp.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>

namespace {

using Inspect = std::function<void(frmAbout*)>;

struct Outcome
{
    bool seen = false;      // the box was found open and modal
    bool forced = false;    // the test had to hide it itself
    QPointer<frmAbout> box; // null once deleted
};

// Opens the About box the way `open` does and runs `inspect` on it while it
// is modal; `inspect` is expected to close it. A box still open after a few
// seconds is hidden here, which ends its modal loop, so no test can hang.
Outcome whileOpen(const Inspect& inspect, const std::function<void()>& open = AboutBox::show)
{
    Outcome outcome;
    // Owns the pending inspection, should the box never open and block.
    QObject context;
    QTimer::singleShot(0, &context, [&] {
        outcome.box = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
        outcome.seen = outcome.box && outcome.box->isVisible();
        if (outcome.seen)
            inspect(outcome.box);
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            outcome.forced = true;
            modal->hide();
        }
    });
    guard.start(3000);
    open();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return outcome;
}

void clickOk(frmAbout* box)
{
    QTest::mouseClick(box->cmdOK, Qt::LeftButton);
}

bool fitsOnOneLine(const QLabel* label)
{
    return label->fontMetrics().horizontalAdvance(label->text()) <= label->width();
}

bool fitsWrapped(const QLabel* label)
{
    return label->heightForWidth(label->width()) <= label->height();
}

} // namespace

class tst_AboutBox : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::isolate(); }
    void init() { TestSupport::reset(); }

    void showsItsTextsModalFixedAndCentred()
    {
        const QString site = modHelp::siteName();
        const Outcome outcome = whileOpen([&](frmAbout* box) {
            const auto closeAtEnd = qScopeGuard([box] { clickOk(box); });
            QCOMPARE(box->objectName(), QStringLiteral("frmAbout"));
            QCOMPARE(box->windowTitle(), App::AppCaption);
            QVERIFY(!box->parentWidget());
            QCOMPARE(box->windowModality(), Qt::ApplicationModal);
            const Qt::WindowFlags flags = box->windowFlags();
            QVERIFY(flags & Qt::WindowCloseButtonHint);
            QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
            QCOMPARE(box->size(), twipsSize(6345, 3960));
            QCOMPARE(box->minimumSize(), box->maximumSize());
            const QPoint screenCentre =
                QGuiApplication::primaryScreen()->availableGeometry().center();
            QVERIFY((box->frameGeometry().center() - screenCentre).manhattanLength() <= 2);

            QLabel* const label2 = box->Label2;
            QLabel* const label1 = box->Label1;
            QLabel* const label6 = box->Label6;
            ClickableLabel* const home = box->lblHomePage;
            ClickableLabel* const details = box->Label5;
            QPushButton* const ok = box->cmdOK;
            const std::pair<QObject*, const char*> named[] = {
                {box->picIcon, "picIcon"}, {label2, "Label2"}, {label1, "Label1"},
                {home, "lblHomePage"},     {label6, "Label6"}, {details, "Label5"},
                {box->Line2, "Line2"},     {ok, "cmdOK"}};
            for (const auto& [control, name] : named)
                QCOMPARE(box->findChild<QObject*>(QLatin1String(name)), control);
            QCOMPARE(label2->text(), QStringLiteral("Starquill v1.15"));
            const QString about = QStringLiteral(
                "Starquill describes the placement of the asteroid Psyche in your birth chart. "
                "This asteroid is also known as the Goddess of the Soul. This sign helps you "
                "understand yourself and know your soul, mind and self better with respect to "
                "your partners in relationships. ");
            QVERIFY2(label1->text().startsWith(about), qPrintable(label1->text()));
            const QString rights = label1->text().mid(about.size());
            QVERIFY2(!rights.startsWith(u' ') && rights.contains(site) &&
                         rights.contains(QStringLiteral("rights")) && rights.endsWith(u'.'),
                     qPrintable(rights));
            QCOMPARE(home->text(), QStringLiteral("Click here to visit ") + site);
            QCOMPARE(label6->text(),
                     QStringLiteral("Home Business Opportunity. Start your own Internet business "
                                    "and make money online. Get this software fully branded for "
                                    "your website."));
            QVERIFY(!qobject_cast<ClickableLabel*>(label6));
            QCOMPARE(details->text(), QStringLiteral("Click here for more details"));
            QCOMPARE(ok->text(), QStringLiteral("&OK"));
            QVERIFY(ok->isDefault());
            QCOMPARE(box->Line2->frameShape(), QFrame::HLine);
            if (QFile::exists(QStringLiteral(":/icons/starquill.png")))
                QVERIFY(!box->picIcon->pixmap().isNull());

            QCOMPARE(box->palette().color(QPalette::Window), Look::DarkPlum);
            for (QLabel* plain : {label2, label1, label6})
                QCOMPARE(plain->palette().color(QPalette::WindowText), Look::PaleLavender);
            for (QLabel* link : {static_cast<QLabel*>(home), static_cast<QLabel*>(details)})
                QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::white));
            QCOMPARE(ok->palette().color(QPalette::Button), Look::ButtonGrey);
            // Whatever font stands in for Verdana, no text may be cut off.
            for (QLabel* line : {label2, static_cast<QLabel*>(home), static_cast<QLabel*>(details)})
                QVERIFY2(fitsOnOneLine(line), qPrintable(line->objectName()));
            for (QLabel* wrapped : {label1, label6})
                QVERIFY2(fitsWrapped(wrapped), qPrintable(wrapped->objectName()));
        });
        QVERIFY(outcome.seen);
        QVERIFY(!outcome.forced);
    }

    void linksOpenTheirPagesAndLeaveItOpen()
    {
        QList<QUrl> opened;
        bool stillOpen = false;
        const Outcome outcome = whileOpen([&](frmAbout* box) {
            QTest::mouseClick(box->lblHomePage, Qt::LeftButton);
            QTest::mouseClick(box->Label5, Qt::LeftButton);
            QTest::mouseClick(box->Label6, Qt::LeftButton);
            opened = TestSupport::takeOpenedUrls();
            stillOpen = box->isVisible() && QApplication::activeModalWidget() == box;
            clickOk(box);
        });
        QVERIFY(outcome.seen);
        QVERIFY(stillOpen);
        QCOMPARE(opened,
                 (QList<QUrl>{QUrl(modHelp::RedirectAddress(modHelp::Page::Home)),
                              QUrl(modHelp::RedirectAddress(modHelp::Page::FullyBranded))}));
        QVERIFY(!outcome.forced);
    }

    void everyWayOfLeavingClosesAndDeletesIt_data()
    {
        QTest::addColumn<Inspect>("leave");
        QTest::newRow("OK") << Inspect(clickOk);
        for (auto [key, name] : {std::pair{Qt::Key_Return, "Enter"}, {Qt::Key_Escape, "Escape"}}) {
            QTest::newRow(qPrintable(QStringLiteral("%1 on the box").arg(QLatin1String(name))))
                << Inspect([key](frmAbout* box) { QTest::keyClick(box, key); });
            QTest::newRow(qPrintable(QStringLiteral("%1 on OK").arg(QLatin1String(name))))
                << Inspect([key](frmAbout* box) { QTest::keyClick(box->cmdOK, key); });
        }
        // What the window system does when the close box is pressed.
        QTest::newRow("close box") << Inspect([](frmAbout* box) { box->windowHandle()->close(); });
    }

    void everyWayOfLeavingClosesAndDeletesIt()
    {
        QFETCH(Inspect, leave);
        const Outcome outcome = whileOpen(leave);
        QVERIFY(outcome.seen);
        QVERIFY2(!outcome.forced, "still open");
        QVERIFY(!outcome.box);
        QVERIFY(!QApplication::activeModalWidget());
        // The next request builds a fresh box.
        QVERIFY(whileOpen(clickOk).seen);
    }

    void openedFromTheEntryWindowLeavesItsEntries()
    {
        frmMain* entry = Forms::get<frmMain>();
        entry->show();
        entry->txtName->setText(QStringLiteral("ANNA"));
        entry->cboDate->setCurrentIndex(11);
        entry->cboMonth->setCurrentIndex(6);
        entry->cboYear->setCurrentIndex(23);
        const Outcome outcome = whileOpen(
            [](frmAbout* box) { QTest::keyClick(box, Qt::Key_Escape); },
            [entry] { entry->findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger(); });
        QVERIFY(outcome.seen && !outcome.forced);
        QCOMPARE(Forms::existing<frmMain>(), entry);
        QVERIFY(entry->isVisible());
        QCOMPARE(entry->txtName->text(), QStringLiteral("ANNA"));
        QCOMPARE(entry->cboDate->currentIndex(), 11);
        QCOMPARE(entry->cboMonth->currentIndex(), 6);
        QCOMPARE(entry->cboYear->currentIndex(), 23);
        QVERIFY(!Forms::existing<frmPromotion>() || !Forms::existing<frmPromotion>()->isVisible());
        QCOMPARE(TestSupport::exitRequests(), 0);
        QVERIFY(TestSupport::takeOpenedUrls().isEmpty());
    }

    void openedFromTheResultWindowLeavesItUnchanged()
    {
        frmDisplay* result = Forms::get<frmDisplay>();
        result->showReading(QStringLiteral("Pisces"), QStringLiteral("A paragraph."));
        result->show();
        const Outcome outcome = whileOpen(
            [](frmAbout* box) { box->windowHandle()->close(); },
            [result] { result->findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger(); });
        QVERIFY(outcome.seen && !outcome.forced);
        QCOMPARE(Forms::existing<frmDisplay>(), result);
        QVERIFY(result->isVisible());
        QCOMPARE(result->lblPsycheSign->text(), QStringLiteral("Pisces"));
        QCOMPARE(result->lblSignDesc->text(), QStringLiteral("A paragraph."));
        QVERIFY(!Forms::existing<frmPromotion>() || !Forms::existing<frmPromotion>()->isVisible());
        QCOMPARE(TestSupport::exitRequests(), 0);
    }
};

QTEST_MAIN(tst_AboutBox)
#include "tst_webabout.moc"

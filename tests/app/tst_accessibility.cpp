#include "TestSupport.h"
#include "WindowTour.h"

#include "app/ClickableLabel.h"
#include "app/MessageBox.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>

#include <cmath>

using namespace WindowTour;

namespace {

QAccessibleInterface* accessible(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}

// What a screen reader announces a control as. On X11 Qt reports a list's
// current entry as its name and names it through its label relation instead.
QString announcedName(QWidget* control)
{
    QAccessibleInterface* iface = accessible(control);
    if (qobject_cast<QComboBox*>(control)) {
        const auto labels = iface->relations(QAccessible::Label);
        return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
    }
    return iface->text(QAccessible::Name);
}

// The label on screen that captions the control, if any.
QLabel* captionOf(QWidget* control)
{
    for (QLabel* label : control->window()->findChildren<QLabel*>())
        if (label->buddy() == control)
            return label;
    return nullptr;
}

QString describe(const QWidget* control)
{
    return QStringLiteral("%1 (%2)").arg(control->objectName(),
                                         QLatin1String(control->metaObject()->className()));
}

// Relative luminance and contrast ratio as in WCAG 2.
double luminance(QRgb colour)
{
    const auto channel = [](int value) {
        const double v = value / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(colour)) + 0.7152 * channel(qGreen(colour)) +
           0.0722 * channel(qBlue(colour));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The controls the Tab key stops at that the user can see.
QList<QWidget*> tabStops(QWidget* window)
{
    QList<QWidget*> stops;
    for (QWidget* control : controls(window))
        if ((control->focusPolicy() & Qt::TabFocus) && control->isEnabled() &&
            !control->visibleRegion().isEmpty())
            stops.append(control);
    return stops;
}

QImage render(QWidget* window)
{
    return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The box whose outline shows the focus: the tick box of a check box (the
// style's faint frame round its caption cannot reach 3:1 in any colour), the
// whole control otherwise. In the window's coordinates.
QRect focusBox(QWidget* control)
{
    QRect box = control->rect();
    if (auto* check = qobject_cast<QCheckBox*>(control)) {
        QStyleOptionButton option;
        option.initFrom(check);
        box = check->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, check);
    }
    return box.translated(control->mapTo(control->window(), QPoint(0, 0)));
}

// How many pixels in and just around the focus box change colour by a
// contrast of at least 3:1 between the two pictures of the window.
int stronglyChangedPixels(const QImage& before, const QImage& after, QWidget* control)
{
    const QRect area = focusBox(control).adjusted(-3, -3, 3, 3).intersected(before.rect());
    int changed = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (contrast(before.pixel(x, y), after.pixel(x, y)) >= 3.0)
                ++changed;
    return changed;
}

} // namespace

class tst_Accessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::isolate();
        // Screen readers are off in a test run; the interfaces are still built.
        QAccessible::setActive(true);
    }
    void init()
    {
        closeAboutBoxes();
        TestSupport::reset();
    }
    void cleanupTestCase() { closeAboutBoxes(); }

    // --- names ---
    void everyControlIsNamed_data() { addWindowRows(); }
    void everyControlIsNamed()
    {
        QFETCH(QString, window);
        QWidget* shown = open(window);
        QVERIFY(shown);
        QVERIFY(!accessible(shown)->text(QAccessible::Name).isEmpty());
        const QList<QWidget*> found = controls(shown);
        QVERIFY(found.size() >= 6);
        for (QWidget* control : found) {
            if (auto* bar = qobject_cast<QMenuBar*>(control)) {
                verifyMenuNames(bar);
                continue;
            }
            const QString name = announcedName(control);
            QVERIFY2(!name.isEmpty(),
                     qPrintable(describe(control) + QStringLiteral(" has no name")));
            QString expected;
            if (auto* button = qobject_cast<QAbstractButton*>(control))
                expected = shownCaption(button->text());
            else if (auto* frame = qobject_cast<QGroupBox*>(control))
                expected = frame->title();
            else if (auto* label = qobject_cast<QLabel*>(control);
                     label && !label->text().isEmpty())
                expected = label->text(); // shown as plain text: a "&" is a literal one
            else if (QLabel* caption = captionOf(control))
                expected = caption->text();
            if (!expected.isEmpty())
                QVERIFY2(name == expected,
                         qPrintable(describe(control) + QStringLiteral(": ") + name));
        }
    }

    void inputsAreNamedAfterTheirLabels()
    {
        auto* entry = static_cast<frmMain*>(open(QStringLiteral("entry")));
        const std::pair<QWidget*, const char*> entryInputs[] = {{entry->txtName, "Name"},
                                                                {entry->cboDate, "Date"},
                                                                {entry->cboMonth, "Month"},
                                                                {entry->cboYear, "Year"}};
        for (const auto& [input, name] : entryInputs) {
            QCOMPARE(announcedName(input), QString::fromLatin1(name));
            // What other platforms' screen readers read as the name.
            QCOMPARE(input->accessibleName(), QString::fromLatin1(name));
        }
        // Picking an entry does not rename the list.
        entry->cboMonth->setCurrentIndex(8);
        QCOMPARE(announcedName(entry->cboMonth), QStringLiteral("Month"));

        auto* screen = static_cast<frmPromotion*>(open(QStringLiteral("exit")));
        const std::pair<QWidget*, const char*> referral[] = {
            {screen->txtName, "Your Name"},
            {screen->txtEmail, "Your Email Address"},
            {screen->txtFriendName, "Friend's Name"},
            {screen->txtFriendEmail, "Friend's Email Address"},
            {screen->txtMessage, "Your Message"}};
        for (const auto& [box, name] : referral) {
            // Emptied on focus, the box still says what belongs in it.
            box->setFocus(Qt::TabFocusReason);
            QCOMPARE(announcedName(box), QString::fromLatin1(name));
        }
    }

    // --- clickable labels ---
    void clickableLabelsAreLinks_data() { addWindowRows(); }
    void clickableLabelsAreLinks()
    {
        QFETCH(QString, window);
        QWidget* shown = open(window);
        const QList<ClickableLabel*> links = shown->findChildren<ClickableLabel*>();
        if (window == QLatin1String("exit"))
            QCOMPARE(links.size(), 1);
        else
            QVERIFY(links.size() >= 2);
        TestSupport::takeOpenedUrls();
        for (ClickableLabel* link : links) {
            QAccessibleInterface* iface = accessible(link);
            QCOMPARE(iface->role(), QAccessible::Link);
            QVERIFY(iface->state().linked);
            QCOMPARE(iface->text(QAccessible::Name), link->text());
            QAccessibleActionInterface* actions = iface->actionInterface();
            QVERIFY(actions);
            // The default action, the one a screen reader runs, presses the link.
            QCOMPARE(actions->actionNames().value(0), QAccessibleActionInterface::pressAction());

            QTest::mouseClick(link, Qt::LeftButton);
            const QList<QUrl> byMouse = TestSupport::takeOpenedUrls();
            QCOMPARE(byMouse.size(), 1);
            actions->doAction(QAccessibleActionInterface::pressAction());
            QCOMPARE(TestSupport::takeOpenedUrls(), byMouse);
        }
    }

    // --- the result window's reading ---
    void readingCanBeCopiedButIsNotTabbedTo()
    {
        frmDisplay* display = showReading();
        QApplication::setActiveWindow(display);
        for (QLabel* reading : {display->lblPsycheSign, display->lblSignDesc}) {
            QVERIFY(reading->textInteractionFlags() & Qt::TextSelectableByMouse);
            QVERIFY(!(reading->focusPolicy() & Qt::TabFocus));
        }

        QCOMPARE(QApplication::focusWidget(), display->cmdExit);
        QList<QWidget*> visited;
        for (int step = 0; step < 4; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited.append(QApplication::focusWidget());
        }
        QCOMPARE(visited, QList<QWidget*>({display->cmdBack, display->cmdExit, display->cmdBack,
                                           display->cmdExit}));

        // A double click picks the word; Ctrl+C copies it.
        QLabel* sign = display->lblPsycheSign;
        const QPoint onWord = sign->rect().center();
        QTest::mouseDClick(sign, Qt::LeftButton, {}, onWord);
        QCOMPARE(sign->selectedText(), QStringLiteral("Leo"));
        QApplication::clipboard()->clear();
        QTest::keyClick(sign, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Leo"));

        // Selecting moved the focus to the label; Enter still acts as Exit.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(display->isUnloaded());
        QVERIFY(Forms::existing<frmPromotion>()->isVisible());
    }

    // --- keyboard ---
    void accessKeysReachTheirCommands_data() { addWindowRows(); }
    void accessKeysReachTheirCommands()
    {
        QFETCH(QString, window);
        QWidget* shown = open(window);
        // Every button the user can see is a Tab stop.
        QStringList captions;
        int buttons = 0;
        for (QWidget* control : controls(shown)) {
            if (auto* button = qobject_cast<QAbstractButton*>(control)) {
                ++buttons;
                QVERIFY2(button->focusPolicy() & Qt::TabFocus, qPrintable(describe(button)));
                if (qobject_cast<QPushButton*>(button))
                    captions.append(button->objectName());
            }
        }
        QVERIFY(buttons >= 1);

        // Each push button answers to Alt and its access key. Pressing one may
        // close the window, so each gets a fresh one.
        for (const QString& name : captions) {
            init();
            shown = open(window);
            auto* button = shown->findChild<QPushButton*>(name);
            const QKeySequence key = QKeySequence::mnemonic(button->text());
            QVERIFY2(!key.isEmpty(), qPrintable(name + QStringLiteral(" has no access key")));
            QSignalSpy clicked(button, &QAbstractButton::clicked);
            QTest::keySequence(shown, key);
            QTRY_COMPARE_WITH_TIMEOUT(clicked.size(), 1, 1000);
            MessageBox::takeShown();
        }

        // Each menu on the bar opens with Alt and its access key.
        init();
        shown = open(window);
        if (auto* bar = shown->findChild<QMenuBar*>()) {
            for (QAction* action : bar->actions()) {
                if (!action->isVisible() || !action->menu())
                    continue;
                const QKeySequence key = QKeySequence::mnemonic(action->text());
                QVERIFY2(!key.isEmpty(), qPrintable(action->text()));
                QTest::keySequence(shown, key);
                QTRY_COMPARE(QApplication::activePopupWidget(), action->menu());
                action->menu()->close();
                QTRY_VERIFY(!QApplication::activePopupWidget());
            }
        }
    }

    void keyboardFocusIsVisible_data() { addWindowRows(); }
    void keyboardFocusIsVisible()
    {
        QFETCH(QString, window);
        QWidget* shown = open(window);
        // As after moving about with Tab: styles draw some focus marks only then.
        shown->setAttribute(Qt::WA_KeyboardFocusChange);
        const QList<QWidget*> stops = tabStops(shown);
        QVERIFY(!stops.isEmpty());
        if (stops.size() == 1) {
            // The focus can be nowhere else; there is nothing to tell apart.
            QCOMPARE(shown->focusWidget(), stops.first());
            return;
        }
        // Texts that the focus would change (placeholders empty on focus) are
        // replaced first: only the focus mark may differ between the pictures.
        for (QWidget* stop : stops)
            if (auto* box = qobject_cast<QLineEdit*>(stop))
                box->setText(QStringLiteral("someone@example.org"));
        for (QWidget* stop : stops) {
            QWidget* elsewhere = stops.at((stops.indexOf(stop) + 1) % stops.size());
            elsewhere->setFocus(Qt::OtherFocusReason);
            const QImage without = render(shown);
            stop->setFocus(Qt::OtherFocusReason);
            QCOMPARE(QApplication::focusWidget(), stop);
            const QImage with = render(shown);
            // At least half the box's outline, in a colour that stands out.
            const QRect box = focusBox(stop);
            const int perimeter = box.width() + box.height();
            const int changed = stronglyChangedPixels(without, with, stop);
            QVERIFY2(changed >= perimeter,
                     qPrintable(QStringLiteral("%1: %2 pixels mark the focus, %3 wanted")
                                    .arg(describe(stop))
                                    .arg(changed)
                                    .arg(perimeter)));
        }
    }

private:
    static void verifyMenuNames(QMenuBar* bar)
    {
        QAccessibleInterface* iface = accessible(bar);
        const QList<QAction*> actions = bar->actions();
        QCOMPARE(iface->childCount(), actions.size());
        for (int i = 0; i < actions.size(); ++i) {
            if (!actions[i]->isVisible())
                continue;
            QCOMPARE(iface->child(i)->text(QAccessible::Name), shownCaption(actions[i]->text()));
            QMenu* menu = actions[i]->menu();
            if (!menu)
                continue;
            QAccessibleInterface* items = accessible(menu);
            QCOMPARE(items->childCount(), menu->actions().size());
            for (int j = 0; j < items->childCount(); ++j) {
                if (menu->actions()[j]->isSeparator())
                    continue;
                QCOMPARE(items->child(j)->text(QAccessible::Name),
                         shownCaption(menu->actions()[j]->text()));
            }
        }
    }
};

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"

#include "TestSupport.h"
#include "WindowTour.h"

#include "app/Look.h"
#include "app/Twips.h"
#include "psyche/PsycheIngressTable.h"
#include "result/SignDescriptions.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyleOption>
#include <QToolButton>

#include <cmath>

// Run three times by CTest, with QT_SCALE_FACTOR unset, 1.5 and 2: the windows
// keep their logical size and nothing may be cut off at any scale.

using namespace WindowTour;

namespace {

qreal askedScale()
{
    bool ok = false;
    const qreal factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok ? factor : 1.0;
}

QRgb sample(const QImage& picture, QWidget* window, QWidget* widget, int xTwips, int yTwips)
{
    const QPoint logical = widget->mapTo(window, QPoint(twips(xTwips), twips(yTwips)));
    const qreal ratio = picture.devicePixelRatio();
    const QPoint device(int((logical.x() + 0.5) * ratio), int((logical.y() + 0.5) * ratio));
    return picture.pixel(device);
}

bool near(QRgb actual, const QColor& wanted, int tolerance)
{
    return std::abs(qRed(actual) - wanted.red()) <= tolerance &&
           std::abs(qGreen(actual) - wanted.green()) <= tolerance &&
           std::abs(qBlue(actual) - wanted.blue()) <= tolerance;
}

QString rgb(QRgb colour)
{
    return QStringLiteral("%1,%2,%3").arg(qRed(colour)).arg(qGreen(colour)).arg(qBlue(colour));
}

QString name(const QWidget* control)
{
    return control->objectName().isEmpty() ? QLatin1String(control->metaObject()->className())
                                           : control->objectName();
}

// Controls placed beyond their container's edge are never seen.
bool onScreen(const QWidget* control)
{
    return control->parentWidget()->rect().intersects(control->geometry());
}

// Why the control's text does not fit it with the font it is drawn in; empty
// when it fits.
QString clipping(QWidget* control)
{
    const QFontMetrics metrics(control->font());
    QStyle* style = control->style();
    const auto tooWide = [&](const QString& text, int room) {
        const int needed = metrics.horizontalAdvance(text);
        return needed > room
                   ? QStringLiteral("\"%1\" needs %2 px, has %3").arg(text).arg(needed).arg(room)
                   : QString();
    };
    const auto tooHigh = [&](int room) {
        return metrics.height() > room ? QStringLiteral("a line needs %1 px high, has %2")
                                             .arg(metrics.height())
                                             .arg(room)
                                       : QString();
    };

    if (auto* label = qobject_cast<QLabel*>(control)) {
        if (label->text().isEmpty())
            return {};
        if (label->wordWrap()) {
            const int needed = label->heightForWidth(label->width());
            return needed > label->height()
                       ? QStringLiteral("wrapped text needs %1 px high, has %2")
                             .arg(needed)
                             .arg(label->height())
                       : QString();
        }
        const QRect room = label->contentsRect();
        for (const QString& line : label->text().split(QLatin1Char('\n')))
            if (QString problem = tooWide(line, room.width()); !problem.isEmpty())
                return problem;
        return tooHigh(room.height());
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool check = qobject_cast<QCheckBox*>(button);
        const QRect room = style->subElementRect(
            check ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &option, button);
        if (QString problem = tooWide(shownCaption(button->text()), room.width());
            !problem.isEmpty())
            return problem;
        return tooHigh(room.height());
    }
    if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        const QRect label =
            style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
        return tooWide(frame->title(), frame->width() - label.left());
    }
    if (auto* list = qobject_cast<QComboBox*>(control)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.editable = false;
        option.frame = list->hasFrame();
        const QRect room =
            style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
        for (int i = 0; i < list->count(); ++i)
            if (QString problem = tooWide(list->itemText(i), room.width()); !problem.isEmpty())
                return problem;
        return tooHigh(room.height());
    }
    if (auto* box = qobject_cast<QLineEdit*>(control)) {
        QStyleOptionFrame option;
        option.initFrom(box);
        option.lineWidth = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
        const QMargins margins = box->textMargins();
        // QLineEdit keeps 2 px clear on either side of its text.
        const QRect room = style->subElementRect(QStyle::SE_LineEditContents, &option, box)
                               .marginsRemoved(margins)
                               .adjusted(2, 0, -2, 0);
        if (QString problem = tooWide(box->text(), room.width()); !problem.isEmpty())
            return problem;
        return tooHigh(room.height());
    }
    if (auto* bar = qobject_cast<QMenuBar*>(control)) {
        const QFontMetrics barMetrics(bar->font());
        for (QAction* action : bar->actions()) {
            if (!action->isVisible())
                continue;
            const QRect place = bar->actionGeometry(action);
            const QString caption = shownCaption(action->text());
            if (place.isEmpty() || !bar->rect().contains(place))
                return QStringLiteral("\"%1\" is off the menu bar").arg(caption);
            if (barMetrics.horizontalAdvance(caption) > place.width())
                return QStringLiteral("\"%1\" is cut").arg(caption);
        }
        // The bar folds captions it cannot show behind a "»" button.
        for (QToolButton* more : bar->findChildren<QToolButton*>())
            if (more->isVisibleTo(bar))
                return QStringLiteral("captions folded away");
        return {};
    }
    return {};
}

void verifyEverythingFits(QWidget* window)
{
    for (QWidget* control : controls(window)) {
        if (!onScreen(control))
            continue;
        const QString problem = clipping(control);
        QVERIFY2(problem.isEmpty(), qPrintable(name(control) + QStringLiteral(": ") + problem));
    }
}

} // namespace

class tst_Visual : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::isolate();
        // Guards the scaled runs: a factor that did not take effect would
        // make them repeat the unscaled one.
        QCOMPARE(qApp->devicePixelRatio(), askedScale());
    }
    void init()
    {
        closeAboutBoxes();
        TestSupport::reset();
    }
    void cleanupTestCase() { closeAboutBoxes(); }

    void windowsKeepTheirSize_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QSize>("client");
        QTest::newRow("entry") << QStringLiteral("entry") << twipsSize(7260, 5055);
        QTest::newRow("result") << QStringLiteral("result") << twipsSize(7215, 4935);
        QTest::newRow("about") << QStringLiteral("about") << twipsSize(6345, 3960);
        QTest::newRow("exit") << QStringLiteral("exit") << twipsSize(11115, 4725);
    }
    void windowsKeepTheirSize()
    {
        QFETCH(QString, window);
        QFETCH(QSize, client);
        QWidget* shown = open(window);
        auto* form = qobject_cast<Form*>(shown);
        QCOMPARE(form ? form->client()->size() : shown->size(), client);
        QCOMPARE(shown->width(), client.width());
        // Drawn at the screen's scale, in proportion.
        const QPixmap picture = shown->grab();
        QCOMPARE(picture.devicePixelRatio(), askedScale());
        QCOMPARE(picture.width(), qRound(shown->width() * askedScale()));
        QCOMPARE(picture.height(), qRound(shown->height() * askedScale()));
    }

    void coloursAtKnownPoints_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("widget"); // empty: the window's client area
        QTest::addColumn<QPoint>("at");      // twips, inside that widget
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<int>("tolerance");
        const auto row = [](const char* label, const char* window, const char* widget, QPoint at,
                            QColor colour, int tolerance = 0) {
            QTest::newRow(label) << QString::fromLatin1(window) << QString::fromLatin1(widget) << at
                                 << colour << tolerance;
        };
        row("entry Frame2", "entry", "Frame2", {3000, 60}, Look::PaleLavender);
        row("entry banner", "entry", "Label61", {60, 60}, Qt::white);
        row("entry Frame1", "entry", "Frame1", {3500, 200}, Look::DarkPlum);
        row("entry Picture1", "entry", "Picture1", {100, 100}, Look::PaleLavender);
        row("entry txtName", "entry", "txtName", {3000, 187}, Look::DarkPlum);
        row("entry Frame5", "entry", "Frame5", {6500, 100}, Look::PaleLavender);
        // The style shades buttons from a little lighter than their colour.
        row("entry cmdNext", "entry", "cmdNext", {150, 247}, Look::ButtonGrey, 16);
        row("result Frame2", "result", "Frame2", {3000, 60}, Look::PaleLavender);
        row("result banner", "result", "Label61", {60, 60}, Qt::white);
        row("result frame", "result", "fraSexualitySign", {100, 100}, Look::DarkPlum);
        row("result window", "result", "", {3000, 3545}, Look::DarkPlum);
        row("result Frame5", "result", "Frame5", {3000, 60}, Look::PaleLavender);
        row("result cmdBack", "result", "cmdBack", {150, 232}, Look::ButtonGrey, 16);
        row("about window", "about", "", {300, 2100}, Look::DarkPlum);
        row("about cmdOK", "about", "cmdOK", {150, 172}, Look::ButtonGrey, 16);
        row("exit window", "exit", "", {200, 2700}, Qt::white);
        // Inside its border the style darkens a captioned frame by 2 %.
        row("exit Frame6", "exit", "Frame6", {60, 2000}, Look::Navy, 3);
        row("exit Frame2", "exit", "Frame2", {700, 1200}, Look::Navy, 3);
    }
    void coloursAtKnownPoints()
    {
        QFETCH(QString, window);
        QFETCH(QString, widget);
        QFETCH(QPoint, at);
        QFETCH(QColor, colour);
        QFETCH(int, tolerance);
        QWidget* shown = open(window);
        auto* form = qobject_cast<Form*>(shown);
        QWidget* target =
            widget.isEmpty() ? (form ? form->client() : shown) : shown->findChild<QWidget*>(widget);
        QVERIFY(target);
        const QImage picture = shown->grab().toImage();
        const QRgb seen = sample(picture, shown, target, at.x(), at.y());
        QVERIFY2(near(seen, colour, tolerance),
                 qPrintable(QStringLiteral("%1 instead of %2").arg(rgb(seen), rgb(colour.rgb()))));
    }

    void entryBackgroundIsCharcoal()
    {
        // The three frames tile the client area; its own colour shows only
        // where they are not drawn.
        QWidget* area = static_cast<Form*>(open(QStringLiteral("entry")))->client();
        QImage picture(area->size() * askedScale(), QImage::Format_RGB32);
        picture.setDevicePixelRatio(askedScale());
        picture.fill(Qt::black);
        area->render(&picture, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        for (const QPoint at : {QPoint(0, 0), QPoint(picture.width() - 1, picture.height() - 1),
                                QPoint(picture.width() / 2, picture.height() / 2)})
            QCOMPARE(QColor(picture.pixel(at)), Look::Charcoal);
    }

    void textsFitTheirControls_data() { addWindowRows(); }
    void textsFitTheirControls()
    {
        QFETCH(QString, window);
        QWidget* shown = open(window);
        verifyEverythingFits(shown);
        if (window == QLatin1String("result")) {
            // Every sign and its paragraph, not only the one read.
            auto* display = static_cast<frmDisplay*>(shown);
            for (int i = 0; i < SignCount; ++i) {
                const QString sign = SignName(static_cast<Sign>(i));
                display->showReading(sign, DescribeSign(sign));
                for (QLabel* label : {display->lblPsycheSign, display->lblSignDesc})
                    QVERIFY2(clipping(label).isEmpty(),
                             qPrintable(sign + QLatin1Char(' ') + name(label) + clipping(label)));
            }
        }
        if (window == QLatin1String("exit")) {
            // The support message is drawn once per screen: open screens
            // until each of the four has been seen.
            QSet<QString> seen;
            for (int attempt = 0; attempt < 200 && seen.size() < 4; ++attempt) {
                init();
                auto* screen = static_cast<frmPromotion*>(open(window));
                seen.insert(screen->Label2->text());
                QVERIFY2(clipping(screen->Label2).isEmpty(),
                         qPrintable(screen->Label2->text() + clipping(screen->Label2)));
            }
            QCOMPARE(seen.size(), 4);
        }
    }

    void fontsAreVerdanaOrAStandIn_data() { addWindowRows(); }
    void fontsAreVerdanaOrAStandIn()
    {
        QFETCH(QString, window);
        QWidget* shown = open(window);
        int checked = 0;
        for (QWidget* control : controls(shown)) {
            // Menus are drawn in the desktop's own menu font; pictures have no text.
            auto* label = qobject_cast<QLabel*>(control);
            if (qobject_cast<QMenuBar*>(control) || (label && !label->pixmap().isNull()))
                continue;
            // Verdana, or where it is missing the first stand-in the program
            // names that is installed (asked for directly), rather than
            // whatever the system picks.
            const bool caption = control->objectName() == QLatin1String("lblPromotionCaption");
            const QString family =
                caption ? QStringLiteral("MS Sans Serif") : QStringLiteral("Verdana");
            QString wanted = family;
            if (!QFontDatabase::hasFamily(family)) {
                const QStringList standIns = QFont::substitutes(family);
                const auto installed =
                    std::find_if(standIns.begin(), standIns.end(), [](const QString& standIn) {
                        return QFontDatabase::hasFamily(standIn);
                    });
                QVERIFY2(installed != standIns.end(), qPrintable(family));
                wanted = *installed;
            }
            const QString asked = control->font().family();
            QVERIFY2(asked.compare(wanted, Qt::CaseInsensitive) == 0,
                     qPrintable(name(control) + QStringLiteral(" asks for ") + asked));
            const QFontInfo used(control->font());
            QVERIFY2(used.family().compare(wanted, Qt::CaseInsensitive) == 0,
                     qPrintable(name(control) + QStringLiteral(" is drawn in ") + used.family()));
            QVERIFY(!used.fixedPitch());
            ++checked;
        }
        QVERIFY(checked >= 5);
    }

    void iconsFillTheirPictures_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("picture");
        QTest::newRow("about") << QStringLiteral("about") << QStringLiteral("picIcon");
        QTest::newRow("exit") << QStringLiteral("exit") << QStringLiteral("picPromotionIcon");
    }
    void iconsFillTheirPictures()
    {
        QFETCH(QString, window);
        QFETCH(QString, picture);
        auto* label = open(window)->findChild<QLabel*>(picture);
        QVERIFY(label);
        const QPixmap icon = label->pixmap();
        QVERIFY(!icon.isNull());
        // Drawn from as many device pixels as the picture has (or the icon, if
        // smaller), and filling the picture rather than a fraction of it.
        const int available = Look::programIcon().availableSizes().value(0).width();
        QVERIFY(available > 0);
        QVERIFY2(icon.width() >= std::min(available, qRound(label->width() * askedScale())),
                 qPrintable(QStringLiteral("%1 device pixels").arg(icon.width())));
        const QSizeF size = icon.deviceIndependentSize();
        QVERIFY2(size.width() >= 0.8 * label->width() && size.width() <= label->width(),
                 qPrintable(QStringLiteral("%1 px icon in a %2 px picture")
                                .arg(size.width())
                                .arg(label->width())));
    }
};

QTEST_MAIN(tst_Visual)
#include "tst_visual.moc"

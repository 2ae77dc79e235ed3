// SPDX-License-Identifier: MIT
// The windows walked as a user walks them, for what only a window can get
// wrong: start-up, the road to a reading and back, the key rules, leaving,
// the links, the About box, the exit screen, and every text translated and
// whole. Offscreen; nothing blocks, opens a browser or ends the test.
#include "WindowCase.h"
#include "core/Referral.h"
#include "core/Reminder.h"
#include "widgets/Languages.h"
#include "widgets/Layout.h"
#include "widgets/Look.h"

#include <QCheckBox>
#include <QFile>
#include <QFontDatabase>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QSet>
#include <QStyleOptionComboBox>
#include <QTimer>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {

using namespace WindowCase;

const QString ReminderKey = u"Settings/LastReminderDate"_s;

QString page(const QString& key)
{
    return u"https://www.lanternsoftwares.com/starquill-free/ssd.php?page="_s + key;
}

QStringList messages()
{
    QStringList texts;
    for (const MessageBox::Shown& shown : MessageBox::takeShown())
        texts.append(shown.text);
    return texts;
}

// Adds every text a window shows to `texts` (caption, labels, buttons, frames, menus, months,
// the exit screen's boxes), and to `cut` each that does not fit its control in the font it is
// drawn in, or is drawn smaller than 7 pt.
void look(QWidget* window, QStringList& texts, QStringList& cut)
{
    const auto fits = [&cut](QWidget* control, const QString& text, int room) {
        const QFont font = control->font();
        if (font.pointSizeF() < 7.0 || QFontMetrics(font).horizontalAdvance(text) > room)
            cut << u"%1 (%2 pt, %3 px): %4"_s.arg(control->objectName())
                       .arg(font.pointSizeF())
                       .arg(room)
                       .arg(text);
    };
    texts << window->windowTitle();
    for (QGroupBox* frame : window->findChildren<QGroupBox*>())
        texts << frame->title();
    for (QAction* action : window->findChildren<QAction*>())
        texts << action->text();
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->text().isEmpty())
            continue;
        texts << label->text();
        if (label->wordWrap() && label->heightForWidth(label->width()) > label->height())
            cut << label->objectName() + u" (too tall): "_s + label->text();
        for (const QString& line : label->wordWrap() ? QStringList() : label->text().split(u'\n'))
            fits(label, line, label->contentsRect().width());
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->objectName().startsWith(u"qt_"_s)) // Qt's own, such as the menu bar's »
            continue;
        texts << button->text();
        QStyle* style = button->style();
        const int room = qobject_cast<QPushButton*>(button)
                             ? button->width() - 6
                             : button->width() - style->pixelMetric(QStyle::PM_IndicatorWidth) -
                                   style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
        fits(button, QString(button->text()).remove(u'&'), room);
    }
    for (QComboBox* list : window->findChildren<QComboBox*>()) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                          QStyle::SC_ComboBoxEditField, list);
        for (int i = 0; i < list->count(); ++i) {
            fits(list, list->itemText(i), field.width());
            if (list->objectName() == "cboMonth"_L1)
                texts << list->itemText(i);
        }
    }
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        QStyleOptionFrame option;
        option.initFrom(box);
        fits(box, box->text(),
             box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box).width() - 4);
        if (window->objectName() == "frmPromotion"_L1)
            texts << box->text();
    }
}

// The rows of controls.tsv: every window's controls as the user sees them, typed apart from the
// windows' code. Columns: window, name, left, top, width, height, font, ink, paper, shown, caption.
const QList<QStringList>& listing()
{
    static const QList<QStringList> rows = [] {
        QList<QStringList> read;
        QFile file(QStringLiteral(CONTROLS_TSV));
        if (!file.open(QIODevice::ReadOnly))
            qFatal("cannot read %s", CONTROLS_TSV);
        for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n'))
            if (!line.isEmpty() && !line.startsWith(u'#'))
                read << line.split(u'\t');
        return read;
    }();
    return rows;
}

// Where a window as built departs from the listing, one line each; each control drawn smaller
// than listed, its text shrunk to fit, goes to `shrunk`. With `fontsOnly`, only sizes are read.
QStringList differences(QWidget* window, int& compared, QStringList* shrunk, bool fontsOnly = false)
{
    QStringList found;
    for (const QStringList& row : listing()) {
        if (row[0] != window->objectName())
            continue;
        ++compared;
        const bool whole = row[0] == row[1];
        QWidget* w = whole ? window->findChild<QWidget*>(row[0] + u"_client"_s)
                           : window->findChild<QWidget*>(row[1]);
        w = whole && !w ? window : w;
        const QString at = row[0] + u'/' + row[1] + u' ';
        if (!w || row.size() != 11) {
            found << at + u"missing"_s;
            continue;
        }
        if (row[6] != u"-"_s) {
            QStringList fontText = row[6].split(u' ');
            const bool bold = fontText.takeLast() == u"bold"_s;
            const qreal points = fontText.takeLast().toDouble();
            const QString family = fontText.join(u' ');
            const QFont font = w->font();
            // Where the family is missing, one of its stand-ins.
            if (!fontsOnly &&
                (font.bold() != bold || (font.family() != family &&
                                         (QFontDatabase::hasFamily(family) ||
                                          !QFont::substitutes(family).contains(font.family())))))
                found << at + u"font "_s + font.toString();
            if (font.pointSizeF() < points)
                *shrunk << row[0] + u'/' + row[1];
            else if (font.pointSizeF() != points)
                found << at + u"%1 pt"_s.arg(font.pointSizeF());
        }
        if (fontsOnly)
            continue;
        // Compared as twips: within half a pixel of the listed place.
        const QRect g = w->geometry();
        const int px[4]{whole ? 0 : g.x(), whole ? 0 : g.y(), g.width(), g.height()};
        for (int i = 0; i < 4; ++i)
            if (row[2 + i] != u"*"_s && std::abs(px[i] * 15 - row[2 + i].toInt()) > 7)
                found << at + u"place %1,%2 %3x%4 px"_s.arg(g.x()).arg(g.y()).arg(g.width()).arg(
                                  g.height());
        const bool box = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                         qobject_cast<QPlainTextEdit*>(w);
        const bool button = qobject_cast<QPushButton*>(w);
        const auto colour = [](const QString& rgb) {
            const QStringList c = rgb.split(u',');
            return QColor(c.value(0).toInt(), c.value(1).toInt(), c.value(2).toInt());
        };
        const QPalette palette = w->palette();
        if (row[7] != u"-"_s && palette.color(box      ? QPalette::Text
                                              : button ? QPalette::ButtonText
                                                       : QPalette::WindowText) != colour(row[7]))
            found << at + u"ink"_s;
        // A plain control shows its paper only if it paints its background.
        if (row[8] != u"-"_s && (palette.color(box      ? QPalette::Base
                                               : button ? QPalette::Button
                                                        : QPalette::Window) != colour(row[8]) ||
                                 !(box || button || whole || w->autoFillBackground())))
            found << at + u"paper"_s;
        if (row[9] != u"*"_s && w->isVisibleTo(window) != (row[9] == u"yes"_s))
            found << at + u"shown"_s;
        QString caption;
        if (whole)
            caption = window->windowTitle();
        else if (auto* label = qobject_cast<QLabel*>(w))
            caption = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            caption = button->text();
        else if (auto* frame = qobject_cast<QGroupBox*>(w))
            caption = frame->title();
        else if (auto* line = qobject_cast<QLineEdit*>(w))
            caption = line->text();
        else if (auto* list = qobject_cast<QComboBox*>(w))
            caption = list->currentText();
        else if (auto* area = qobject_cast<QPlainTextEdit*>(w))
            caption = area->toPlainText();
        if (row[10] != u"*"_s && caption != QString(row[10]).replace(u"\\n"_s, u"\n"_s))
            found << at + u"caption "_s + caption;
    }
    return found;
}
} // namespace

class WindowWalks : public QObject
{
    Q_OBJECT

    QStringList m_opened; // the addresses handed to the browser
    Settings m_settings;

    QStringList opened() { return std::exchange(m_opened, {}); }

public:
    static void initMain() { useOwnHome(); }

public slots:
    void open(const QUrl& url) { m_opened.append(url.toString(QUrl::FullyEncoded)); }

private slots:
    void initTestCase() { catchAddresses(this); }
    void cleanupTestCase() { catchAddresses(nullptr); }

    void init() { m_settings.begin(); }
    void cleanup() { m_settings.end(); }

    // The reminder asked, answered and its date stored through the settings.
    void startUp_data()
    {
        QTest::addColumn<int>("daysAgo"); // the date stored; 0: none
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("storesNow");
        QTest::newRow("first start") << 0 << true << false << true;
        QTest::newRow("14 days ago") << 14 << true << false << false;
        QTest::newRow("15 days ago, yes") << 15 << true << true << true;
        QTest::newRow("15 days ahead, no") << -15 << false << true << true;
    }

    void startUp()
    {
        QFETCH(int, daysAgo);
        QFETCH(bool, yes);
        QFETCH(bool, asked);
        QFETCH(bool, storesNow);
        const QString stored = daysAgo ? Now.addDays(-daysAgo).toString(Qt::ISODate) : QString();
        if (daysAgo)
            QSettings().setValue(ReminderKey, stored);
        MessageBox::setNextAnswer(yes ? MessageBox::Answer::Yes : MessageBox::Answer::No);
        Run run;
        QCOMPARE(messages(), asked ? QStringList{Reminder::question()} : QStringList{});
        QCOMPARE(opened(),
                 asked && yes ? QStringList{page(u"download-web-page"_s)} : QStringList{});
        QCOMPARE(QSettings().value(ReminderKey).toString(),
                 storesNow ? Now.toString(Qt::ISODate) : stored);
        QVERIFY(shown("frmMain") && !window("frmDisplay") && !window("frmPromotion"));
    }

    // Keys, refusals, a reading by button and by menu, Back with the entries kept.
    void entryAndResult()
    {
        Run run;
        auto* name = find<QLineEdit>("frmMain", "txtName");
        // Letters of any script pass, capitalised; text from an input method
        // (a vowel sign composed onto its consonant) is filtered the same way.
        QTest::sendKeyEvent(QTest::Click, name, Qt::Key_Eacute, u"é"_s, Qt::NoModifier);
        QInputMethodEvent composed;
        composed.setCommitString(u"नि1"_s);
        QApplication::sendEvent(name, &composed);
        QCOMPARE(name->text(), u"Éनि"_s);
        // A word composed, then committed, is written once; a word an input
        // method corrects (replaces) is replaced, not written again after it.
        QInputMethodEvent preedit(u"नम"_s, {});
        QApplication::sendEvent(name, &preedit);
        QInputMethodEvent word;
        word.setCommitString(u"नमस्ते"_s);
        QApplication::sendEvent(name, &word);
        QCOMPARE(name->text(), u"Éनिनमस्ते"_s);
        QInputMethodEvent corrected;
        corrected.setCommitString(u"rosé"_s, -6, 6);
        QApplication::sendEvent(name, &corrected);
        QCOMPARE(name->text(), u"ÉनिROSÉ"_s);
        QCOMPARE(messages(), QStringList{u"Please Enter only Letters"_s});

        // A request refused for want of a name puts the keyboard back in the name box.
        QVERIFY(activate(window("frmMain")));
        find("frmMain", "cboYear")->setFocus();
        const QString rose = u"ROSE"_s;
        ask(QString(), 31, 4, 1950);
        QCOMPARE(QApplication::focusWidget(), name);
        ask(rose, 29, 2, 1941, "mnuFindSexualitySign");
        ask(rose, 31, 4, 1960);
        QCOMPARE(messages(),
                 (QStringList{u"Please Enter Your Name"_s, u"Please Enter Correct Date Or Month!"_s,
                              u"Please Enter Correct Date Or Month !"_s}));
        QVERIFY(shown("frmMain") && !window("frmDisplay") && !run.program.lastSign());

        const std::tuple<int, int, int, const char*, QString> readings[]{
            {23, 7, 1946, "cmdBack", u"Leo"_s},
            {22, 7, 1946, "mnuFileBack", u"Cancer"_s},
            {29, 2, 1940, "cmdBack", u"Pisces"_s}};
        for (const auto& [day, month, year, back, sign] : readings) {
            ask(rose, day, month, year, back[0] == 'm' ? "mnuFindSexualitySign" : "cmdNext");
            QVERIFY(shown("frmDisplay") && !shown("frmMain"));
            QVERIFY(window("frmPromotion") && !shown("frmPromotion"));
            QCOMPARE(find<QLabel>("frmDisplay", "lblPsycheSign")->text(), sign);
            QCOMPARE(find<QLabel>("frmDisplay", "lblSignDesc")->text(),
                     Zodiac::description(*run.program.lastSign()));
            trigger("frmDisplay", back);
            QVERIFY(shown("frmMain") && !window("frmDisplay") && !shown("frmPromotion"));
            QStringList entries{name->text()};
            for (const char* list : {"cboDate", "cboMonth", "cboYear"})
                entries << find<QComboBox>("frmMain", list)->currentText();
            QCOMPARE(entries, (QStringList{rose, QString::number(day),
                                           QLocale::c().monthName(month), QString::number(year)}));
        }
        QVERIFY(messages().isEmpty());
        QCOMPARE(run.exits, 0);
    }

    // Each way out of the entry and the result window leads to the exit screen.
    void leaving()
    {
        for (bool fromResult : {false, true})
            for (const char* how : {"cmdExit", "mnuExit", "Escape", "Return", "close box"}) {
                Run run;
                if (fromResult)
                    ask(u"ROSE"_s, 1, 1, 1940);
                const char* name = fromResult ? "frmDisplay" : "frmMain";
                QWidget* leaving = window(name);
                QVERIFY(activate(leaving));
                // Enter from the name box, or right after the result window shows.
                QWidget* focus = fromResult ? leaving->focusWidget() : find("frmMain", "txtName");
                if (how[0] == 'E' || how[0] == 'R')
                    QTest::keyClick(focus, how[0] == 'E' ? Qt::Key_Escape : Qt::Key_Return);
                else if (how[0] == 'c')
                    leaving->close();
                else
                    trigger(name, how);
                QVERIFY2(!window(name) && shown("frmPromotion"), how);
                QCOMPARE(fromResult, window("frmMain") && !shown("frmMain"));
                QCOMPARE(run.exits, 0);
            }
        QVERIFY(messages().isEmpty());
    }

    // Typed into a box through real key events (^X: Ctrl+X, ~X: Alt+X): the text it keeps, the
    // messages it raises, and whether Tab moved the keyboard on.
    void typing_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("refused");
        QTest::newRow("name") << u"frmMain/txtName"_s << u"ma3[`r y~a^v"_s << u"MAR Y"_s << 4;
        QTest::newRow("e-mail") << u"frmPromotion/txtEmail"_s << u"a b~ @c.d"_s << u"ab@c.d"_s << 2;
        QTest::newRow("friend's e-mail")
            << u"frmPromotion/txtFriendEmail"_s << u" x@y.z"_s << u"x@y.z"_s << 1;
        QTest::newRow("referrer's name")
            << u"frmPromotion/txtName"_s << u"Ann Bo"_s << u"Ann Bo"_s << 0;
        QTest::newRow("message, Tab")
            << u"frmPromotion/txtMessage"_s << u"\t"_s << u"Your Message\n"_s << 0;
    }

    void typing()
    {
        QFETCH(QString, box);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(int, refused);
        Run run;
        const QByteArray name = box.section(u'/', 0, 0).toLatin1();
        if (name == "frmPromotion")
            trigger("frmMain", "cmdExit");
        QVERIFY(activate(window(name)));
        QWidget* entry = find(name, box.section(u'/', 1).toLatin1());
        entry->setFocus();
        for (qsizetype i = 0; i < keys.size(); ++i) {
            const char key = keys[i].toLatin1();
            if (key == '~' || key == '^')
                QTest::keyClick(entry, keys[++i].toLatin1(),
                                key == '~' ? Qt::AltModifier : Qt::ControlModifier);
            else
                QTest::keyClick(entry, key);
        }
        auto* line = qobject_cast<QLineEdit*>(entry);
        QCOMPARE(line ? line->text() : static_cast<QPlainTextEdit*>(entry)->toPlainText(), text);
        QCOMPARE(messages().size(), refused);
        QCOMPARE(QApplication::focusWidget() == entry, !keys.contains(u'\t'));
    }

    // A button's text shrinks only where the text it shows, mnemonic marks left out, leaves less
    // than 6 px either side: here one pixel more than that, and one less.
    void fitting_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        for (const auto& [text, shown] : {std::pair{"E&xit", "Exit"},
                                          {"&Back", "Back"},
                                          {"Back", "Back"},
                                          {"Tom && &Jerry", "Tom & Jerry"}}) {
            QTest::addRow("%s, fits", text) << QString::fromUtf8(text) << QString::fromUtf8(shown);
            QTest::addRow("%s, short", text)
                << QString::fromUtf8(text) << QString::fromUtf8(shown) + u'|';
        }
    }

    void fitting()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        const bool short_ = shown.endsWith(u'|');
        QPushButton button(text);
        button.setFont(Look::font(Look::Font::BoldText));
        const QFont listed = button.font();
        button.resize(QFontMetrics(listed).horizontalAdvance(shown.remove(u'|')) + 12 - short_, 30);
        Layout::fitText(&button);
        QCOMPARE(button.font().pointSizeF() < listed.pointSizeF(), short_);
    }

    // The program's icon in a place of any shape: in the middle, square, as large as it fits.
    void picture_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("square") << QSize(36, 36);
        QTest::newRow("wide") << QSize(90, 34);
        QTest::newRow("tall") << QSize(34, 90);
    }

    void picture()
    {
        QFETCH(QSize, size);
        QLabel label;
        label.resize(size);
        Look::showProgramIcon(&label);
        QImage drawn(size, QImage::Format_ARGB32);
        drawn.fill(Qt::transparent);
        label.render(&drawn, {}, {}, QWidget::DrawChildren);
        QRect inked;
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                inked |= qAlpha(drawn.pixel(x, y)) ? QRect(x, y, 1, 1) : QRect();
        // Twice the distance from the middle; the icon's own transparent rim is 1/34 of it.
        const QPoint off = inked.topLeft() + inked.bottomRight() + QPoint(1, 1) -
                           QPoint(size.width(), size.height());
        QVERIFY2(std::max(std::abs(off.x()), std::abs(off.y())) <= 1,
                 qPrintable(u"%1,%2"_s.arg(inked.x()).arg(inked.y())));
        QCOMPARE(inked.width(), inked.height());
        QVERIFY(inked.width() >= std::min(size.width(), size.height()) * 32 / 34);
    }

    void linksAndPromotions()
    {
        Run run;
        const std::pair<const char*, QString> links[]{
            {"Label61", u"home-page"_s},         {"mnuVisit", u"home-page"_s},
            {"mnuOnline", u"help-web-page"_s},   {"mnuUpdate", u"download-web-page"_s},
            {"mnuDonate", u"donate"_s},          {"lblCobrand", u"co-brand"_s},
            {"lblFullBrand", u"fully-branded"_s}};
        ask(u"ROSE"_s, 1, 1, 1940);
        for (const char* name : {"frmDisplay", "frmMain"}) {
            for (const auto& [control, key] : links) {
                trigger(name, control);
                QCOMPARE(opened(), QStringList{page(key)});
            }
            QVERIFY(shown(name) && !find<QAction>(name, "mnuMakeMoneyOnline")->isVisible());
            trigger(name, name[3] == 'D' ? "cmdBack" : "cmdNext");
        }
        // The label seen and clicked in the shared place: on the entry window
        // the co-brand draw's, on the result window always the full-brand one.
        const auto inFront = [](const char* name) {
            QWidget* label = find(name, "lblCobrand");
            return label->parentWidget()->childAt(label->geometry().center())->objectName();
        };
        const int drawn = run.program.coBrandNumber();
        QVERIFY(drawn >= 1 && drawn <= 6);
        QCOMPARE(inFront("frmMain"), drawn % 2 ? "lblCobrand"_L1 : "lblFullBrand"_L1);
        QCOMPARE(inFront("frmDisplay"), "lblFullBrand"_L1);
        QVERIFY(messages().isEmpty());
    }

    // Every window as built, in English at scale 1, against the listing. Only where Verdana is
    // missing does a text shrink, in the wider DejaVu Sans that stands in for it.
    void controls()
    {
        Run run;
        int compared = 0;
        QStringList shrunk;
        QStringList found = differences(window("frmMain"), compared, &shrunk);
        ask(u"ROSE"_s, 1, 1, 1940);
        found << differences(window("frmDisplay"), compared, &shrunk);
        QTimer::singleShot(0, this, [&] {
            found << differences(QApplication::activeModalWidget(), compared, &shrunk);
            QApplication::activeModalWidget()->close();
        });
        trigger("frmDisplay", "mnuAbout");
        trigger("frmDisplay", "cmdExit");
        found << differences(window("frmPromotion"), compared, &shrunk);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
        QCOMPARE(compared, listing().size());
        QCOMPARE(shrunk.join(u' '),
                 QFontDatabase::hasFamily(u"Verdana"_s) ? QString() : u"frmDisplay/Label12"_s);
    }

    void aboutBox()
    {
        Run run;
        for (const char* opener : {"frmMain", "frmDisplay"})
            for (int closer : {int(Qt::Key_Escape), int(Qt::Key_Return), 0}) {
                // The box is modal: it is walked from inside its own event loop.
                bool walked = false;
                QTimer::singleShot(0, this, [&] {
                    QWidget* box = QApplication::activeModalWidget();
                    QVERIFY(box && box->objectName() == "frmAbout"_L1);
                    // A failed check leaves the lambda early: the box closes all the same.
                    const auto close = qScopeGuard([box] { box->close(); });
                    for (const char* link : {"lblHomePage", "Label5"})
                        QTest::mouseClick(box->findChild<QWidget*>(QLatin1String(link)),
                                          Qt::LeftButton);
                    QCOMPARE(opened(),
                             (QStringList{page(u"home-page"_s), page(u"fully-branded"_s)}));
                    QVERIFY(box->isVisible());
                    closer ? QTest::keyClick(box, Qt::Key(closer)) : void(box->close());
                    walked = !box->isVisible();
                });
                if (!shown(opener))
                    ask(u"ROSE"_s, 1, 1, 1940);
                trigger(opener, "mnuAbout");
                QVERIFY(walked && !window("frmAbout") && shown(opener));
            }
    }

    void exitScreen()
    {
        Run run;
        ask(u"ROSE"_s, 1, 1, 1940);
        trigger("frmDisplay", "cmdExit");
        QWidget* screen = window("frmPromotion");
        QVERIFY(activate(screen));
        QCOMPARE(screen->focusWidget(), find("frmPromotion", "cmdClose"));
        QVERIFY(screen->windowFlags() & Qt::WindowStaysOnTopHint);
        // The check box is a link that never stays ticked, by click or Space.
        auto* visit = find<QCheckBox>("frmPromotion", "Check1");
        QTest::mouseClick(visit, Qt::LeftButton);
        QTest::keyClick(visit, Qt::Key_Space);
        QVERIFY(!visit->isChecked());
        trigger("frmPromotion", "lblGoToHome");
        QCOMPARE(opened(), (QStringList{page(u"home-page"_s), page(u"home-page"_s),
                                        page(u"lanternsoftwares"_s)}));

        // Refer-a-friend: the placeholders go with the focus and come back to a box left
        // empty, a blank is not typed into an e-mail box, and the texts are sent trimmed.
        trigger("frmPromotion", "cmdSubmit");
        QCOMPARE(messages(), QStringList{u"Please Enter Proper Email Address"_s});
        auto* email = find<QLineEdit>("frmPromotion", "txtEmail");
        auto* friendEmail = find<QLineEdit>("frmPromotion", "txtFriendEmail");
        friendEmail->setFocus();
        QCOMPARE(friendEmail->text(), QString());
        email->setFocus();
        QCOMPARE(friendEmail->text(), u"Friend's Email Address"_s);
        QTest::keyClicks(email, u"me@x.org "_s);
        QCOMPARE(messages(), QStringList{u"Email Address Cannot Contain Space"_s});
        friendEmail->setFocus();
        QTest::keyClicks(friendEmail, u"you@y.org"_s);
        find<QLineEdit>("frmPromotion", "txtFriendName")->setText(u" Ann & Bo "_s);
        find<QLineEdit>("frmPromotion", "txtName")->setText(u"Zoë"_s);
        trigger("frmPromotion", "cmdSubmit");
        QVERIFY(messages().isEmpty());
        const Referral::Entries sent{
            {u"Zoë"_s, u"me@x.org"_s, u"Your Message\r\n"_s, u"Ann & Bo"_s, u"you@y.org"_s}};
        QCOMPARE(opened(), QStringList{Referral::address(sent)});

        // Closing the screen ends the program, closing every window.
        window("frmPromotion")->close();
        QCOMPARE(run.exits, 1);
        QVERIFY(!window("frmMain") && !window("frmPromotion"));
        run.program.end();
        QCOMPARE(run.exits, 1);
    }

    // Each language walked through a reading, the road back and out: every
    // window's texts, the messages and Qt's Yes hold a sample typed for the
    // test, the twelve signs are described apart and in the language, and no
    // text is cut off in the font it is drawn in. The language is the first
    // of the desktop's preference the program has (Portuguese is not
    // Brazilian), or English if that comes first. The last row loads every text lupdate finds,
    // marked with a leading "[", and requires every text shown to be marked: a text that bypasses
    // tr() fails it.
    void languages_data()
    {
        QTest::addColumn<QStringList>("preferred");
        // "Date Of Birth", find, March, no name, result, Leo, Back, refer, Yes
        QTest::addColumn<QString>("samples");
        // The controls whose texts shrink to fit, in DejaVu Sans at scale 1.
        QTest::addColumn<QString>("shrunk");
        // clang-format off
        QTest::newRow("en") << QStringList{u"en-GB"_s, u"de-DE"_s} << u"Date Of Birth|Find My Zodiac &Psyche Sign|March|Please Enter Your Name|Psyche in your Chart is Placed in|Leo|&Back|Refer A Friend &Now|&Yes"_s << u"frmDisplay/Label12"_s;
        QTest::newRow("es") << QStringList{u"es-MX"_s} << u"Nacimiento|Descubrir mi signo de &Psique|Marzo|Escribe tu nombre|Psique en tu carta natal está en|Leo|&Volver|&Invitar ahora|&Sí"_s << u"frmMain/lblCobrand frmDisplay/Label12"_s;
        QTest::newRow("pt_BR") << QStringList{u"PT_br"_s} << u"Nascimento|Descobrir meu signo de &Psiquê|Março|Digite seu nome|Psiquê no seu mapa astral está em|Leão|&Voltar|&Indicar agora|&Sim"_s << u"frmMain/lblCobrand frmDisplay/Label12 frmAbout/Label1"_s;
        QTest::newRow("de") << QStringList{u"it-IT"_s, u"pt-PT"_s, u"de-AT"_s} << u"Geburtsdatum|Mein &Psyche-Zeichen finden|März|Bitte gib deinen Namen ein.|Psyche steht bei dir im Zeichen|Löwe|&Zurück|&Jetzt empfehlen|&Ja"_s << QString();
        QTest::newRow("fr") << QStringList{u"fr-CA"_s} << u"Naissance|Trouver mon signe &Psyché|Mars|Veuillez saisir votre nom.|Dans votre thème, Psyché est en|Lion|&Retour|&Inviter maintenant|&Oui"_s << u"frmDisplay/Label12 frmAbout/Label1"_s;
        QTest::newRow("hi") << QStringList{u"nl-NL"_s, u"hi-IN"_s} << u"जन्म तिथि|मेरी साइकी राशि जानें (&P)|मार्च|कृपया अपना नाम दर्ज करें|आपकी कुंडली में साइकी की राशि|सिंह|वापस (&B)|अभी रेफ़र करें (&N)|हाँ (&Y)"_s << u"frmMain/lblCobrand frmDisplay/lblCobrand"_s;
        QTest::newRow("every text reaches a translator") << QStringList() << u"["_s << u"frmMain/Label5 frmMain/Label7 frmMain/Label6 frmDisplay/Label12"_s;
        // clang-format on
    }

    void languages()
    {
        QFETCH(QStringList, preferred);
        QFETCH(QString, samples);
        QFETCH(QString, shrunk);
        const auto descriptions = [] {
            QStringList all;
            for (int sign = 0; sign < Zodiac::SignCount; ++sign)
                all << Zodiac::description(Zodiac::Sign(sign));
            return all;
        };
        const QStringList english = descriptions();
        QTranslator marked;
        if (samples == u"["_s) {
            QVERIFY(marked.load(QStringLiteral(ALL_TEXTS_QM)));
            QCoreApplication::installTranslator(&marked);
        }
        const bool translated = !Languages::install(preferred).isEmpty() || !marked.isEmpty();
        const auto back = qScopeGuard([] { Languages::install({}); });
        QSettings().setValue(ReminderKey, u"2000-01-01T00:00:00"_s); // the reminder's question
        QStringList texts, cut, fitted;
        int compared = 0;
        const auto see = [&](QWidget* window) {
            look(window, texts, cut);
            cut << differences(window, compared, &fitted, true);
        };
        {
            Run run;
            Program second(run.folder.filePath(u"lock"_s));
            second.setExitHandler([] {});
            second.start(Now);
            see(window("frmMain"));
            QTest::keyClick(find("frmMain", "txtName"), Qt::Key_1);
            ask(QString(), 1, 1, 1940);
            ask(u"ROSE"_s, 23, 7, 1946);
            see(window("frmDisplay"));
            QTimer::singleShot(0, this, [&] {
                see(QApplication::activeModalWidget());
                QApplication::activeModalWidget()->close();
            });
            trigger("frmDisplay", "mnuAbout");
            trigger("frmDisplay", "cmdBack");
            QVERIFY(shown("frmMain") && !window("frmDisplay"));
            trigger("frmMain", "cmdExit");
            see(window("frmPromotion"));
            trigger("frmPromotion", "cmdSubmit");
            QMessageBox box(QMessageBox::Information, QString(), QString(),
                            QMessageBox::Yes | QMessageBox::No);
            texts << box.button(QMessageBox::Yes)->text() << messages();
            window("frmPromotion")->close();
            QCOMPARE(run.exits, 1);
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
        QCOMPARE(compared, listing().size());
        // The list is that of Debian's stand-ins; Windows (and Wine) draws with fonts of its own.
#ifndef Q_OS_WIN
        if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR") &&
            !QFontDatabase::hasFamily(u"Verdana"_s))
            QCOMPARE(fitted.join(u' '), shrunk);
#endif
        const QStringList described = descriptions();
        QSet<QString> distinct(described.begin(), described.end());
        distinct.remove(QString());
        QCOMPARE(distinct.size(), Zodiac::SignCount);
        for (int sign = 0; sign < Zodiac::SignCount; ++sign)
            QCOMPARE(described[sign] != english[sign], translated);
        if (marked.isEmpty()) {
            for (const QString& sample : samples.split(u'|'))
                QVERIFY2(texts.contains(sample), qPrintable(sample));
            return;
        }
        QCoreApplication::removeTranslator(&marked);
        texts.removeAll(QString());
        for (const QString& text : texts)
            QVERIFY2(text.startsWith(u'['), qPrintable(text));
        QVERIFY(texts.size() > 70);
    }
};

QTEST_MAIN(WindowWalks)
#include "tst_walks.moc"

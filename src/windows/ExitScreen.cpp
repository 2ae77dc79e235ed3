// SPDX-License-Identifier: MIT
#include "ExitScreen.h"

#include "core/AppInfo.h"
#include "core/Web.h"
#include "widgets/ClickableLabel.h"
#include "widgets/Layout.h"
#include "widgets/Look.h"
#include "widgets/MessageBox.h"
#include "widgets/WebLink.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QColor Yellow{255, 255, 0};

// The text boxes keep the platform's colours, whatever the frame around them paints.
void usePlatformColours(QWidget* widget)
{
    QPalette palette = QApplication::palette(widget);
    for (int group = 0; group < QPalette::NColorGroups; ++group)
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            // Setting each colour marks it as the box's own, so none is inherited.
            palette.setColor(g, r, palette.color(g, r));
        }
    // Except the focus outline: the platform's blue hardly differs from the
    // grey outline of a box without the focus.
    Look::setFocusColours(palette, palette.color(QPalette::Base));
    widget->setPalette(palette);
}

// The referral boxes hold their texts as the site receives them: a line break
// in the message box is a carriage return and a line feed.
QString boxText(const QWidget* box)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(box))
        return line->text();
    QString text = static_cast<const QPlainTextEdit*>(box)->toPlainText();
    text.replace(QChar(u'\n'), QStringLiteral("\r\n"));
    return text;
}

void setBoxText(QWidget* box, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setText(text);
    else
        static_cast<QPlainTextEdit*>(box)->setPlainText(text);
}

} // namespace

ExitScreen::ExitScreen(int supportMessageNumber) : Form(QStringLiteral("frmPromotion"), 11115, 4725)
{
    using Layout::Kind;
    using Look::Font;
    // Topmost from the start, so that showing it later never re-creates the window.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    QWidget* area = client();
    Layout::fill(area, Qt::white);
    const QColor none;
    // clang-format off
    Layout::build(area, "ExitScreen", {
        // kind          name                   parent    left, top, width, height  font            ink             paper
        {Kind::Picture,  "picPromotionIcon",    nullptr,  {360, 120, 540, 540},     Font::Text,     none,           none},
        // Sized to the caption it shows.
        {Kind::Label,    "lblPromotionCaption", nullptr,  {1080, 240, 0, 0},        Font::Caption,  none,           none},
        {Kind::Label,    "Label2",              nullptr,  {120, 840, 6975, 1095},   Font::Heading,  none,           none,
            nullptr, {}, true},
        {Kind::CheckBox, "Check1",              nullptr,  {30, 2040, 7185, 555},    Font::Heading,  Look::LinkBlue, none,
            //: %1 is the web site's name
            QT_TRANSLATE_NOOP("ExitScreen", "Click Here To Visit %1 Now")},
        {Kind::Button,   "cmdClose",            nullptr,  {6000, 2760, 1245, 375},  Font::BoldText, none,           none,
            QT_TRANSLATE_NOOP("ExitScreen", "E&xit")},
        {Kind::GroupBox, "Frame2",              nullptr,  {120, 3240, 7065, 1455},  Font::BoldText, Qt::white,      Look::Navy,
            QT_TRANSLATE_NOOP("ExitScreen", "Refer A Friend")},
        {Kind::TextBox,  "txtName",             "Frame2", {85, 360, 3375, 285},     Font::Text,     none,           none},
        {Kind::TextBox,  "txtEmail",            "Frame2", {3600, 360, 3375, 285},   Font::Text,     none,           none},
        {Kind::TextBox,  "txtFriendName",       "Frame2", {85, 720, 3375, 285},     Font::Text,     none,           none},
        {Kind::TextBox,  "txtFriendEmail",      "Frame2", {3600, 720, 3375, 285},   Font::Text,     none,           none},
        {Kind::Button,   "cmdSubmit",           "Frame2", {1920, 1080, 3375, 285},  Font::BoldText, none,           none,
            QT_TRANSLATE_NOOP("ExitScreen", "Refer A Friend &Now")},
        // Below the frame's visible area: never seen, yet reached by Tab.
        {Kind::TextArea, "txtMessage",          "Frame2", {4800, 3600, 1815, 495},  Font::Text,     none,           none},
        {Kind::GroupBox, "Frame6",              nullptr,  {7320, 120, 3735, 4575},  Font::BoldText, Qt::white,      Look::Navy,
            QT_TRANSLATE_NOOP("ExitScreen", "Download Lantern Softwares")},
        {Kind::Label,    "Label3",              "Frame6", {120, 360, 3495, 3855},   Font::Text,     Qt::white,      none,
            nullptr, {}, true},
        {Kind::Link,     "lblGoToHome",         "Frame6", {75, 4250, 3585, 210},    Font::Text,     Yellow,         none,
            QT_TRANSLATE_NOOP("ExitScreen", "Click Here To Visit Lantern Softwares")},
    });
    // clang-format on
    m_visit = Layout::find<QCheckBox>(area, "Check1");
    m_close = Layout::find<QPushButton>(area, "cmdClose");
    m_submit = Layout::find<QPushButton>(area, "cmdSubmit");
    // Only a click or Space reaches here; clearing the tick from code does not.
    connect(m_visit, &QCheckBox::clicked, this, &ExitScreen::visitClicked);
    connect(m_close, &QPushButton::clicked, this, &ExitScreen::endRequested);
    connect(m_submit, &QPushButton::clicked, this, &ExitScreen::submitReferral);
    connect(Layout::find<ClickableLabel>(area, "lblGoToHome"), &ClickableLabel::clicked, this,
            [] { WebLink::open(Web::Page::LanternSoftwares); });
    Layout::setText(Layout::find(area, "Label3"), productFamilyText());
    setUpReferralBoxes(area);

    setTabOrder(m_close, m_visit);
    setTabOrder(m_visit, box(Referral::Field::Name));
    setTabOrder(box(Referral::Field::Name), m_submit);
    setTabOrder(m_submit, box(Referral::Field::Email));
    setTabOrder(box(Referral::Field::Email), box(Referral::Field::FriendEmail));
    setTabOrder(box(Referral::Field::FriendEmail), box(Referral::Field::FriendName));
    setTabOrder(box(Referral::Field::FriendName), box(Referral::Field::Message));
    m_close->setFocus();

    // Loading: caption, and the support message drawn for the run.
    setWindowTitle(AppInfo::caption());
    auto* caption = Layout::find<QLabel>(area, "lblPromotionCaption");
    caption->setText(AppInfo::caption());
    caption->adjustSize();
    Layout::setText(Layout::find(area, "Label2"), supportMessage(supportMessageNumber));
    // Closed by any means, the screen ends the program.
    connect(this, &Form::closing, this, &ExitScreen::endRequested);
}

void ExitScreen::setUpReferralBoxes(QWidget* area)
{
    using Referral::Field;
    const char* const names[Referral::FieldCount] = {"txtName", "txtEmail", "txtMessage",
                                                     "txtFriendName", "txtFriendEmail"};
    for (int i = 0; i < Referral::FieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        QWidget* entry = Layout::find(area, names[i]);
        m_boxes[static_cast<std::size_t>(i)] = entry;
        setBoxText(entry, field == Field::Message ? Referral::initialMessage()
                                                  : Referral::placeholder(field));
        usePlatformColours(entry);
        // Named after the placeholder that tells the user what goes in.
        entry->setAccessibleName(Referral::placeholder(field));
        entry->installEventFilter(this);
    }
}

QWidget* ExitScreen::box(Referral::Field field) const
{
    return m_boxes[static_cast<std::size_t>(field)];
}

QString ExitScreen::productFamilyText()
{
    // Two paragraphs, the second on a line of its own.
    return tr("If you have enjoyed this software you will surely be interested in our other "
              "Lantern Softwares. From a single software, we have now grown to become the "
              "world’s largest resource of lantern softwares. Be it astrology, psychic, tarot, "
              "numerology or occult, we have programs in all fields thus giving our users a wide "
              "choice depending on their interests.") +
           QLatin1Char('\n') +
           tr("All the programs in the Lantern Softwares suite are simple and easy to use. They "
              "are not only fun to use but also very informative. Try them out today and share "
              "your experience with your friends and family. ");
}

QString ExitScreen::supportMessage(int number)
{
    const QString site = Web::siteName();
    switch (number) {
    case 0:
        //: %1 is the web site's name
        return tr("Programs like this one can only be created and maintained with your support. "
                  "The best way to support us is to visit our discussion board at %1 regularly "
                  "and take part in its discussions and other activities.")
            .arg(site);
    case 1:
        //: %1 is the web site's name
        return tr("Please visit %1 regularly and support it by taking part in its discussions and "
                  "other activities. Without your regular visits we cannot support and maintain "
                  "programs like this one.")
            .arg(site);
    case 2:
        //: %1 is the web site's name
        return tr("%1 is a free online discussion forum on astrology. Please visit it regularly to "
                  "help us develop and maintain this program.")
            .arg(site);
    case 3:
        //: %1 is the web site's name
        return tr("%1 needs your help. Visit it regularly and take part in its discussions and "
                  "activities, so that we can maintain this program and develop more programs of "
                  "the Lantern Softwares family.")
            .arg(site);
    default:
        return {};
    }
}

void ExitScreen::visitClicked()
{
    // The box is a link that looks like a check box: it never stays ticked.
    if (!m_visit->isChecked())
        return;
    m_visit->setChecked(false);
    WebLink::open(Web::Page::Home);
}

void ExitScreen::submitReferral()
{
    Referral::Entries entries;
    for (int i = 0; i < Referral::FieldCount; ++i)
        entries.values[static_cast<std::size_t>(i)] = boxText(m_boxes[static_cast<std::size_t>(i)]);
    m_lastEntries = Referral::trimBlanks(entries);
    const Referral::Problem problem = Referral::check(m_lastEntries);
    if (problem != Referral::Problem::None) {
        MessageBox::critical(Referral::message(problem));
        return;
    }
    m_lastAddress = Referral::address(m_lastEntries);
    WebLink::openAddress(m_lastAddress);
}

bool ExitScreen::filterEmailInput(QWidget* entry, QEvent* event)
{
    QString typed;
    if (event->type() == QEvent::KeyPress)
        typed = static_cast<QKeyEvent*>(event)->text();
    else if (event->type() == QEvent::InputMethod)
        typed = static_cast<QInputMethodEvent*>(event)->commitString();
    if (!Referral::refusedInEmail(typed))
        return false;
    // Composed text is typed too: what it holds besides blanks goes in.
    if (event->type() == QEvent::InputMethod)
        static_cast<QLineEdit*>(entry)->insert(Referral::acceptedInEmail(typed));
    MessageBox::critical(Referral::spaceInEmailMessage(), [box = QPointer<QWidget>(entry)] {
        if (box)
            box->setFocus();
    });
    return true;
}

bool ExitScreen::eventFilter(QObject* watched, QEvent* event)
{
    const auto found = std::find(m_boxes.begin(), m_boxes.end(), watched);
    if (found == m_boxes.end())
        return Form::eventFilter(watched, event);
    QWidget* entry = *found;
    const auto field = static_cast<Referral::Field>(found - m_boxes.begin());
    if ((field == Referral::Field::Email || field == Referral::Field::FriendEmail) &&
        filterEmailInput(entry, event))
        return true;
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        // Only moves between controls count; a message box or another
        // program taking the focus for a while changes no text.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            const QString text = boxText(entry);
            const QString placeholder = Referral::placeholder(field);
            const QString wanted = event->type() == QEvent::FocusIn
                                       ? Referral::textOnFocusIn(text, placeholder)
                                       : Referral::textOnFocusOut(text, placeholder);
            if (wanted != text)
                setBoxText(entry, wanted);
        }
    }
    return Form::eventFilter(watched, event);
}

// SPDX-License-Identifier: MIT
#include "ExitScreen.h"

#include "core/AppInfo.h"
#include "core/Web.h"
#include "widgets/ClickableLabel.h"
#include "widgets/Controls.h"
#include "widgets/Look.h"
#include "widgets/MessageBox.h"
#include "widgets/Twips.h"
#include "widgets/WebLink.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QColor Yellow{255, 255, 0};

// A frame with a caption, painted navy with a white caption and text.
QGroupBox* captionedFrame(const QString& name, const QString& caption, QWidget* parent,
                          const QRect& twipsGeometry, const QFont& font)
{
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    frame->setGeometry(twipsRect(twipsGeometry));
    frame->setFont(font);
    Look::setColours(frame, Look::Navy, Qt::white);
    return frame;
}

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
    using namespace Controls;
    // Topmost from the start, so that showing it later never re-creates the window.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);

    QWidget* area = client();
    fill(area, Qt::white);
    const QFont plain = Look::verdana(8.25);
    const QFont bold = Look::verdana(8.25, true);

    auto* icon = new QLabel(area);
    icon->setObjectName(QStringLiteral("picPromotionIcon"));
    icon->setGeometry(twipsRect(360, 120, 540, 540));

    auto* caption = new QLabel(area);
    caption->setObjectName(QStringLiteral("lblPromotionCaption"));
    caption->setTextFormat(Qt::PlainText);
    caption->setFont(Look::captionFont(13.5, true));
    caption->move(twips(1080), twips(240));

    QLabel* support = label(QStringLiteral("Label2"), QString(), area, {120, 840, 6975, 1095},
                            Look::verdana(9, true), palette().color(QPalette::WindowText),
                            Qt::AlignLeft | Qt::AlignTop, true);

    //: %1 is the web site's name
    m_visit = new QCheckBox(tr("Click Here To Visit %1 Now").arg(Web::siteName()), area);
    m_visit->setObjectName(QStringLiteral("Check1"));
    m_visit->setGeometry(twipsRect(30, 2040, 7185, 555));
    m_visit->setFont(Look::verdana(9, true));
    m_visit->setCursor(Qt::PointingHandCursor);
    Look::setTextColour(m_visit, Look::LinkBlue);
    fitText(m_visit);
    // Only a click or Space reaches here; clearing the tick from code does not.
    connect(m_visit, &QCheckBox::clicked, this, &ExitScreen::visitClicked);

    m_close = button(QStringLiteral("cmdClose"), tr("E&xit"), area, {6000, 2760, 1245, 375}, bold);
    connect(m_close, &QPushButton::clicked, this, &ExitScreen::endRequested);

    m_referFrame = captionedFrame(QStringLiteral("Frame2"), tr("Refer A Friend"), area,
                                  {120, 3240, 7065, 1455}, bold);
    buildReferralBoxes(plain);

    QGroupBox* family = captionedFrame(QStringLiteral("Frame6"), tr("Download Lantern Softwares"),
                                       area, {7320, 120, 3735, 4575}, bold);
    label(QStringLiteral("Label3"), productFamilyText(), family, {120, 360, 3495, 3855}, plain,
          Qt::white, Qt::AlignLeft | Qt::AlignTop, true);
    ClickableLabel* goToHome =
        link(QStringLiteral("lblGoToHome"), tr("Click Here To Visit Lantern Softwares"), family,
             {75, 4250, 3585, 210}, plain, Yellow, Qt::AlignLeft | Qt::AlignTop, false);
    connect(goToHome, &ClickableLabel::clicked, this,
            [] { WebLink::open(Web::Page::LanternSoftwares); });

    setTabOrder(m_close, m_visit);
    setTabOrder(m_visit, box(Referral::Field::Name));
    setTabOrder(box(Referral::Field::Name), m_submit);
    setTabOrder(m_submit, box(Referral::Field::Email));
    setTabOrder(box(Referral::Field::Email), box(Referral::Field::FriendEmail));
    setTabOrder(box(Referral::Field::FriendEmail), box(Referral::Field::FriendName));
    setTabOrder(box(Referral::Field::FriendName), box(Referral::Field::Message));
    m_close->setFocus();

    // Loading: caption, icon, and the support message drawn for the run.
    setWindowTitle(AppInfo::caption());
    caption->setText(AppInfo::caption());
    caption->adjustSize();
    Look::showProgramIcon(icon);
    support->setText(supportMessage(supportMessageNumber));
    fitText(support);
    // Closed by any means, the screen ends the program.
    connect(this, &Form::closing, this, &ExitScreen::endRequested);
}

void ExitScreen::buildReferralBoxes(const QFont& font)
{
    using namespace Controls;
    using Referral::Field;
    const auto lineBox = [&](Field field, const char* name, const QRect& place) {
        QLineEdit* line = textBox(QString::fromLatin1(name), m_referFrame, place, font);
        line->setText(Referral::placeholder(field));
        m_boxes[static_cast<std::size_t>(field)] = line;
    };
    lineBox(Field::Name, "txtName", {85, 360, 3375, 285});
    lineBox(Field::Email, "txtEmail", {3600, 360, 3375, 285});
    lineBox(Field::FriendName, "txtFriendName", {85, 720, 3375, 285});
    lineBox(Field::FriendEmail, "txtFriendEmail", {3600, 720, 3375, 285});

    m_submit = button(QStringLiteral("cmdSubmit"), tr("Refer A Friend &Now"), m_referFrame,
                      {1920, 1080, 3375, 285}, Look::verdana(8.25, true));
    connect(m_submit, &QPushButton::clicked, this, &ExitScreen::submitReferral);

    // Below the frame's visible area: never seen, yet reached by Tab.
    auto* message = new QPlainTextEdit(m_referFrame);
    message->setObjectName(QStringLiteral("txtMessage"));
    message->setGeometry(twipsRect(4800, 3600, 1815, 495));
    message->setFont(font);
    message->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    message->setTabChangesFocus(true);
    setBoxText(message, Referral::initialMessage());
    m_boxes[static_cast<std::size_t>(Field::Message)] = message;

    for (int i = 0; i < Referral::FieldCount; ++i) {
        QWidget* entry = m_boxes[static_cast<std::size_t>(i)];
        usePlatformColours(entry);
        // Named after the placeholder that tells the user what goes in.
        entry->setAccessibleName(Referral::placeholder(static_cast<Field>(i)));
        entry->installEventFilter(this);
    }
}

QWidget* ExitScreen::box(Referral::Field field) const
{
    return m_boxes[static_cast<std::size_t>(field)];
}

QString ExitScreen::productFamilyText()
{
    // The blanks push the second paragraph onto a line of its own.
    return tr("If you have enjoyed this software you will surely be interested in our other "
              "Lantern Softwares. From a single software, we have now grown to become the "
              "world’s largest resource of lantern softwares. Be it astrology, psychic, tarot, "
              "numerology or occult, we have programs in all fields thus giving our users a wide "
              "choice depending on their interests.") +
           QString(61, QChar(u' ')) +
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
    MessageBox::critical(Referral::spaceInEmailMessage());
    entry->setFocus();
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

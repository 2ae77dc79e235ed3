#include "frmPromotion.h"

#include "app/AppInfo.h"
#include "app/Application.h"
#include "app/ClickableLabel.h"
#include "app/Controls.h"
#include "app/Look.h"
#include "app/MessageBox.h"
#include "app/Twips.h"
#include "modTellAFriend.h"
#include "web/modHelp.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QIcon>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>

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

QString productFamilyText()
{
    return QStringLiteral("If you have enjoyed this software you will surely be interested in our "
                          "other Lantern Softwares. From a single software, we have now grown to "
                          "become the world\u2019s largest resource of lantern softwares. Be it "
                          "astrology, psychic, tarot, numerology or occult, we have programs in "
                          "all fields thus giving our users a wide choice depending on their "
                          "interests.") +
           // The blanks push the second paragraph onto a line of its own.
           QString(61, QChar(u' ')) +
           QStringLiteral("All the programs in the Lantern Softwares suite are simple and easy "
                          "to use. They are not only fun to use but also very informative. Try "
                          "them out today and share your experience with your friends and "
                          "family. ");
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

frmPromotion::frmPromotion() : Form(QStringLiteral("frmPromotion"), 11115, 4725)
{
    using namespace Controls;
    // Topmost from the start, so that showing it later never re-creates the
    // window; it shows without taking the focus.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setAttribute(Qt::WA_ShowWithoutActivating, true);

    QWidget* area = client();
    fill(area, Qt::white);
    const QFont plain = Look::verdana(8.25);
    const QFont bold = Look::verdana(8.25, true);

    picPromotionIcon = new QLabel(area);
    picPromotionIcon->setObjectName(QStringLiteral("picPromotionIcon"));
    picPromotionIcon->setGeometry(twipsRect(360, 120, 540, 540));

    lblPromotionCaption = new QLabel(area);
    lblPromotionCaption->setObjectName(QStringLiteral("lblPromotionCaption"));
    lblPromotionCaption->setTextFormat(Qt::PlainText);
    lblPromotionCaption->setFont(Look::captionFont(13.5, true));
    lblPromotionCaption->move(twips(1080), twips(240));

    Label2 = label(QStringLiteral("Label2"), QString(), area, {120, 840, 6975, 1095},
                   Look::verdana(9, true), palette().color(QPalette::WindowText),
                   Qt::AlignLeft | Qt::AlignTop, true);

    Check1 = new QCheckBox(QStringLiteral("Click Here To Visit ") + modHelp::siteName() +
                               QStringLiteral(" Now"),
                           area);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(twipsRect(30, 2040, 7185, 555));
    Check1->setFont(Look::verdana(9, true));
    Check1->setCursor(Qt::PointingHandCursor);
    Look::setTextColour(Check1, Look::LinkBlue);
    fitText(Check1);
    // Only a click or Space reaches here; clearing the tick below does not.
    connect(Check1, &QCheckBox::clicked, this, &frmPromotion::Check1_Click);

    cmdClose = button(QStringLiteral("cmdClose"), QStringLiteral("E&xit"), area,
                      {6000, 2760, 1245, 375}, bold);
    connect(cmdClose, &QPushButton::clicked, this, [] { App::EndApplication(); });

    Frame2 = captionedFrame(QStringLiteral("Frame2"), QStringLiteral("Refer A Friend"), area,
                            {120, 3240, 7065, 1455}, bold);
    buildReferralBoxes(plain);

    Frame6 = captionedFrame(QStringLiteral("Frame6"), QStringLiteral("Download Lantern Softwares"),
                            area, {7320, 120, 3735, 4575}, bold);
    Label3 = label(QStringLiteral("Label3"), productFamilyText(), Frame6, {120, 360, 3495, 3855},
                   plain, Qt::white, Qt::AlignLeft | Qt::AlignTop, true);
    lblGoToHome =
        link(QStringLiteral("lblGoToHome"), QStringLiteral("Click Here To Visit Lantern Softwares"),
             Frame6, {75, 4250, 3585, 210}, plain, Yellow, Qt::AlignLeft | Qt::AlignTop, false);
    connect(lblGoToHome, &ClickableLabel::clicked, this,
            [] { modHelp::OpenLanternSoftwaresPage(); });

    setTabOrder(cmdClose, Check1);
    setTabOrder(Check1, txtName);
    setTabOrder(txtName, cmdSubmit);
    setTabOrder(cmdSubmit, txtEmail);
    setTabOrder(txtEmail, txtFriendEmail);
    setTabOrder(txtFriendEmail, txtFriendName);
    setTabOrder(txtFriendName, txtMessage);
    cmdClose->setFocus();

    // Loading: caption, icon, and the support message drawn once for the run.
    setWindowTitle(App::AppCaption);
    lblPromotionCaption->setText(App::AppCaption);
    lblPromotionCaption->adjustSize();
    const QIcon icon = Look::programIcon();
    setWindowIcon(icon);
    Look::showProgramIcon(picPromotionIcon);
    App::seedRandomFromClock();
    Label2->setText(supportMessage(drawSupportMessage(App::random())));
    fitText(Label2);
}

void frmPromotion::buildReferralBoxes(const QFont& font)
{
    using namespace Controls;
    using namespace modTellAFriend;
    txtName = textBox(QStringLiteral("txtName"), Frame2, {85, 360, 3375, 285}, font);
    txtEmail = textBox(QStringLiteral("txtEmail"), Frame2, {3600, 360, 3375, 285}, font);
    txtFriendName = textBox(QStringLiteral("txtFriendName"), Frame2, {85, 720, 3375, 285}, font);
    txtFriendEmail =
        textBox(QStringLiteral("txtFriendEmail"), Frame2, {3600, 720, 3375, 285}, font);
    txtName->setText(NamePlaceholder);
    txtEmail->setText(EmailPlaceholder);
    txtFriendName->setText(FriendNamePlaceholder);
    txtFriendEmail->setText(FriendEmailPlaceholder);

    cmdSubmit = button(QStringLiteral("cmdSubmit"), QStringLiteral("Refer A Friend &Now"), Frame2,
                       {1920, 1080, 3375, 285}, Look::verdana(8.25, true));
    connect(cmdSubmit, &QPushButton::clicked, this, &frmPromotion::cmdSubmit_Click);

    // Below the frame's visible area: never seen, yet reached by Tab.
    txtMessage = new QPlainTextEdit(Frame2);
    txtMessage->setObjectName(QStringLiteral("txtMessage"));
    txtMessage->setGeometry(twipsRect(4800, 3600, 1815, 495));
    txtMessage->setFont(font);
    txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMessage->setTabChangesFocus(true);
    setBoxText(txtMessage, InitialMessage);

    for (QWidget* box :
         {static_cast<QWidget*>(txtName), static_cast<QWidget*>(txtEmail),
          static_cast<QWidget*>(txtFriendName), static_cast<QWidget*>(txtFriendEmail),
          static_cast<QWidget*>(txtMessage)}) {
        usePlatformColours(box);
        // Named after the placeholder that tells the user what goes in.
        box->setAccessibleName(*placeholderOf(box));
        box->installEventFilter(this);
    }
}

QString frmPromotion::supportMessage(int number)
{
    const QString site = modHelp::siteName();
    switch (number) {
    case 0:
        return QStringLiteral("Programs like this one can only be created and maintained with "
                              "your support. The best way to support us is to visit our "
                              "discussion board at %1 regularly and take part in its discussions "
                              "and other activities.")
            .arg(site);
    case 1:
        return QStringLiteral("Please visit %1 regularly and support it by taking part in its "
                              "discussions and other activities. Without your regular visits we "
                              "cannot support and maintain programs like this one.")
            .arg(site);
    case 2:
        return QStringLiteral("%1 is a free online discussion forum on astrology. Please visit it "
                              "regularly to help us develop and maintain this program.")
            .arg(site);
    case 3:
        return QStringLiteral("%1 needs your help. Visit it regularly and take part in its "
                              "discussions and activities, so that we can maintain this program "
                              "and develop more programs of the Lantern Softwares family.")
            .arg(site);
    default:
        return {};
    }
}

int frmPromotion::drawSupportMessage(QRandomGenerator& generator)
{
    return static_cast<int>(generator.bounded(4u));
}

void frmPromotion::Check1_Click()
{
    // The box is a link that looks like a check box: it never stays ticked.
    if (!Check1->isChecked())
        return;
    Check1->setChecked(false);
    modHelp::OpenHomePage();
}

void frmPromotion::cmdSubmit_Click()
{
    modTellAFriend::Submit({boxText(txtName), boxText(txtEmail), boxText(txtMessage),
                            boxText(txtFriendName), boxText(txtFriendEmail)});
}

const QString* frmPromotion::placeholderOf(const QObject* box) const
{
    using namespace modTellAFriend;
    if (box == txtName)
        return &NamePlaceholder;
    if (box == txtEmail)
        return &EmailPlaceholder;
    if (box == txtMessage)
        return &MessagePlaceholder;
    if (box == txtFriendName)
        return &FriendNamePlaceholder;
    if (box == txtFriendEmail)
        return &FriendEmailPlaceholder;
    return nullptr;
}

bool frmPromotion::filterEmailInput(QWidget* box, QEvent* event)
{
    using namespace modTellAFriend;
    if (event->type() == QEvent::KeyPress) {
        if (!refusedInEmail(static_cast<QKeyEvent*>(event)->text()))
            return false;
        MessageBox::critical(SpaceInEmailMessage);
        box->setFocus();
        return true;
    }
    if (event->type() == QEvent::InputMethod) {
        // Composed text is typed too; its blanks are refused like typed ones.
        auto* input = static_cast<QInputMethodEvent*>(event);
        if (!refusedInEmail(input->commitString()))
            return false;
        static_cast<QLineEdit*>(box)->insert(acceptedInEmail(input->commitString()));
        MessageBox::critical(SpaceInEmailMessage);
        box->setFocus();
        return true;
    }
    return false;
}

bool frmPromotion::eventFilter(QObject* watched, QEvent* event)
{
    const QString* placeholder = placeholderOf(watched);
    if (!placeholder)
        return Form::eventFilter(watched, event);
    auto* box = static_cast<QWidget*>(watched);
    if (box == txtEmail || box == txtFriendEmail) {
        if (filterEmailInput(box, event))
            return true;
    }
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        // Only moves between controls count; a message box or another
        // program taking the focus for a while changes no text.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            const QString text = boxText(box);
            const QString wanted = event->type() == QEvent::FocusIn
                                       ? modTellAFriend::textOnFocusIn(text, *placeholder)
                                       : modTellAFriend::textOnFocusOut(text, *placeholder);
            if (wanted != text)
                setBoxText(box, wanted);
        }
    }
    return Form::eventFilter(watched, event);
}

void frmPromotion::unloading()
{
    App::EndApplication();
}

void frmPromotion::showExitScreen()
{
    // A window unloaded while the program ends brings up nothing new.
    if (App::isEnding())
        return;
    App::MakeTopmost(Forms::get<frmPromotion>());
}

void frmPromotion::hideExitScreen()
{
    // Creating the screen does not show it, so hiding it here never makes it flash.
    Forms::get<frmPromotion>()->hide();
}

#include "frmAbout.h"

#include "app/AppInfo.h"
#include "app/ClickableLabel.h"
#include "app/Controls.h"
#include "app/Look.h"
#include "app/Twips.h"
#include "modHelp.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

frmAbout::frmAbout()
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    using namespace Controls;
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(App::AppCaption);
    setWindowIcon(Look::programIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(true);
    setFixedSize(twipsSize(6345, 3960));
    Look::setColours(this, Look::DarkPlum, Look::PaleLavender);

    const QFont plain = Look::verdana(8);
    const QFont bold = Look::verdana(9, true);

    picIcon = label(QStringLiteral("picIcon"), QString(), this, {150, 150, 510, 510}, plain,
                    Look::PaleLavender, Qt::AlignCenter);
    Look::showProgramIcon(picIcon);

    Label2 = label(QStringLiteral("Label2"), App::AppCaption, this, {960, 285, 3150, 240}, bold,
                   Look::PaleLavender);
    Label1 = label(
        QStringLiteral("Label1"),
        QStringLiteral("Starquill describes the placement of the asteroid Psyche in "
                       "your birth chart. This asteroid is also known as the Goddess "
                       "of the Soul. This sign helps you understand yourself and know "
                       "your soul, mind and self better with respect to your partners "
                       "in relationships. All rights to this software are reserved by ") +
            modHelp::siteName() + QLatin1Char('.'),
        this, {210, 840, 5745, 975}, plain, Look::PaleLavender, Qt::AlignLeft | Qt::AlignTop, true);
    lblHomePage = link(
        QStringLiteral("lblHomePage"), QStringLiteral("Click here to visit ") + modHelp::siteName(),
        this, {1560, 2040, 4650, 195}, plain, Qt::white, Qt::AlignLeft | Qt::AlignTop, false);
    Label6 = label(QStringLiteral("Label6"),
                   QStringLiteral("Home Business Opportunity. Start your own Internet business "
                                  "and make money online. Get this software fully branded for "
                                  "your website."),
                   this, {240, 2400, 5775, 675}, plain, Look::PaleLavender,
                   Qt::AlignLeft | Qt::AlignTop, true);
    Label5 = link(QStringLiteral("Label5"), QStringLiteral("Click here for more details"), this,
                  {3600, 3120, 2610, 195}, plain, Qt::white, Qt::AlignLeft | Qt::AlignTop, false);
    connect(lblHomePage, &ClickableLabel::clicked, this, modHelp::OpenHomePage);
    connect(Label5, &ClickableLabel::clicked, this, modHelp::OpenFullyBrandedPage);

    // A rule across the whole width, a little beyond both edges as drawn.
    Line2 = new QFrame(this);
    Line2->setObjectName(QStringLiteral("Line2"));
    Line2->setFrameShape(QFrame::HLine);
    Line2->setFrameShadow(QFrame::Sunken);
    Line2->setGeometry(twips(-60), twips(3360) - 1, twips(6420), 2);

    cmdOK = button(QStringLiteral("cmdOK"), QStringLiteral("&OK"), this, {4950, 3480, 1260, 345},
                   plain);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QWidget::close);
    cmdOK->setFocus();
}

void frmAbout::accept()
{
    close();
}

void frmAbout::reject()
{
    // Escape lands here; QDialog would only hide the box, without a close event.
    close();
}

void frmAbout::closeEvent(QCloseEvent* event)
{
    // Not QDialog's: it would call reject(), which comes back to close().
    // Closing hides the box, which ends its modal loop; exec() then deletes it.
    event->accept();
}

void frmAbout::showEvent(QShowEvent* event)
{
    if (!m_placed) {
        m_placed = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    QDialog::showEvent(event);
}

// SPDX-License-Identifier: MIT
#include "AboutDialog.h"

#include "core/AppInfo.h"
#include "widgets/ClickableLabel.h"
#include "widgets/Controls.h"
#include "widgets/Form.h"
#include "widgets/Look.h"
#include "widgets/Twips.h"
#include "widgets/WebLink.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

AboutDialog::AboutDialog()
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    using namespace Controls;
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(AppInfo::caption());
    setWindowIcon(Look::programIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(true);
    setFixedSize(twipsSize(6345, 3960));
    Look::setColours(this, Look::DarkPlum, Look::PaleLavender);

    const QFont plain = Look::verdana(8);
    const QFont bold = Look::verdana(9, true);

    QLabel* icon = label(QStringLiteral("picIcon"), QString(), this, {150, 150, 510, 510}, plain,
                         Look::PaleLavender, Qt::AlignCenter);
    Look::showProgramIcon(icon);

    label(QStringLiteral("Label2"), AppInfo::caption(), this, {960, 285, 3150, 240}, bold,
          Look::PaleLavender);
    //: %1 is the web site's name
    label(QStringLiteral("Label1"),
          tr("Starquill describes the placement of the asteroid Psyche in your birth chart. This "
             "asteroid is also known as the Goddess of the Soul. This sign helps you understand "
             "yourself and know your soul, mind and self better with respect to your partners in "
             "relationships. All rights to this software are reserved by %1.")
              .arg(Web::siteName()),
          this, {210, 840, 5745, 975}, plain, Look::PaleLavender, Qt::AlignLeft | Qt::AlignTop,
          true);
    //: %1 is the web site's name
    ClickableLabel* homePage =
        link(QStringLiteral("lblHomePage"), tr("Click here to visit %1").arg(Web::siteName()), this,
             {1560, 2040, 4650, 195}, plain, Qt::white, Qt::AlignLeft | Qt::AlignTop, false);
    label(QStringLiteral("Label6"),
          tr("Home Business Opportunity. Start your own Internet business and make money online. "
             "Get this software fully branded for your website."),
          this, {240, 2400, 5775, 675}, plain, Look::PaleLavender, Qt::AlignLeft | Qt::AlignTop,
          true);
    ClickableLabel* details =
        link(QStringLiteral("Label5"), tr("Click here for more details"), this,
             {3600, 3120, 2610, 195}, plain, Qt::white, Qt::AlignLeft | Qt::AlignTop, false);
    connect(homePage, &ClickableLabel::clicked, this, [] { WebLink::open(Web::Page::Home); });
    connect(details, &ClickableLabel::clicked, this,
            [] { WebLink::open(Web::Page::FullyBranded); });

    // A rule across the whole width, a little beyond both edges as drawn.
    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line2"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(twips(-60), twips(3360) - 1, twips(6420), 2);

    QPushButton* ok =
        button(QStringLiteral("cmdOK"), tr("&OK"), this, {4950, 3480, 1260, 345}, plain);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    ok->setFocus();
}

void AboutDialog::accept()
{
    close();
}

void AboutDialog::reject()
{
    // Escape lands here; QDialog would only hide the box, without a close event.
    close();
}

void AboutDialog::closeEvent(QCloseEvent* event)
{
    // Not QDialog's: it would call reject(), which comes back to close().
    // Closing hides the box, which ends its modal loop; exec() then deletes it.
    event->accept();
}

void AboutDialog::showEvent(QShowEvent* event)
{
    if (!m_placed) {
        m_placed = true;
        centreOnScreen(this);
    }
    QDialog::showEvent(event);
}

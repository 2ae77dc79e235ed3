// SPDX-License-Identifier: MIT
#include "AboutDialog.h"

#include "core/AppInfo.h"
#include "widgets/ClickableLabel.h"
#include "widgets/Form.h"
#include "widgets/Layout.h"
#include "widgets/Look.h"
#include "widgets/Twips.h"
#include "widgets/WebLink.h"

#include <QCloseEvent>
#include <QPushButton>

AboutDialog::AboutDialog()
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    using Layout::Kind;
    using Look::Font;
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(AppInfo::caption());
    setWindowIcon(Look::programIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(true);
    setFixedSize(twipsSize(6345, 3960));
    Look::setColours(this, Look::DarkPlum, Look::PaleLavender);
    const QColor none;
    // clang-format off
    Layout::build(this, "AboutDialog", {
        // kind         name           parent   left, top, width, height  font         ink                 paper
        {Kind::Picture, "picIcon",     nullptr, {150, 150, 510, 510},     Font::Small, none,               none},
        {Kind::Label,   "Label2",      nullptr, {960, 285, 3150, 240},    Font::Heading, Look::PaleLavender, none},
        {Kind::Label,   "Label1",      nullptr, {210, 840, 5745, 975},    Font::Small, Look::PaleLavender, none,
            //: %1 is the web site's name
            QT_TRANSLATE_NOOP("AboutDialog", "Starquill describes the placement of the asteroid Psyche in your birth "
                                             "chart. This asteroid is also known as the Goddess of the Soul. This sign "
                                             "helps you understand yourself and know your soul, mind and self better "
                                             "with respect to your partners in relationships. All rights to this "
                                             "software are reserved by %1."),
            {}, true},
        {Kind::Link,    "lblHomePage", nullptr, {1560, 2040, 4650, 195},  Font::Small, Qt::white,          none,
            //: %1 is the web site's name
            QT_TRANSLATE_NOOP("AboutDialog", "Click here to visit %1")},
        {Kind::Label,   "Label6",      nullptr, {240, 2400, 5775, 675},   Font::Small, Look::PaleLavender, none,
            QT_TRANSLATE_NOOP("AboutDialog", "Home Business Opportunity. Start your own Internet business and make "
                                             "money online. Get this software fully branded for your website."),
            {}, true},
        {Kind::Link,    "Label5",      nullptr, {3600, 3120, 2610, 195},  Font::Small, Qt::white,          none,
            QT_TRANSLATE_NOOP("AboutDialog", "Click here for more details")},
        // A rule across the whole width, a little beyond both edges as drawn.
        {Kind::Rule,    "Line2",       nullptr, {-60, 3345, 6420, 30},    Font::Small, none,               none},
        {Kind::Button,  "cmdOK",       nullptr, {4950, 3480, 1260, 345},  Font::Small, none,               none,
            QT_TRANSLATE_NOOP("AboutDialog", "&OK")},
    });
    // clang-format on
    Layout::setText(Layout::find(this, "Label2"), AppInfo::caption());
    connect(Layout::find<ClickableLabel>(this, "lblHomePage"), &ClickableLabel::clicked, this,
            [] { WebLink::open(Web::Page::Home); });
    connect(Layout::find<ClickableLabel>(this, "Label5"), &ClickableLabel::clicked, this,
            [] { WebLink::open(Web::Page::FullyBranded); });
    auto* ok = Layout::find<QPushButton>(this, "cmdOK");
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

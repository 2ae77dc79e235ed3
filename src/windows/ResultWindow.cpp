// SPDX-License-Identifier: MIT
#include "ResultWindow.h"

#include "WebMenus.h"
#include "core/AppInfo.h"
#include "widgets/Layout.h"
#include "widgets/Look.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

ResultWindow::ResultWindow() : Form(QStringLiteral("frmDisplay"), 7215, 4935)
{
    using Layout::Kind;
    using Look::Font;
    setWindowTitle(AppInfo::caption());
    QWidget* area = client();
    Look::setColours(area, Look::DarkPlum, Look::PaleLavender);
    const QColor none;
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    // clang-format off
    Layout::build(area, "ResultWindow", {
        // kind          name                parent              left, top, width, height  font            ink                 paper
        {Kind::Frame,    "Frame2",           nullptr,            {0, 0, 7215, 615},        Font::Text,     none,               Look::PaleLavender},
        {Kind::Link,     "Label61",          "Frame2",           {60, 120, 7080, 465},     Font::Heading,  Look::DarkPlum,     Qt::white,
            nullptr, Qt::AlignCenter, true},
        {Kind::Frame,    "fraSexualitySign", nullptr,            {0, 600, 7215, 2895},     Font::Text,     none,               Look::DarkPlum},
        {Kind::Label,    "Label12",          "fraSexualitySign", {2085, 720, 3240, 210},   Font::Heading,  Look::PaleLavender, none,
            QT_TRANSLATE_NOOP("ResultWindow", "Psyche in your Chart is Placed in")},
        {Kind::Label,    "lblPsycheSign",    "fraSexualitySign", {2827, 1080, 1620, 210},  Font::Heading,  Look::PaleLavender, none,
            nullptr, Qt::AlignHCenter},
        {Kind::Label,    "lblSignDesc",      "fraSexualitySign", {150, 1440, 6975, 1335},  Font::BoldText, Look::PaleLavender, none,
            nullptr, centred, true},
        {Kind::Button,   "cmdBack",          nullptr,            {0, 3600, 5895, 465},     Font::BoldText, none,               none,
            QT_TRANSLATE_NOOP("ResultWindow", "&Back")},
        {Kind::Button,   "cmdExit",          nullptr,            {6000, 3600, 1215, 465},  Font::BoldText, none,               none,
            QT_TRANSLATE_NOOP("ResultWindow", "&Exit")},
        {Kind::Frame,    "Frame5",           nullptr,            {0, 4080, 7215, 855},     Font::Text,     none,               Look::PaleLavender},
        // Made last, the full-brand label covers the co-brand one here.
        {Kind::Link,     "lblCobrand",       "Frame5",           {135, 160, 6945, 615},    Font::Text,     Look::DarkPlum,     none,
            nullptr, centred, true},
        {Kind::Link,     "lblFullBrand",     "Frame5",           {135, 165, 6945, 615},    Font::Text,     Look::DarkPlum,     Look::PaleLavender,
            nullptr, centred, true},
    });
    // clang-format on
    WebMenus::addLinks(area);
    // The label behind is hidden, so that screen readers do not announce it.
    Layout::find(area, "lblCobrand")->hide();
    m_sign = Layout::find<QLabel>(area, "lblPsycheSign");
    m_description = Layout::find<QLabel>(area, "lblSignDesc");
    // The reading can be selected and copied with the mouse; a click gives
    // the label the focus for Ctrl+C, but Tab never stops there.
    for (QLabel* reading : {m_sign, m_description}) {
        reading->setTextInteractionFlags(Qt::TextSelectableByMouse);
        reading->setFocusPolicy(Qt::ClickFocus);
    }
    auto* back = Layout::find<QPushButton>(area, "cmdBack");
    auto* exit = Layout::find<QPushButton>(area, "cmdExit");
    connect(back, &QPushButton::clicked, this, &ResultWindow::goBack);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    setDefaultButton(exit);
    setCancelButton(exit);
    setTabOrder(exit, back);

    const WebMenus::WindowMenus menus = WebMenus::addMenus(
        menuBar(), {QStringLiteral("mnuFileBack"), tr("&Back"), tr("&Check for Software Update"),
                    QStringLiteral("mnuFileSep1"), QStringLiteral("mnuFileSep2")});
    connect(menus.first, &QAction::triggered, this, &ResultWindow::goBack);
    connect(menus.exit, &QAction::triggered, this, &QWidget::close);
    connect(menus.about, &QAction::triggered, this, &ResultWindow::aboutRequested);
    connect(this, &Form::closing, this, [this] {
        if (!m_goingBack)
            emit leaving();
    });
    exit->setFocus();
}

void ResultWindow::showReading(const QString& signName, const QString& description)
{
    m_sign->setText(signName);
    m_description->setText(description);
    Layout::fitText(m_sign);
    Layout::fitText(m_description);
}

void ResultWindow::goBack()
{
    m_goingBack = true;
    close();
    emit backRequested();
}

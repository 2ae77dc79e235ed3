// SPDX-License-Identifier: MIT
#include "ResultWindow.h"

#include "WebMenus.h"
#include "core/AppInfo.h"
#include "widgets/ClickableLabel.h"
#include "widgets/Controls.h"
#include "widgets/Look.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

ResultWindow::ResultWindow() : Form(QStringLiteral("frmDisplay"), 7215, 4935)
{
    using namespace Controls;
    setWindowTitle(AppInfo::caption());
    QWidget* area = client();
    Look::setColours(area, Look::DarkPlum, Look::PaleLavender);

    const QFont plain = Look::verdana(8.25);
    const QFont bold = Look::verdana(8.25, true);
    const QFont bold9 = Look::verdana(9, true);

    QFrame* frame2 = frame(QStringLiteral("Frame2"), area, {0, 0, 7215, 615}, Look::PaleLavender);
    ClickableLabel* banner = link(QStringLiteral("Label61"), WebMenus::bannerText(), frame2,
                                  {60, 120, 7080, 465}, bold9, Look::DarkPlum, Qt::AlignCenter);
    fill(banner, Qt::white);

    QFrame* result =
        frame(QStringLiteral("fraSexualitySign"), area, {0, 600, 7215, 2895}, Look::DarkPlum);
    label(QStringLiteral("Label12"), tr("Psyche in your Chart is Placed in"), result,
          {2085, 720, 3240, 210}, bold9, Look::PaleLavender);
    m_sign = label(QStringLiteral("lblPsycheSign"), QString(), result, {2827, 1080, 1620, 210},
                   bold9, Look::PaleLavender, Qt::AlignHCenter);
    m_description = label(QStringLiteral("lblSignDesc"), QString(), result, {150, 1440, 6975, 1335},
                          bold, Look::PaleLavender, Qt::AlignHCenter | Qt::AlignTop, true);
    // The reading can be selected and copied with the mouse; a click gives
    // the label the focus for Ctrl+C, but Tab never stops there.
    for (QLabel* reading : {m_sign, m_description}) {
        reading->setTextInteractionFlags(Qt::TextSelectableByMouse);
        reading->setFocusPolicy(Qt::ClickFocus);
    }

    QPushButton* back =
        button(QStringLiteral("cmdBack"), tr("&Back"), area, {0, 3600, 5895, 465}, bold);
    QPushButton* exit =
        button(QStringLiteral("cmdExit"), tr("&Exit"), area, {6000, 3600, 1215, 465}, bold);
    connect(back, &QPushButton::clicked, this, &ResultWindow::goBack);
    connect(exit, &QPushButton::clicked, this, &Form::unload);
    setDefaultButton(exit);
    setCancelButton(exit);
    setTabOrder(exit, back);

    QFrame* frame5 =
        frame(QStringLiteral("Frame5"), area, {0, 4080, 7215, 855}, Look::PaleLavender);
    ClickableLabel* coBrand =
        link(QStringLiteral("lblCobrand"), WebMenus::coBrandText(), frame5, {135, 160, 6945, 615},
             plain, Look::DarkPlum, Qt::AlignHCenter | Qt::AlignTop);
    ClickableLabel* fullBrand =
        link(QStringLiteral("lblFullBrand"), WebMenus::fullBrandText(), frame5,
             {135, 165, 6945, 615}, plain, Look::DarkPlum, Qt::AlignHCenter | Qt::AlignTop);
    // Defined last, the full-brand label covers the co-brand one here; the
    // one behind is hidden, so that screen readers do not announce it.
    fill(fullBrand, Look::PaleLavender);
    fullBrand->raise();
    coBrand->hide();
    WebMenus::connectLabels(banner, coBrand, fullBrand);

    buildMenus();
    connect(this, &Form::closing, this, [this] {
        if (!m_goingBack)
            emit leaving();
    });
    exit->setFocus();
}

void ResultWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    file->menuAction()->setObjectName(QStringLiteral("mnuFile"));
    QAction* back = file->addAction(tr("&Back"));
    back->setObjectName(QStringLiteral("mnuFileBack"));
    connect(back, &QAction::triggered, this, &ResultWindow::goBack);
    QAction* exit = file->addAction(tr("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &Form::unload);

    QAction* about = WebMenus::addWebMenus(menuBar(), {tr("&Check for Software Update"),
                                                       QStringLiteral("mnuFileSep1"),
                                                       QStringLiteral("mnuFileSep2")});
    connect(about, &QAction::triggered, this, &ResultWindow::aboutRequested);
}

void ResultWindow::showReading(const QString& signName, const QString& description)
{
    m_sign->setText(signName);
    m_description->setText(description);
    Controls::fitText(m_sign);
    Controls::fitText(m_description);
}

void ResultWindow::goBack()
{
    m_goingBack = true;
    unload();
    emit backRequested();
}

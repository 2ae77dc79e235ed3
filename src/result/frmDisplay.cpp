#include "frmDisplay.h"

#include "app/AppInfo.h"
#include "app/ClickableLabel.h"
#include "app/Controls.h"
#include "app/Look.h"
#include "entry/frmMain.h"
#include "promotion/frmPromotion.h"
#include "web/WebMenus.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

frmDisplay::frmDisplay() : Form(QStringLiteral("frmDisplay"), 7215, 4935)
{
    using namespace Controls;
    setWindowTitle(App::AppCaption);
    QWidget* area = client();
    Look::setColours(area, Look::DarkPlum, Look::PaleLavender);

    const QFont bold = Look::verdana(8.25, true);
    const QFont bold9 = Look::verdana(9, true);

    QFrame* frame2 = frame(QStringLiteral("Frame2"), area, {0, 0, 7215, 615}, Look::PaleLavender);
    Label61 = link(QStringLiteral("Label61"), WebMenus::bannerText(), frame2, {60, 120, 7080, 465},
                   bold9, Look::DarkPlum, Qt::AlignCenter);
    fill(Label61, Qt::white);

    QFrame* result =
        frame(QStringLiteral("fraSexualitySign"), area, {0, 600, 7215, 2895}, Look::DarkPlum);
    label(QStringLiteral("Label12"), QStringLiteral("Psyche in your Chart is Placed in"), result,
          {2085, 720, 3240, 210}, bold9, Look::PaleLavender);
    lblPsycheSign = label(QStringLiteral("lblPsycheSign"), QString(), result,
                          {2827, 1080, 1620, 210}, bold9, Look::PaleLavender, Qt::AlignHCenter);
    lblSignDesc = label(QStringLiteral("lblSignDesc"), QString(), result, {150, 1440, 6975, 1335},
                        bold, Look::PaleLavender, Qt::AlignHCenter | Qt::AlignTop, true);
    // The reading can be selected and copied with the mouse; a click gives
    // the label the focus for Ctrl+C, but Tab never stops there.
    for (QLabel* reading : {lblPsycheSign, lblSignDesc}) {
        reading->setTextInteractionFlags(Qt::TextSelectableByMouse);
        reading->setFocusPolicy(Qt::ClickFocus);
    }

    cmdBack = button(QStringLiteral("cmdBack"), QStringLiteral("&Back"), area, {0, 3600, 5895, 465},
                     bold);
    cmdExit = button(QStringLiteral("cmdExit"), QStringLiteral("&Exit"), area,
                     {6000, 3600, 1215, 465}, bold);
    connect(cmdBack, &QPushButton::clicked, this, &frmDisplay::cmdBack_Click);
    connect(cmdExit, &QPushButton::clicked, this, &Form::unload);
    setDefaultButton(cmdExit);
    setCancelButton(cmdExit);
    setTabOrder(cmdExit, cmdBack);

    QFrame* frame5 =
        frame(QStringLiteral("Frame5"), area, {0, 4080, 7215, 855}, Look::PaleLavender);
    const QFont plain = Look::verdana(8.25);
    lblCobrand =
        link(QStringLiteral("lblCobrand"), WebMenus::coBrandText(), frame5, {135, 160, 6945, 615},
             plain, Look::DarkPlum, Qt::AlignHCenter | Qt::AlignTop);
    lblFullBrand =
        link(QStringLiteral("lblFullBrand"), WebMenus::fullBrandText(), frame5,
             {135, 165, 6945, 615}, plain, Look::DarkPlum, Qt::AlignHCenter | Qt::AlignTop);
    // Defined last, the full-brand label covers the co-brand one here.
    fill(lblFullBrand, Look::PaleLavender);
    lblFullBrand->raise();
    WebMenus::connectLabels(Label61, lblCobrand, lblFullBrand);

    buildMenus();
    cmdExit->setFocus();
}

void frmDisplay::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    file->menuAction()->setObjectName(QStringLiteral("mnuFile"));
    QAction* back = file->addAction(QStringLiteral("&Back"));
    back->setObjectName(QStringLiteral("mnuFileBack"));
    connect(back, &QAction::triggered, this, &frmDisplay::cmdBack_Click);
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &Form::unload);

    WebMenus::addWebMenus(menuBar(),
                          {QStringLiteral("&Check for Software Update"),
                           QStringLiteral("mnuFileSep1"), QStringLiteral("mnuFileSep2")});
}

void frmDisplay::showReading(const QString& signName, const QString& description)
{
    lblPsycheSign->setText(signName);
    lblSignDesc->setText(description);
    Controls::fitText(lblPsycheSign);
    Controls::fitText(lblSignDesc);
}

void frmDisplay::cmdBack_Click()
{
    m_goingBack = true;
    unload();
    Forms::get<frmMain>()->show();
    frmPromotion::hideExitScreen();
}

void frmDisplay::unloading()
{
    // Leaving never ends the program by itself: the exit screen does.
    if (!m_goingBack)
        frmPromotion::showExitScreen();
}

#include "frmPromotion.h"

#include "app/AppInfo.h"
#include "app/Application.h"
#include "app/Controls.h"
#include "app/Look.h"

#include <QPushButton>

frmPromotion::frmPromotion() : Form(QStringLiteral("frmPromotion"), 11115, 4725)
{
    setWindowTitle(App::AppCaption);
    Look::setColours(client(), Qt::white, Qt::black);
    cmdClose = Controls::button(QStringLiteral("cmdClose"), QStringLiteral("E&xit"), client(),
                                {6000, 2760, 1245, 375}, Look::verdana(8.25));
    connect(cmdClose, &QPushButton::clicked, this, [] { App::EndApplication(); });
    cmdClose->setFocus();
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
    Forms::get<frmPromotion>()->hide();
}

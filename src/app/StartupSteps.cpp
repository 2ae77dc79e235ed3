#include "StartupSteps.h"

#include "entry/frmMain.h"
#include "web/CoBrand.h"
#include "web/UpdateReminder.h"

#include <QDateTime>

namespace Startup {

void remindOfUpdate(const QDateTime& now)
{
    UpdateReminder(now);
}

void showEntryWindow()
{
    Forms::get<frmMain>()->show();
}

void chooseCoBrand()
{
    CoBrand_Randomize();
}

} // namespace Startup

#include "StartupSteps.h"

#include "entry/frmMain.h"

#include <QDateTime>

namespace Startup {

void remindOfUpdate(const QDateTime&) {}

void showEntryWindow()
{
    Forms::get<frmMain>()->show();
}

void chooseCoBrand() {}

} // namespace Startup

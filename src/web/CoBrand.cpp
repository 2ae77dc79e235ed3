#include "CoBrand.h"

#include "app/Application.h"
#include "app/ClickableLabel.h"
#include "entry/frmMain.h"

qint16 intCoBrandRandomNumber = 0;

namespace CoBrand {

Front frontFor(int number)
{
    return number % 2 == 0 ? Front::FullBrand : Front::CoBrand;
}

} // namespace CoBrand

void CoBrand_Randomize()
{
    intCoBrandRandomNumber = static_cast<qint16>(App::random().bounded(1, 7));
    frmMain* window = Forms::get<frmMain>();
    // The two labels share one place: the one raised last is seen and clicked.
    if (CoBrand::frontFor(intCoBrandRandomNumber) == CoBrand::Front::FullBrand)
        window->lblFullBrand->raise();
    else
        window->lblCobrand->raise();
}

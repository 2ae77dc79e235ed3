#include "AboutBox.h"

#include "frmAbout.h"

namespace AboutBox {

void show()
{
    // A fresh box each time; it deletes itself once closed.
    auto* box = new frmAbout;
    box->exec();
}

} // namespace AboutBox

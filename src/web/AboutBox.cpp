#include "AboutBox.h"

namespace AboutBox {

void show() {}

} // namespace AboutBox

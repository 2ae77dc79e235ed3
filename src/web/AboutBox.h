#pragma once

// The About box: created afresh, shown modal, unloaded when closed.
namespace AboutBox {

void show();

} // namespace AboutBox

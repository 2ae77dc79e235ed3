#pragma once

#include "app/Form.h"

class QPushButton;

// The exit screen: shown when the entry or result window is closed; closing
// it ends the program. Loaded once per run, then only hidden and shown.
class frmPromotion : public Form
{
    Q_OBJECT

public:
    frmPromotion();

    // Shows the screen (loading it first if needed), topmost, without
    // taking the focus from the window that has it.
    static void showExitScreen();
    // Hides the screen, loading it first if needed, without it ever showing.
    static void hideExitScreen();

    QPushButton* cmdClose;

protected:
    void unloading() override;
};

#pragma once

#include "ui/wizard/picker_window.h"

// Step 3: the theme picture of the board.
class Form4 : public PickerWindow {
    Q_OBJECT
public:
    // Creates the window afresh and shows it.
    static WizardWindow *open() { return opened(new Form4); }

private:
    Form4();
};

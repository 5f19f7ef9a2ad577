#pragma once

#include "ui/wizard/picker_window.h"

// Step 2: the backdrop of the board.
class Form3 : public PickerWindow {
    Q_OBJECT
public:
    // Creates the window afresh and shows it.
    static WizardWindow *open() { return opened(new Form3); }

private:
    Form3();
};

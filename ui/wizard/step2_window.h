#pragma once

#include "ui/wizard/picker_window.h"

// Step 2: the backdrop of the board.
class Form3 : public PickerWindow {
    Q_OBJECT
public:
    // Creates the window afresh and shows it.
    static Form3 *open();

protected:
    void Image1_Click() override;
    void Image2_Click() override;

private:
    Form3();
};

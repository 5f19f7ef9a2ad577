#pragma once

#include "ui/wizard/picker_window.h"

// Step 3: the theme picture of the board.
class Form4 : public PickerWindow {
    Q_OBJECT
public:
    // Creates the window afresh and shows it.
    static Form4 *open();

protected:
    void Image1_Click() override;
    void Image2_Click() override;

private:
    Form4();
};

#pragma once

#include "ui/common/wizard_window.h"

class PictureArea;

// The wizard's last window: tells the title the board is saved under, and
// its finish arrow saves the board and returns to the main menu.
class Form7 : public WizardWindow {
    Q_OBJECT
public:
    // Creates the window afresh and shows it.
    static WizardWindow *open() { return opened(new Form7); }

protected:
    void loadimages() override;
    void Image2_Click() override;

private:
    Form7();

    PictureArea *image3_;
    PictureArea *image4_;
    PictureArea *image5_;
};

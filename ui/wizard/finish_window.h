#pragma once

#include "ui/wizard/wizard_window.h"

class PictureArea;
class QLabel;

// The wizard's last window: tells the title the board is saved under, and
// its finish arrow saves the board and returns to the main menu.
class Form7 : public WizardWindow {
    Q_OBJECT
public:
    // Creates the window afresh and shows it.
    static Form7 *open();

protected:
    void Form_Load() override;
    void loadimages() override;
    void Image1_Click() override;
    void Image2_Click() override;

private:
    Form7();

    QLabel *label1_1_;
    PictureArea *image3_;
    PictureArea *image4_;
    PictureArea *image5_;
};

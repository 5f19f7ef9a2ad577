#pragma once

#include "ui/wizard/wizard_window.h"

class PictureArea;
class QLineEdit;
class QPlainTextEdit;

// Step 4: the welcome message under the board's title and the thank-you
// message a guest sees after saving a note.
class Form5 : public WizardWindow {
    Q_OBJECT
public:
    // Creates the window afresh and shows it.
    static Form5 *open();

protected:
    void Form_Load() override;
    void loadimages() override;
    void retval() override;
    void Image1_Click() override;
    void Image2_Click() override;

private:
    Form5();
    bool valdata();
    void setval();

    QPlainTextEdit *text1_;
    QLineEdit *text2_;
    PictureArea *image3_;
};

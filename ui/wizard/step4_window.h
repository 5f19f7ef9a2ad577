#pragma once

#include "ui/common/wizard_window.h"

class PictureArea;
class QLineEdit;
class QPlainTextEdit;

// Step 4: the welcome message under the board's title and the thank-you
// message a guest sees after saving a note.
class Form5 : public WizardWindow {
    Q_OBJECT
public:
    // Creates the window afresh and shows it.
    static WizardWindow *open() { return opened(new Form5); }

protected:
    void loadimages() override;
    void retval() override;

private:
    Form5();
    bool valdata() override;
    void setval() override;

    QPlainTextEdit *text1_;
    QLineEdit *text2_;
    PictureArea *image3_;
};

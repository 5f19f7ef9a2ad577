#pragma once

#include "ui/common/wizard_window.h"

class PictureArea;
class QLineEdit;

// Step 1: the board's title and its privacy password.
class Form2 : public WizardWindow {
    Q_OBJECT
public:
    // Creates the window afresh and shows it.
    static WizardWindow *open() { return opened(new Form2); }

    // A title is not empty and made of allowed characters only.
    static bool valid_title(const QString &text);
    // Letters A-Z and a-z, digits, the blank and the marks ) ( . & ' - , pass.
    static bool valid_title_char(const QString &character);

protected:
    void loadimages() override;
    void retval() override;

private:
    Form2();
    bool valdata() override;
    void setval() override;

    QLineEdit *text1_;
    QLineEdit *text2_;
    PictureArea *image3_;
    PictureArea *image4_;
};

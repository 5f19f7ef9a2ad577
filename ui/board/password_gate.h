#pragma once

#include "ui/common/wizard_window.h"

class QKeyEvent;
class QLineEdit;

// Asks for the board's password before its signatures are shown or the
// board is edited, in the frame of the wizard's windows.
class Form9 : public WizardWindow {
    Q_OBJECT
public:
    // Creates the window afresh and shows it.
    static Form9 *open();

protected:
    void loadimages() override;
    void Image2_Click() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    Form9();

    bool Text1_KeyDown(QKeyEvent *event);
    void pok();

    PictureArea *Image3;
    QLineEdit *Text1;
};

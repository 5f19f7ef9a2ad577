#pragma once

#include "ui/common/wizard_window.h"

#include <array>

class PictureArea;
class QListWidget;
class QListWidgetItem;

// Step 5: the sound played when a guest saves a note and the one played
// when a guest clears the note area, chosen from the audio folder.
class Form6 : public WizardWindow {
    Q_OBJECT
public:
    // Creates the window afresh and shows it.
    static WizardWindow *open() { return opened(new Form6); }

protected:
    void loadimages() override;
    void retval() override;

private:
    Form6();
    void fill_choices();
    void frl(const QString &search, int lst);
    void setval() override;
    void List1_DblClick(int index, QListWidgetItem *item);

    std::array<QListWidget *, 2> list1_{};
    PictureArea *image3_;
    PictureArea *image4_;
    PictureArea *image5_;
};

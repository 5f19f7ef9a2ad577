#pragma once

#include "core/board_file.h"
#include "ui/common/wizard_window.h"

#include <array>

class PictureArea;
class ShapeOutline;

// What tells the backdrop picker from the theme picker.
struct PickerDesign {
    QString heading;
    QString picture_prefix;        // "b_" or "t_"
    int first_picture;             // thumbnails before it stay empty
    std::array<int, 7> thumb_left; // twips
    std::array<int, 7> caption_left;
    std::array<QString, 7> captions;
    qint16 BoardDefinition::*field;
};

// Steps 2 and 3: seven thumbnails in a row of four and a row of three; a
// click frames one and makes it the choice.
class PickerWindow : public WizardWindow {
    Q_OBJECT
protected:
    PickerWindow(const QString &object_name, const PickerDesign &design, Window back, Window next);

    void loadimages() override;
    void retval() override;
    void setval() override;

private:
    void outline_empty_thumbnails();
    void make_selection(int index);
    void Image3_Click(int index);

    const PickerDesign &design_;
    std::array<PictureArea *, 7> image3_{};
    ShapeOutline *shape1_;
    qint16 sel_idx = 0;
};

#pragma once

#include <QWidget>
#include <array>

class ClickLabel;
class NoteArea;
class PictureArea;
class QFrame;
class QLabel;

// The board's client area in the mode of board_mode: the backdrop, the two
// panels, the theme picture, the title, welcome and tip, the two picture
// buttons with their captions and the note area, kept around the centred
// main panel at any size.
class BoardScreen : public QWidget {
    Q_OBJECT
public:
    explicit BoardScreen(QWidget *parent);

    // Pictures, captions and texts of the board, and in browse mode a
    // read-only note area without the tip.
    void load();
    NoteArea *note_area() const { return Text1; }
    // The title, followed by `suffix` where it fits.
    void show_title(const QString &suffix);
    // A screen reader reads the note area's description with it.
    void describe_for_screen_reader(bool with_welcome);

signals:
    // A button's picture or its caption: 1 the upper, 0 the lower.
    void clicked(int index);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void build_buttons();
    void Form_Resize();
    void loadimages();
    void set_button_caption(int index, const QString &caption);

    PictureArea *Image1 = nullptr;
    std::array<QFrame *, 2> Shape1{};
    PictureArea *Image3 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    std::array<PictureArea *, 2> Image2{};
    std::array<ClickLabel *, 2> Label1{};
    QLabel *Label4 = nullptr;
    NoteArea *Text1 = nullptr;
};

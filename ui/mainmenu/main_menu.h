#pragma once

#include <QMainWindow>
#include <QStringList>
#include <array>

class ActionPictures;
class BoardList;
class ClickLabel;
class PictureArea;
class QAction;

// The opening screen and the hub every window returns to: the board list,
// the five action pictures and the menus.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kSlots = 5;

    // Creates a fresh main menu and shows it.
    static Form1 *open();

    // Ends the program at once.
    void getout();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Form1();

    void build_controls();
    void build_menus();

    void Form_Load();
    void Form_Unload();
    void Form_MouseMove();

    void loadimages();
    void refresh_board_list();
    void synch_fdisp();
    void set_slot_text(int slot, const QString &text);
    void set_slot_look(int slot, bool highlighted);
    void highlight_file(int slot);
    // The text of the selected slot: the board the actions work on.
    QString selected_board() const;
    void no_hf();

    void Label1_Click(int index);
    void Label1_MouseMove(int index);
    void step_selection(int direction);
    void Image2_Click(int index);
    void Image1_Click(int index);

    void switch_sound(bool on);
    void show_sound_marks();
    void cutsnd();

    PictureArea *background_ = nullptr;
    BoardList *board_list_ = nullptr;
    std::array<ClickLabel *, kSlots> Label1{};
    // The whole titles, which a slot may show cut short.
    std::array<QString, kSlots> slot_titles_;
    std::array<PictureArea *, 2> Image2{};
    ActionPictures *action_pictures_ = nullptr;
    QAction *ms_on = nullptr;
    QAction *ms_off = nullptr;

    // File1: the board files of the app folder.
    QStringList File1;

    int hover_slot = -1;
    int sel_slot = -1;
    int top_index = 0;
    int max_top = 0;
};

#pragma once

#include <QMainWindow>
#include <array>

class ClickLabel;
class PictureArea;
class QAction;
class QFrame;
class QKeyEvent;
class NoteArea;
class QLabel;

// The sign-in board, in guest mode or browse mode by board_mode.
class Form8 : public QMainWindow {
    Q_OBJECT
public:
    // Creates the board afresh and shows it, maximized.
    static Form8 *open();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    explicit Form8(QWidget *parent = nullptr);

    void build_controls();
    void build_buttons(QWidget *client);
    void build_menus();

    void Form_Load();
    void Form_Resize();
    void Form_Unload();
    void show_full_screen_size();
    QSize design_size() const;

    void loadimages();
    void set_button_caption(int index, const QString &caption);
    void retval();
    void disp_sig();
    void describe_for_screen_reader(bool with_welcome);

    bool Text1_KeyDown(QKeyEvent *event);
    void proc(int idx);
    void save_note();
    void start_over();
    void next_signature();
    void previous_signature();
    void show_page();

    void Image2_Click(int index);
    void Label1_Click(int index);
    void quit_Click();
    void about_Click();
    void export_Click();
    void exporter();

    PictureArea *Image1 = nullptr;
    std::array<QFrame *, 2> Shape1{};
    PictureArea *Image3 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    std::array<PictureArea *, 2> Image2{};
    std::array<ClickLabel *, 2> Label1{};
    QLabel *Label4 = nullptr;
    NoteArea *Text1 = nullptr;
    QAction *export_action = nullptr;
};

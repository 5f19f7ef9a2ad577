#pragma once

#include <QMainWindow>

class BoardScreen;
class QAction;
class QKeyEvent;

// The sign-in board, in guest mode or browse mode by board_mode: the board's
// screen under a menu bar of three commands, and the board's keys.
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
    Form8();

    void build_menus();
    void Form_Load();
    void Form_Unload();
    void show_full_screen_size();
    QSize design_size() const;

    bool Text1_KeyDown(QKeyEvent *event);
    void proc(int idx);

    void quit_Click();
    void about_Click();
    void export_Click();

    BoardScreen *screen_ = nullptr;
    QAction *export_action = nullptr;
};

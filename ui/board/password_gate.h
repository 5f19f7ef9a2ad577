#pragma once

#include <QWidget>

class PictureArea;
class QKeyEvent;
class QLineEdit;

// Asks for the board's password before its signatures are shown or the
// board is edited.
class Form9 : public QWidget {
    Q_OBJECT
public:
    // Creates the window afresh and shows it.
    static Form9 *open();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    explicit Form9(QWidget *parent = nullptr);

    void build_controls();
    void Form_Load();
    void loadimages();

    bool Text1_KeyDown(QKeyEvent *event);
    void Image1_Click();
    void Image2_Click();
    void pok();

    PictureArea *background_ = nullptr;
    PictureArea *Image3 = nullptr;
    QLineEdit *Text1 = nullptr;
    PictureArea *Image1 = nullptr;
    PictureArea *Image2 = nullptr;
};

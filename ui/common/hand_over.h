#pragma once

class QString;
class QWidget;

// The program's windows, as one window names the one that comes next.
enum class Window { MainMenu, Step1, Step2, Step3, Step4, Step5, Finish, Board, Gate };

// Creates a fresh `next` window and shows it.
void show_window(Window next);

// Shows a fresh `next` window, then closes `from`: as a rule only one of the
// program's windows stands on the screen.
void hand_over(QWidget *from, Window next);

// The one window that opens beside another: the export window shows `text`
// and takes the window icon of `beside`, which stays open.
void show_export(QWidget *beside, const QString &text);

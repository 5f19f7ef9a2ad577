#pragma once

#include <QFont>
#include <QMargins>
#include <QRect>

#include <functional>

class QWidget;

// Design positions are in twips: 15 make one pixel at 96 dots per inch.
int twips(int tw);
QRect twips_rect(int left, int top, int width, int height);

// "MS Sans Serif" at an exact point size (8.25, 9.75, 12, 13.5), drawn with
// an installed sans serif of similar width.
QFont ms_sans_serif(qreal points, bool bold = false);

// What every window of the application shares: the fonts and the style.
void apply_application_conventions();

// Places the window in the middle of the whole screen, frame included. A
// window manager may put its frame around the window only after it is
// shown; the window is then centred again, once, by its outer size.
void center(QWidget *window);

// Tests stand in for the window manager: the frame margins it reports for a
// window (nullptr for the platform's own).
using FrameMarginsSource = QMargins (*)(const QWidget *window);
void set_frame_margins_source(FrameMarginsSource source);

// Where the outer frame's top-left corner goes: half of what the screen has
// left around the outer size, without rounding up.
QPoint centred_position(const QRect &screen, const QSize &outer);

// Runs `then` once, when `widget`'s first picture is on the screen (an
// event-loop turn after its first paint, then a round trip to the display
// server), so that work nobody needs to see at once does not hold it up.
void after_first_paint(QWidget *widget, std::function<void()> then);

// The caption every window carries, and the program's icon, which comes
// with the first window's first paint.
void apply_window_conventions(QWidget *window);

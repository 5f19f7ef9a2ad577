#pragma once

#include <QString>

class QWidget;

// Makes the program's windows and controls known to assistive technology as
// what they are; called once when the application starts.
void install_accessibility();

// Tells assistive technology which window this is ("Step 2 of 5: backdrop")
// while its caption stays the program's title; a plain top-level widget is
// presented as a window, not as a filler.
void describe_window(QWidget *window, const QString &where);

// A label shown on screen that repeats the name of the control it captions:
// assistive technology hears the control alone.
void mark_as_caption(QWidget *label);

// Assistive technology meets the widget as a new object and, when the widget
// has the focus, hears it whole: name, description and text. For a widget
// whose content changes in place (the selected slot after the list scrolls,
// the note area after paging), since Qt tells a changed name or description
// without its new text, which a screen reader then cannot read.
void present_anew(QWidget *widget);

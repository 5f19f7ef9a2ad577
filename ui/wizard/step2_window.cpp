#include "ui/wizard/step2_window.h"

#include "ui/common/accessibility.h"

namespace {

// The first backdrop is the board's plain default; its thumbnail stays empty.
const PickerDesign kBackdrops{
    QStringLiteral("Step 2: Choose a backdrop for your sign-in board:"),
    QStringLiteral("b_"),
    1,
    {322, 1995, 3675, 5362, 1162, 2842, 4522},
    {322, 2002, 3682, 5362, 1162, 2842, 4522},
    {QStringLiteral("Default (Halo)"), QStringLiteral("Clouds"), QStringLiteral("Pink Marble"),
     QStringLiteral("Red Roses"), QStringLiteral("Sea Shells"), QStringLiteral("Psycho"),
     QStringLiteral("Wood")},
    &BoardDefinition::backdrop_idx,
};

} // namespace

Form3::Form3() : PickerWindow(QStringLiteral("Form3"), kBackdrops, Window::Step1, Window::Step3)
{
    describe_window(this, QStringLiteral("Step 2 of 5: backdrop"));
}

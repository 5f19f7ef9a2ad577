#include "ui/wizard/step2_window.h"

#include "ui/common/accessibility.h"
#include "ui/wizard/step1_window.h"
#include "ui/wizard/step3_window.h"

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

Form3::Form3() : PickerWindow(QStringLiteral("Form3"), kBackdrops)
{
    describe_window(this, QStringLiteral("Step 2 of 5: backdrop"));
}

Form3 *Form3::open()
{
    auto *window = new Form3;
    window->Form_Load();
    return window;
}

void Form3::Image1_Click()
{
    Form2::open();
    close();
}

void Form3::Image2_Click()
{
    setval();
    Form4::open();
    close();
}

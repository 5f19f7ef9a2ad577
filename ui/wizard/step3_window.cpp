#include "ui/wizard/step3_window.h"

#include "ui/common/accessibility.h"

namespace {

const PickerDesign kThemes{
    QStringLiteral("Step 3: Choose a theme for your sign-in board:"),
    QStringLiteral("t_"),
    0,
    {352, 2032, 3712, 5392, 1192, 2872, 4552},
    {352, 2032, 3712, 5392, 1192, 2872, 4552},
    {QStringLiteral("Celebration 1"), QStringLiteral("Celebration 2"),
     QStringLiteral("Graduation 1"), QStringLiteral("Graduation 2"), QStringLiteral("Birthday 1"),
     QStringLiteral("Birthday 2"), QStringLiteral("Wedding")},
    &BoardDefinition::theme_idx,
};

} // namespace

Form4::Form4() : PickerWindow(QStringLiteral("Form4"), kThemes, Window::Step2, Window::Step4)
{
    describe_window(this, QStringLiteral("Step 3 of 5: theme"));
}

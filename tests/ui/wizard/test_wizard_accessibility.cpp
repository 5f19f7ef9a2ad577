// What a screen reader learns of the wizard: every step is a window that
// says which step it is, the framed thumbnail is the checked one, captions
// are not a second control, and the arrows take no keys.
#include "core/board_file.h"
#include "tests/support/test_support.h"
#include "tests/ui/wizard/wizard_driver.h"
#include "ui/board/password_gate.h"
#include "ui/mainmenu/main_menu.h"
#include "ui/wizard/step1_window.h"

#include <QAccessible>
#include <QLabel>
#include <QSignalSpy>

namespace {

QAccessibleInterface *accessible(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

QString description()
{
    return current() ? accessible(current())->text(QAccessible::Description) : QString();
}

// The names of the window's accessible children of that role.
QStringList names_of(QAccessible::Role role)
{
    QStringList out;
    QAccessibleInterface *window = accessible(current());
    for (int i = 0; i < window->childCount(); ++i) {
        if (window->child(i)->role() == role)
            out.append(window->child(i)->text(QAccessible::Name));
    }
    return out;
}

QStringList checked_thumbnails()
{
    QStringList out;
    QAccessibleInterface *window = accessible(current());
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface *child = window->child(i);
        if (child->role() == QAccessible::RadioButton && child->state().checked)
            out.append(child->text(QAccessible::Name));
    }
    return out;
}

} // namespace

class TestWizardAccessibility : public WindowTest {
    Q_OBJECT
private slots:
    void steps_are_windows_that_say_where_the_host_is()
    {
        TempAppFolder app;
        MessageRecorder boxes;
        reset_board();
        BoardSettings.title = QStringLiteral("Party");
        Form2::open();
        const QStringList expected{
            "Step 1 of 5: title and password", "Step 2 of 5: backdrop", "Step 3 of 5: theme",
            "Step 4 of 5: welcome and thank-you messages", "Step 5 of 5: sound effects",
            "Finish: save the board"};
        for (int step = 0; step < expected.size(); ++step) {
            QVERIFY2(current(), qPrintable(current_name()));
            QCOMPARE(current()->windowTitle(), QStringLiteral("Quillora 2003"));
            QCOMPARE(accessible(current())->role(), QAccessible::Window);
            QCOMPARE(description(), expected[step]);
            // The arrows stay the mouse's.
            QCOMPARE(part<PictureArea>("Image2")->focusPolicy(), Qt::NoFocus);
            if (step + 1 < expected.size())
                QVERIFY(next());
        }
        close_all_windows();

        BoardSettings.password = QStringLiteral("pw");
        Form9::open();
        QCOMPARE(accessible(current())->role(), QAccessible::Window);
        QCOMPARE(description(), QStringLiteral("Password"));
    }

    void the_framed_thumbnail_is_checked()
    {
        TempAppFolder app;
        reset_board();
        BoardSettings.title = QStringLiteral("Party");
        BoardSettings.backdrop_idx = 3;
        Form2::open();
        QVERIFY(next());
        QCOMPARE(current_name(), QStringLiteral("Form3"));
        QCOMPARE(checked_thumbnails(), QStringList{"Red Roses"});
        // Each caption is heard once: as the thumbnail's name, not as a label.
        QCOMPARE(names_of(QAccessible::RadioButton).size(), 7);
        QVERIFY(!names_of(QAccessible::StaticText).contains(QStringLiteral("Red Roses")));
        QVERIFY(names_of(QAccessible::StaticText).contains(
            QStringLiteral("Step 2: Choose a backdrop for your sign-in board:")));
        QVERIFY(current()->findChild<QLabel *>(QStringLiteral("Label2_3"))->isVisible());

        QVERIFY(click("Image3_6"));
        QCOMPARE(checked_thumbnails(), QStringList{"Wood"});
        QVERIFY(click("Image3_6"));
        QCOMPARE(checked_thumbnails(), QStringList{"Wood"});
        QVERIFY(next());
        QCOMPARE(BoardSettings.backdrop_idx, qint16(6));
        QCOMPARE(checked_thumbnails(), QStringList{"Celebration 1"});
    }
};

QTEST_MAIN(TestWizardAccessibility)
#include "test_wizard_accessibility.moc"

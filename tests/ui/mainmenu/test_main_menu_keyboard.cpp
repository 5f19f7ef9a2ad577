// The main menu without a mouse: the board list as a list for assistive
// technology and the keyboard, Tab between the pictures, Return and Space.
#include "core/app_state.h"
#include "core/board_file.h"
#include "tests/support/test_support.h"
#include "ui/board/board_window.h"
#include "ui/common/click_label.h"
#include "ui/common/picture_area.h"
#include "ui/mainmenu/board_list.h"
#include "ui/mainmenu/main_menu.h"
#include "ui/wizard/step1_window.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLabel>
#include <QMenu>
#include <QTest>

#include <memory>

namespace {

QLabel *slot(Form1 *w, int i)
{
    return w->findChild<QLabel *>(QStringLiteral("Label1_%1").arg(i));
}

QWidget *named(Form1 *w, const QString &name)
{
    return w->findChild<QWidget *>(name);
}

BoardList *board_list(Form1 *w)
{
    return w->findChild<BoardList *>();
}

bool highlighted(const QLabel *label)
{
    return label->autoFillBackground() && label->palette().color(QPalette::WindowText) == Qt::white;
}

void key(int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(k), modifiers);
}

QAccessibleInterface *item(Form1 *w, int i)
{
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(board_list(w));
    return list ? list->child(i) : nullptr;
}

} // namespace

class MainMenuKeyboardTest : public WindowTest {
    Q_OBJECT


    void write_boards(const QStringList &titles)
    {
        for (const QString &title : titles) {
            BoardDefinition board;
            board.title = title;
            board.welcome_msg = QStringLiteral("Welcome\r\n");
            folder->write(title + QStringLiteral(".qla"), board_file_bytes(board));
        }
    }

    Form1 *open_menu()
    {
        Form1 *w = Form1::open();
        w->activateWindow();
        if (!QTest::qWaitForWindowActive(w))
            qWarning("main menu not active");
        return w;
    }

private slots:
    void init() { open_fixture(); }

    void select_and_run_by_keys_alone()
    {
        write_boards({"Alpha", "Beta", "Gamma"});
        Form1 *w = open_menu();
        QTRY_COMPARE(QApplication::focusWidget(), board_list(w));

        key(Qt::Key_Down);
        QVERIFY(highlighted(slot(w, 0)));
        key(Qt::Key_Down);
        QVERIFY(highlighted(slot(w, 1)));
        QVERIFY(!highlighted(slot(w, 0)));
        key(Qt::Key_Down);
        key(Qt::Key_Down); // the fourth slot is empty: the selection stays
        QVERIFY(highlighted(slot(w, 2)));
        key(Qt::Key_Up);
        QVERIFY(highlighted(slot(w, 1)));

        // Tab: the list, the two scroll buttons, then the five pictures.
        const QStringList order{"Image2_0", "Image2_1", "Image1_0", "Image1_1", "Image1_2"};
        for (const QString &name : order) {
            key(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), named(w, name));
        }
        key(Qt::Key_Return);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(windows_of<Form8>().size(), 1);
        QVERIFY(windows_of<Form1>().isEmpty());
        QCOMPARE(BoardSettings.title, QStringLiteral("Beta"));
        QCOMPARE(board_mode, kGuestMode);
    }

    void space_and_return_press_pictures()
    {
        write_boards({"a", "b", "c", "d", "e", "f"});
        Form1 *w = open_menu();
        key(Qt::Key_Tab);
        key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), named(w, "Image2_1"));
        key(Qt::Key_Space);
        QCOMPARE(slot(w, 0)->text(), QStringLiteral("b"));
        key(Qt::Key_Backtab);
        key(Qt::Key_Return);
        QCOMPARE(slot(w, 0)->text(), QStringLiteral("a"));

        // Run without a selection answers as a click does.
        for (int i = 0; i < 4; ++i)
            key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), named(w, "Image1_2"));
        key(Qt::Key_Space);
        QCOMPARE(messages->boxes.size(), 1);
        QVERIFY(messages->last().startsWith(QStringLiteral("Please select an existing Quillora")));
        // Other keys do nothing there.
        key(Qt::Key_A);
        key(Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(messages->boxes.size(), 1);
    }

    void up_and_down_scroll_at_the_ends()
    {
        write_boards({"a", "b", "c", "d", "e", "f", "g"});
        Form1 *w = open_menu();
        board_list(w)->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < 5; ++i)
            key(Qt::Key_Down);
        QVERIFY(highlighted(slot(w, 4)));
        QCOMPARE(slot(w, 4)->text(), QStringLiteral("e"));
        key(Qt::Key_Down);
        QCOMPARE(slot(w, 4)->text(), QStringLiteral("f"));
        QCOMPARE(slot(w, 0)->text(), QStringLiteral("b"));
        QVERIFY(highlighted(slot(w, 4)));
        key(Qt::Key_Down);
        key(Qt::Key_Down); // the end: nothing moves
        QCOMPARE(slot(w, 4)->text(), QStringLiteral("g"));
        QCOMPARE(item(w, 4)->text(QAccessible::Name), QStringLiteral("g"));

        for (int i = 0; i < 4; ++i)
            key(Qt::Key_Up);
        QVERIFY(highlighted(slot(w, 0)));
        QCOMPARE(slot(w, 0)->text(), QStringLiteral("c"));
        key(Qt::Key_Up);
        key(Qt::Key_Up);
        key(Qt::Key_Up);
        QCOMPARE(slot(w, 0)->text(), QStringLiteral("a"));
        QVERIFY(highlighted(slot(w, 0)));

        // Run takes the board the selected slot names.
        for (int i = 0; i < 5; ++i)
            key(Qt::Key_Tab);
        key(Qt::Key_Return);
        QCOMPARE(BoardSettings.title, QStringLiteral("a"));
    }

    void list_reaches_assistive_technology()
    {
        write_boards({"Alpha", "Beta"});
        Form1 *w = open_menu();
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(board_list(w));
        QVERIFY(list);
        QCOMPARE(list->role(), QAccessible::List);
        QCOMPARE(list->text(QAccessible::Name), QStringLiteral("Boards"));
        QVERIFY(list->state().focusable);
        // The items are the boards shown; the empty slots are none.
        QCOMPARE(list->childCount(), 2);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(item(w, i)->role(), QAccessible::ListItem);
            QCOMPARE(item(w, i)->parent()->object(), board_list(w));
            QCOMPARE(list->indexOfChild(item(w, i)), i);
            QVERIFY(item(w, i)->state().selectable);
            QVERIFY(!item(w, i)->state().selected);
        }
        QCOMPARE(item(w, 1)->text(QAccessible::Name), QStringLiteral("Beta"));
        QCOMPARE(item(w, 2), nullptr);

        // "Select" on a board does what a click does, takes the focus and
        // announces the choice.
        QCOMPARE(item(w, 1)->actionInterface()->actionNames(),
                 (QStringList{QAccessibleActionInterface::pressAction(), "Select"}));

        QWidget *run = named(w, "Image1_2");
        run->setFocus(Qt::TabFocusReason);
        item(w, 1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(highlighted(slot(w, 1)));
        QVERIFY(item(w, 1)->state().selected);
        QVERIFY(item(w, 1)->state().focused);
        QCOMPARE(QApplication::focusWidget(), board_list(w));
        QCOMPARE(list->focusChild()->object(), slot(w, 1));

        // The keyboard moves the selected state along.
        key(Qt::Key_Up);
        QVERIFY(item(w, 0)->state().selected);
        QVERIFY(!item(w, 1)->state().selected);
        QVERIFY(item(w, 0)->state().focused);
    }

    void focus_is_drawn_only_for_the_keyboard()
    {
        write_boards({"Alpha", "Beta"});
        Form1 *w = open_menu();
        BoardList *list = board_list(w);
        const QImage untouched = list->grab().toImage();
        QTest::mouseClick(slot(w, 1), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), list);
        const QImage clicked = list->grab().toImage();
        // Without the focus the list looks the same: a click draws no mark.
        list->clearFocus();
        QCOMPARE(list->grab().toImage(), clicked);
        QVERIFY(clicked != untouched);

        list->setFocus(Qt::MouseFocusReason);
        key(Qt::Key_Up);
        key(Qt::Key_Down);
        QVERIFY(highlighted(slot(w, 1)));
        QVERIFY(list->grab().toImage() != clicked);

        // The picture under the mouse shows no mark; reached by Tab it does.
        QWidget *quit = named(w, "Image1_4");
        const QImage quit_at_rest = quit->grab().toImage();
        quit->setFocus(Qt::MouseFocusReason);
        QCOMPARE(quit->grab().toImage(), quit_at_rest);
        list->setFocus(Qt::MouseFocusReason);
        quit->setFocus(Qt::TabFocusReason);
        QVERIFY(quit->grab().toImage() != quit_at_rest);
    }
};

QTEST_MAIN(MainMenuKeyboardTest)
#include "test_main_menu_keyboard.moc"

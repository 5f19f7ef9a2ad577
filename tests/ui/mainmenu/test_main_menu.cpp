#include "core/app_state.h"
#include "core/board_file.h"
#include "core/prefs.h"
#include "core/signature_store.h"
#include "tests/support/test_support.h"
#include "ui/board/board_window.h"
#include "ui/board/export_window.h"
#include "ui/board/password_gate.h"
#include "ui/common/picture_area.h"
#include "ui/common/sleep.h"
#include "ui/mainmenu/main_menu.h"
#include "ui/wizard/step1_window.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

#include <functional>
#include <memory>
#include <sys/stat.h>

namespace {

// Records the waits of the user-interface thread instead of sleeping.
struct SleepRecorder {
    SleepRecorder() { set_sleep_handler([this](int ms) { waits.append(ms); }); }
    ~SleepRecorder() { set_sleep_handler({}); }
    QList<int> waits;
};

const QColor kBrown(127, 87, 15);
const QColor kWhite(255, 255, 255);

QLabel *slot(Form1 *w, int i)
{
    return w->findChild<QLabel *>(QStringLiteral("Label1_%1").arg(i));
}

// Where a control lies in the window's client area.
QRect client_rect(Form1 *w, const QWidget *control)
{
    return QRect(control->mapTo(w->centralWidget(), QPoint(0, 0)), control->size());
}

QStringList slot_texts(Form1 *w)
{
    QStringList out;
    for (int i = 0; i < 5; ++i)
        out.append(slot(w, i)->text());
    return out;
}

PictureArea *action_picture(Form1 *w, int i)
{
    return w->findChild<PictureArea *>(QStringLiteral("Image1_%1").arg(i));
}

PictureArea *scroll_button(Form1 *w, int i)
{
    return w->findChild<PictureArea *>(QStringLiteral("Image2_%1").arg(i));
}

QAction *menu_item(Form1 *w, const char *name)
{
    return w->findChild<QAction *>(QLatin1String(name));
}

bool highlighted(const QLabel *label)
{
    return label->autoFillBackground() && label->palette().color(QPalette::WindowText) == kWhite
        && label->palette().color(QPalette::Window) == kBrown;
}

bool at_rest(const QLabel *label)
{
    return !label->autoFillBackground() && label->palette().color(QPalette::WindowText) == kBrown;
}

// Mouse moves over the bare window, each one at a new place so that none is
// dropped as a repeat.
void move_over_bare_window(Form1 *w)
{
    static int x = 2;
    x = x == 2 ? 6 : 2;
    QTest::mouseMove(w->centralWidget(), QPoint(x, 4));
}

QString stored_sound()
{
    return QSettings(QStringLiteral("QLA"), QStringLiteral("QLA")).value(QStringLiteral("Prefs/Sound")).toString();
}

bool sound_stored()
{
    return QSettings(QStringLiteral("QLA"), QStringLiteral("QLA")).contains(QStringLiteral("Prefs/Sound"));
}

// Runs the event loop until the program ends it, at most three seconds
// (then the result is 1).
int run_until_exit(const std::function<void()> &action)
{
    QTimer::singleShot(0, action);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QApplication::exit(1); });
    guard.start(3000);
    return QApplication::exec();
}

// Records the picture a button shows each time it is painted.
class PaintSpy : public QObject {
public:
    QList<QSize> painted;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted.append(static_cast<PictureArea *>(watched)->picture().size());
        return false;
    }
};

} // namespace

class MainMenuTest : public WindowTest {
    Q_OBJECT


    void write_board(const QString &file_name, const QString &title, const QString &password = {})
    {
        BoardDefinition board;
        board.title = title;
        board.password = password;
        board.backdrop_idx = 2;
        board.theme_idx = 3;
        board.thanks_msg = QStringLiteral("Thanks");
        board.welcome_msg = QStringLiteral("Welcome\r\n");
        folder->write(file_name, board_file_bytes(board));
    }

    void write_picture(const QString &name, QSize size)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        QVERIFY(image.save(folder->file(QStringLiteral("media/") + name), "JPG"));
    }

    Form1 *open_menu()
    {
        const qsizetype heard = sounds->paths.size();
        Form1 *w = Form1::open();
        if (!QTest::qWaitForWindowExposed(w))
            qWarning("main menu not exposed");
        // The start-up sound is asked for once the menu has been painted.
        if (sound_on == kTrue && !QTest::qWaitFor([&] { return sounds->paths.size() > heard; }))
            qWarning("no start-up sound");
        return w;
    }

    Form1 *open_menu_with_selection(int index)
    {
        Form1 *w = open_menu();
        QTest::mouseClick(slot(w, index), Qt::LeftButton);
        return w;
    }

    // After a hand-over: the one window left, which must not be the main menu.
    QWidget *window_after_hand_over()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QList<QWidget *> shown;
        QStringList names;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && !qobject_cast<QMenu *>(w)) {
                shown.append(w);
                names.append(w->objectName());
            }
        }
        if (shown.size() == 1 && windows_of<Form1>().isEmpty())
            return shown.first();
        qWarning("windows after the hand-over: %s (main menus: %d)", qPrintable(names.join(", ")),
                 int(windows_of<Form1>().size()));
        return nullptr;
    }

private slots:
    void init()
    {
        // Pictures of this test's own making: sizes tell them apart.
        open_fixture(false);
        QDir(folder->path()).mkdir(QStringLiteral("media"));
        QSettings(QStringLiteral("QLA"), QStringLiteral("QLA")).clear();
    }

    void window_layout_and_names()
    {
        Form1 *w = open_menu();
        QCOMPARE(w->windowTitle(), QStringLiteral("Quillora 2003"));
        QCOMPARE(w->centralWidget()->size(), QSize(640, 400));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QCOMPARE(client_rect(w, slot(w, 0)), QRect(44, 112, 362, 17));
        QCOMPARE(client_rect(w, slot(w, 4)), QRect(48, 184, 354, 17));
        QCOMPARE(slot(w, 2)->font().pointSizeF(), 9.75);
        QVERIFY(slot(w, 2)->font().bold());
        QCOMPARE(scroll_button(w, 1)->geometry(), QRect(242, 204, 40, 47));
        QCOMPARE(action_picture(w, 2)->geometry(), QRect(442, 257, 95, 91));
        QCOMPARE(action_picture(w, 4)->geometry(), QRect(134, 281, 95, 85));

        const QStringList tips{"New Project", "Edit Project", "Run Project (ZivivIdid!)",
                               "View Signatures", "Quit"};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(action_picture(w, i)->toolTip(), tips[i]);
            QCOMPARE(action_picture(w, i)->accessibleName(), tips[i]);
            QVERIFY(action_picture(w, i)->picture().isNull());
            QVERIFY(at_rest(slot(w, i)));
        }
        QCOMPARE(scroll_button(w, 0)->accessibleName(), QStringLiteral("Scroll Up"));
        QCOMPARE(scroll_button(w, 1)->accessibleName(), QStringLiteral("Scroll Down"));
        QVERIFY(!w->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());

        for (const char *name : {"mfile", "msound", "mhelp"})
            QVERIFY2(w->findChild<QMenu *>(QLatin1String(name)), name);
        QVERIFY(menu_item(w, "mquit"));
        QCOMPARE(menu_item(w, "help_whatis")->text(), QStringLiteral("What is Quillora?"));
        QCOMPARE(menu_item(w, "hdi_use")->text(), QStringLiteral("Ho do I use Quillora?"));
        QCOMPARE(menu_item(w, "hci_export")->text(), QStringLiteral("How can I export my signatures?"));
        QCOMPARE(menu_item(w, "mabout")->text(), QStringLiteral("About..."));
    }

    void board_list_and_scrolling()
    {
        write_picture(QStringLiteral("up.jpg"), QSize(40, 47));
        write_picture(QStringLiteral("up_s.jpg"), QSize(30, 30));
        write_picture(QStringLiteral("db.jpg"), QSize(40, 46));
        write_picture(QStringLiteral("db_s.jpg"), QSize(20, 20));
        const QStringList empty(5, QString());

        // No boards: empty slots, the scroll buttons only flash.
        Form1 *w = open_menu();
        QCOMPARE(slot_texts(w), empty);
        QCOMPARE(scroll_button(w, 0)->picture().size(), QSize(40, 47));
        PaintSpy spy;
        scroll_button(w, 1)->installEventFilter(&spy);
        // A click that cannot move the list holds the pressed picture for
        // 175 ms; one that moves it does not wait.
        SleepRecorder sleeps;
        QList<int> &waits = sleeps.waits;
        QTest::mouseClick(scroll_button(w, 1), Qt::LeftButton);
        QCOMPARE(waits, QList<int>{175});
        QVERIFY2(spy.painted.contains(QSize(20, 20)), "pressed picture not painted during the click");
        QCOMPARE(scroll_button(w, 1)->picture().size(), QSize(40, 46));
        waits.clear();
        QTest::mouseClick(scroll_button(w, 0), Qt::LeftButton);
        QCOMPARE(waits, QList<int>{175});
        QCOMPARE(scroll_button(w, 0)->picture().size(), QSize(40, 47));
        QCOMPARE(slot_texts(w), empty);
        close_all_windows();

        // Three boards: any case of the extension, hidden names too; no
        // folders, no other files.
        write_board(QStringLiteral("apple.qla"), QStringLiteral("apple"));
        write_board(QStringLiteral("Party.QLA"), QStringLiteral("Party"));
        write_board(QStringLiteral(".hidden.qla"), QStringLiteral(".hidden"));
        write_board(QStringLiteral("other.qlax"), QStringLiteral("other"));
        write_board(QStringLiteral("notes.txt"), QStringLiteral("notes"));
        QDir(folder->path()).mkdir(QStringLiteral("folder.qla"));
        w = open_menu();
        const QStringList three{".hidden", "apple", "Party", "", ""};
        QCOMPARE(slot_texts(w), three);
        QCOMPARE(slot(w, 2)->accessibleName(), QStringLiteral("Party"));
        waits.clear();
        QTest::mouseClick(scroll_button(w, 1), Qt::LeftButton);
        QCOMPARE(waits, QList<int>{175});
        QCOMPARE(slot_texts(w), three);
        close_all_windows();

        // Seven boards: down twice, then the list stops; sorted without
        // regard to case.
        QDir(folder->path()).rmdir(QStringLiteral("folder.qla"));
        for (const char *name : {".hidden.qla", "apple.qla", "Party.QLA"})
            QVERIFY(QFile::remove(folder->file(name)));
        for (const char *name : {"gamma", "Alpha", "delta", "Beta", "epsilon", "Zeta", "eta"})
            write_board(name + QStringLiteral(".qla"), name);
        w = open_menu();
        QCOMPARE(slot_texts(w), QStringList({"Alpha", "Beta", "delta", "epsilon", "eta"}));
        waits.clear();
        QTest::mouseClick(scroll_button(w, 1), Qt::LeftButton);
        QCOMPARE(slot_texts(w), QStringList({"Beta", "delta", "epsilon", "eta", "gamma"}));
        QTest::mouseClick(scroll_button(w, 1), Qt::LeftButton);
        QCOMPARE(waits, QList<int>{});
        const QStringList bottom{"delta", "epsilon", "eta", "gamma", "Zeta"};
        QCOMPARE(slot_texts(w), bottom);
        QCOMPARE(slot(w, 4)->accessibleName(), QStringLiteral("Zeta"));
        QTest::mouseClick(scroll_button(w, 1), Qt::LeftButton);
        QCOMPARE(waits, QList<int>{175});
        QCOMPARE(slot_texts(w), bottom);
        waits.clear();
        QTest::mouseClick(scroll_button(w, 0), Qt::LeftButton);
        QCOMPARE(waits, QList<int>{});
        QCOMPARE(slot_texts(w), QStringList({"Beta", "delta", "epsilon", "eta", "gamma"}));
        QTest::mouseClick(scroll_button(w, 0), Qt::LeftButton);
        QTest::mouseClick(scroll_button(w, 0), Qt::LeftButton);
        QCOMPARE(slot_texts(w), QStringList({"Alpha", "Beta", "delta", "epsilon", "eta"}));
    }

    void hover_and_selection()
    {
        for (const char *name : {"one", "three", "two"})
            write_board(name + QStringLiteral(".qla"), name);
        Form1 *w = open_menu();

        QTest::mouseMove(slot(w, 0));
        QVERIFY(highlighted(slot(w, 0)));
        QTest::mouseMove(slot(w, 1));
        QVERIFY(at_rest(slot(w, 0)));
        QVERIFY(highlighted(slot(w, 1)));
        // The hover highlight covers empty slots too.
        QTest::mouseMove(slot(w, 4));
        QVERIFY(highlighted(slot(w, 4)));
        QVERIFY(at_rest(slot(w, 1)));
        move_over_bare_window(w);
        for (int i = 0; i < 5; ++i)
            QVERIFY(at_rest(slot(w, i)));

        // A selection stays highlighted while the hover moves on.
        QTest::mouseMove(slot(w, 1));
        QTest::mouseClick(slot(w, 1), Qt::LeftButton);
        QVERIFY(highlighted(slot(w, 1)));
        QTest::mouseMove(slot(w, 2));
        QVERIFY(highlighted(slot(w, 1)));
        QVERIFY(highlighted(slot(w, 2)));
        move_over_bare_window(w);
        QVERIFY(highlighted(slot(w, 1)));
        QVERIFY(at_rest(slot(w, 2)));

        // An empty slot selects nothing: the selection stays on slot 1.
        QTest::mouseMove(slot(w, 3));
        QTest::mouseClick(slot(w, 3), Qt::LeftButton);
        move_over_bare_window(w);
        QVERIFY(at_rest(slot(w, 3)));
        QVERIFY(highlighted(slot(w, 1)));

        // Another slot takes the selection over.
        QTest::mouseMove(slot(w, 0));
        QTest::mouseClick(slot(w, 0), Qt::LeftButton);
        QVERIFY(highlighted(slot(w, 0)));
        QVERIFY(at_rest(slot(w, 1)));
        move_over_bare_window(w);
        QVERIFY(highlighted(slot(w, 0)));
        QVERIFY(messages->boxes.isEmpty());
    }

    void messages_without_selection()
    {
        Form1 *w = open_menu();
        // Clicking an empty slot of an empty list selects nothing either.
        QTest::mouseClick(slot(w, 0), Qt::LeftButton);
        for (int k = 1; k <= 3; ++k)
            QTest::mouseClick(action_picture(w, k), Qt::LeftButton);
        const QStringList expected{
            "Please select an existing Quillora to your left. Then click this button to edit its style.",
            "Please select an existing Quillora to your left. Then click this button to display it and "
            "accept signatures during your party! If you have not yet created a Quillora, just click "
            "the chalkboard icon above to get started.",
            "Please select an existing Quillora above. Then click this button to display signatures "
            "for that board.",
        };
        QCOMPARE(messages->texts(), expected);
        for (const auto &box : messages->boxes)
            QCOMPARE(box.first, MessageIcon::Information);
        QCOMPARE(windows_of<Form1>().size(), 1);
        QVERIFY(windows_of<Form8>().isEmpty() && windows_of<Form9>().isEmpty() && windows_of<Form2>().isEmpty());
        close_all_windows();

        // A board without a signature file cannot be viewed.
        write_board(QStringLiteral("Quiet.qla"), QStringLiteral("Quiet"));
        messages->clear();
        w = open_menu_with_selection(0);
        QTest::mouseClick(action_picture(w, 3), Qt::LeftButton);
        QCOMPARE(messages->texts(), QStringList{"No signatures have been recorded on this Quillora."});
        QCOMPARE(messages->boxes.first().first, MessageIcon::Information);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(windows_of<Form1>().size(), 1);
        QVERIFY(windows_of<Form8>().isEmpty() && windows_of<Form9>().isEmpty());
    }

    void opens_loaded_and_icon_follows_first_paint()
    {
        // The menu is whole when it first shows; the program's icon is read
        // only once the first picture is out.
        write_picture(QStringLiteral("mback.jpg"), QSize(640, 400));
        for (int size : {16, 32, 48, 64, 128})
            write_picture(QStringLiteral("quillora_%1.png").arg(size), QSize(size, size));
        QGuiApplication::setWindowIcon(QIcon());
        struct ShowWatch : QObject {
            QSize backdrop;
            bool eventFilter(QObject *watched, QEvent *event) override
            {
                if (event->type() == QEvent::Show && watched->objectName() == QLatin1String("Form1"))
                    backdrop = watched->findChild<PictureArea *>(QStringLiteral("background"))->picture().size();
                return false;
            }
        } watch;
        qApp->installEventFilter(&watch);
        Form1 *w = Form1::open();
        qApp->removeEventFilter(&watch);
        QCOMPARE(watch.backdrop, QSize(640, 400));
        QVERIFY(QGuiApplication::windowIcon().isNull());
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QTRY_COMPARE(QGuiApplication::windowIcon().availableSizes().size(), 5);
    }

    void sound_menu_and_startup_sound()
    {
        // No stored preference: sound on, the start-up sound plays once the
        // menu has been painted, not before.
        Form1 *w = Form1::open();
        QVERIFY(sounds->paths.isEmpty());
        QTRY_COMPARE(sounds->paths, QStringList{folder->path() + QStringLiteral("/media/ptime.wav")});
        QAction *on = menu_item(w, "ms_on");
        QAction *off = menu_item(w, "ms_off");
        QVERIFY(on->isChecked() && !off->isChecked());

        // The item with the mark: nothing changes, nothing is written.
        on->trigger();
        QVERIFY(on->isChecked() && !off->isChecked());
        QVERIFY(!sound_stored());
        QCOMPARE(sound_on, kTrue);

        off->trigger();
        QVERIFY(!on->isChecked() && off->isChecked());
        QCOMPARE(stored_sound(), QStringLiteral("0"));
        QCOMPARE(sound_on, kFalse);

        QSettings(QStringLiteral("QLA"), QStringLiteral("QLA")).remove(QStringLiteral("Prefs/Sound"));
        off->trigger();
        QVERIFY(!on->isChecked() && off->isChecked());
        QVERIFY(!sound_stored());
        QCOMPARE(sound_on, kFalse);

        on->trigger();
        QVERIFY(on->isChecked() && !off->isChecked());
        QCOMPARE(stored_sound(), QStringLiteral("1"));
        QCOMPARE(sound_on, kTrue);

        // Closing the main menu cuts the sound off.
        sounds->paths.clear();
        w->close();
        QCOMPARE(sounds->paths, QStringList{" "});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        // Stored "0": the mark on Off and no start-up sound.
        store_sound_pref(false);
        load_prefs();
        sounds->paths.clear();
        w = open_menu();
        QVERIFY(sounds->paths.isEmpty());
        QVERIFY(!menu_item(w, "ms_on")->isChecked());
        QVERIFY(menu_item(w, "ms_off")->isChecked());
    }

    void hover_animation()
    {
        for (int n = 1; n <= 10; ++n) {
            write_picture(QStringLiteral("go_%1.jpg").arg(n), QSize(10 + n, 5));
            write_picture(QStringLiteral("exit_%1.jpg").arg(n), QSize(10 + n, 7));
        }
        Form1 *w = open_menu();
        auto *timer = w->findChild<QTimer *>(QStringLiteral("Timer1"));
        PictureArea *go = action_picture(w, 2);
        PictureArea *quit = action_picture(w, 4);

        QTest::mouseMove(go);
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 200);
        QCOMPARE(anim_icon, qint16(2));
        QTRY_COMPARE_WITH_TIMEOUT(go->picture().size(), QSize(11, 5), 1000);
        // Moving on within the same picture keeps its animation.
        QTest::mouseMove(go, QPoint(3, 3));
        QVERIFY(timer->isActive());
        QCOMPARE(anim_icon, qint16(2));

        // The next picture clears the first and starts from frame 0.
        QList<QSize> shown;
        const auto tick = connect(timer, &QTimer::timeout, this, [&] { shown.append(quit->picture().size()); });
        QTest::mouseMove(quit);
        QVERIFY(go->picture().isNull());
        QCOMPARE(anim_icon, qint16(4));
        QCOMPARE(timer->interval(), 50);
        QTRY_VERIFY_WITH_TIMEOUT(shown.size() >= 20, 5000);
        disconnect(tick);
        QList<QSize> expected;
        for (int frame : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 1})
            expected.append(QSize(11 + frame, 7));
        QCOMPARE(shown.mid(0, 20), expected);

        // The bare window stops it and the drawing shows again.
        move_over_bare_window(w);
        QVERIFY(!timer->isActive());
        QVERIFY(quit->picture().isNull());
        QCOMPARE(anim_icon, qint16(-1));
    }

    void actions_hand_over()
    {
        write_board(QStringLiteral("Alpha.qla"), QStringLiteral("Alpha"));
        write_board(QStringLiteral("Secret.qla"), QStringLiteral("Secret"), QStringLiteral("pw"));
        folder->write(QStringLiteral("Alpha.SIG"), "first\r\n^~-^,./\r\nsecond\r\n^~-^,./\r\n");
        folder->write(QStringLiteral("Secret.sig"), "hush\r\n^~-^,./\r\n");

        // New: an empty board, wizard step 1.
        BoardSettings.title = QStringLiteral("left over");
        Form1 *w = open_menu();
        sounds->paths.clear();
        QTest::mouseClick(action_picture(w, 0), Qt::LeftButton);
        QWidget *next = window_after_hand_over();
        QVERIFY(qobject_cast<Form2 *>(next));
        QVERIFY(BoardSettings.title.isEmpty());
        QCOMPARE(BoardSettings.thanks_msg, kDefaultThanks);
        QVERIFY(sounds->paths.contains(QStringLiteral(" ")));
        close_all_windows();

        // Run: the board in guest mode, never behind the password.
        for (int index : {0, 1}) {
            board_mode = kBrowseMode;
            w = open_menu_with_selection(index);
            QTest::mouseClick(action_picture(w, 2), Qt::LeftButton);
            next = window_after_hand_over();
            QVERIFY(qobject_cast<Form8 *>(next));
            QCOMPARE(next->objectName(), QStringLiteral("Form8"));
            QCOMPARE(BoardSettings.title, index == 0 ? QStringLiteral("Alpha") : QStringLiteral("Secret"));
            QCOMPARE(BoardSettings.theme_idx, qint16(3));
            QCOMPARE(board_mode, kGuestMode);
            close_all_windows();
        }

        // Edit: the wizard, or the password gate first.
        w = open_menu_with_selection(0);
        QTest::mouseClick(action_picture(w, 1), Qt::LeftButton);
        QVERIFY(qobject_cast<Form2 *>(window_after_hand_over()));
        QCOMPARE(BoardSettings.title, QStringLiteral("Alpha"));
        close_all_windows();
        board_mode = kBrowseMode;
        w = open_menu_with_selection(1);
        QTest::mouseClick(action_picture(w, 1), Qt::LeftButton);
        QVERIFY(qobject_cast<Form9 *>(window_after_hand_over()));
        QCOMPARE(BoardSettings.password, QStringLiteral("pw"));
        QCOMPARE(board_mode, kGuestMode);
        close_all_windows();

        // View: the notes read, browse mode, the gate for the protected one.
        w = open_menu_with_selection(0);
        QTest::mouseClick(action_picture(w, 3), Qt::LeftButton);
        QVERIFY(qobject_cast<Form8 *>(window_after_hand_over()));
        QCOMPARE(board_mode, kBrowseMode);
        QCOMPARE(sig_count, qsizetype(2));
        QCOMPARE(sig_text.at(1), QStringLiteral("second\r\n"));
        close_all_windows();
        board_mode = kGuestMode;
        w = open_menu_with_selection(1);
        QTest::mouseClick(action_picture(w, 3), Qt::LeftButton);
        QVERIFY(qobject_cast<Form9 *>(window_after_hand_over()));
        QCOMPARE(board_mode, kBrowseMode);
        QCOMPARE(sig_count, qsizetype(1));
        QCOMPARE(BoardSettings.title, QStringLiteral("Secret"));
        close_all_windows();
        QVERIFY(messages->boxes.isEmpty());

        // After scrolling the selected slot names another board, and the
        // action takes that one.
        for (const char *name : {"c1", "c2", "c3", "c4", "c5"})
            write_board(name + QStringLiteral(".qla"), name);
        w = open_menu_with_selection(0);
        QCOMPARE(slot(w, 0)->text(), QStringLiteral("Alpha"));
        QTest::mouseClick(scroll_button(w, 1), Qt::LeftButton);
        QTest::mouseClick(scroll_button(w, 1), Qt::LeftButton);
        QCOMPARE(slot(w, 0)->text(), QStringLiteral("c2"));
        QVERIFY(highlighted(slot(w, 0)));
        QTest::mouseClick(action_picture(w, 2), Qt::LeftButton);
        QVERIFY(qobject_cast<Form8 *>(window_after_hand_over()));
        QCOMPARE(BoardSettings.title, QStringLiteral("c2"));
    }

    // Links, pipes and folders named like boards are not boards; a board
    // too large to read is not opened, and the host is told why.
    void odd_entries_and_boards_too_large()
    {
        write_board(QStringLiteral("Alpha.qla"), QStringLiteral("Alpha"));
        QVERIFY(QFile::link(folder->file(QStringLiteral("Alpha.qla")), folder->file(QStringLiteral("Linked.qla"))));
        QVERIFY(QFile::link(folder->file(QStringLiteral("none")), folder->file(QStringLiteral("Dangling.qla"))));
        QVERIFY(::mkfifo(QFile::encodeName(folder->file(QStringLiteral("Pipe.qla"))).constData(), 0600) == 0);
        QVERIFY(QDir(folder->path()).mkdir(QStringLiteral("Folder.qla")));
        write_board(QStringLiteral("Zebra.qla"), QStringLiteral("Zebra"));
        Form1 *w = open_menu();
        QCOMPARE(slot(w, 0)->text(), QStringLiteral("Alpha"));
        QCOMPARE(slot(w, 1)->text(), QStringLiteral("Zebra"));
        QCOMPARE(slot(w, 2)->text(), QString());
        close_all_windows();

        // Zebra's notes outgrow what is read: it opens with the notes that
        // fit (none here), and the host is told. Then its board file does.
        QFile notes(folder->file(QStringLiteral("Zebra.sig")));
        QVERIFY(notes.open(QIODevice::WriteOnly));
        QVERIFY(notes.resize(kMaxBoardFileBytes + 1));
        notes.close();
        w = open_menu_with_selection(1);
        QTest::mouseClick(action_picture(w, 3), Qt::LeftButton);
        QCOMPARE(messages->texts(), QStringList{kNotesCutMessage});
        QCOMPARE(messages->boxes[0].first, MessageIcon::Information);
        QVERIFY(qobject_cast<Form8 *>(window_after_hand_over()));
        QCOMPARE(BoardSettings.title, QStringLiteral("Zebra"));
        QCOMPARE(sig_count, qsizetype(0));
        close_all_windows();
        messages->clear();
        QFile board(folder->file(QStringLiteral("Zebra.qla")));
        QVERIFY(board.resize(kMaxBoardFileBytes + 1));
        for (int action : {1, 2}) {
            w = open_menu_with_selection(1);
            QTest::mouseClick(action_picture(w, action), Qt::LeftButton);
            QCOMPARE(messages->texts(), QStringList{kBoardTooLargeMessage});
            QVERIFY(windows_of<Form1>()[0]->isVisible());
            QCOMPARE(windows_of<Form8>().size(), 0);
            close_all_windows();
            messages->clear();
        }

        // Alpha's board file gone, or not a file, once the list was read:
        // edit, run and view tell so, and the main menu lists the boards anew.
        folder->write(QStringLiteral("Alpha.sig"), "a note\r\n^~-^,./\r\n");
        const QList<std::function<void(const QString &)>> gone{
            [](const QString &) {},
            [](const QString &path) { QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0); },
            [](const QString &path) { QVERIFY(QDir().mkdir(path)); },
        };
        for (int action : {1, 2, 3}) {
            const QString alpha = folder->file(QStringLiteral("Alpha.qla"));
            write_board(QStringLiteral("Alpha.qla"), QStringLiteral("Alpha"));
            w = open_menu_with_selection(0);
            QFile::remove(alpha);
            gone[action - 1](alpha);
            QTest::mouseClick(action_picture(w, action), Qt::LeftButton);
            QCOMPARE(messages->texts(), QStringList{kBoardUnreadableMessage});
            QCOMPARE(windows_of<Form8>().size() + windows_of<Form2>().size(), 0);
            QVERIFY(w->isVisible());
            QCOMPARE(slot(w, 0)->text(), QStringLiteral("Zebra"));
            QCOMPARE(slot(w, 1)->text(), QString());
            QVERIFY(!highlighted(slot(w, 0)));
            close_all_windows();
            messages->clear();
            QDir().rmdir(alpha);
            QFile::remove(alpha);
        }
    }

    // A title wider than its slot keeps its beginning; the whole title is
    // the tool tip, shown as plain text, and what the actions act on.
    void long_titles_cut_at_their_end()
    {
        const QString long_title = QStringLiteral(
            "The <i>Long Title of the Annual Company Summer Picnic &amp; Barbecue  2026");
        write_board(long_title + QStringLiteral(".qla"), long_title);
        write_board(QStringLiteral("Zoo.qla"), QStringLiteral("Zoo"));
        Form1 *w = open_menu();
        QLabel *cut = slot(w, 0);
        QVERIFY(cut->text().endsWith(QChar(0x2026)));
        QVERIFY(long_title.startsWith(cut->text().chopped(1)));
        QVERIFY(cut->fontMetrics().horizontalAdvance(cut->text()) <= cut->contentsRect().width());
        QCOMPARE(cut->alignment(), Qt::AlignCenter);
        QCOMPARE(cut->accessibleName(), long_title);
        QTextDocument tip;
        tip.setHtml(cut->toolTip());
        QCOMPARE(tip.toPlainText(), long_title);

        QCOMPARE(slot(w, 1)->text(), QStringLiteral("Zoo"));
        QVERIFY(slot(w, 1)->toolTip().isEmpty());

        QTest::mouseClick(cut, Qt::LeftButton);
        QTest::mouseClick(action_picture(w, 2), Qt::LeftButton);
        QVERIFY(qobject_cast<Form8 *>(window_after_hand_over()));
        QCOMPARE(BoardSettings.title, long_title);
    }

    void quit_ends_program_with_export_window_open()
    {
        const std::array<std::function<void(Form1 *)>, 2> quits{
            [](Form1 *w) { menu_item(w, "mquit")->trigger(); },
            [](Form1 *w) { QTest::mouseClick(action_picture(w, 4), Qt::LeftButton); },
        };
        for (const auto &quit : quits) {
            Form10::show_text(QStringLiteral("notes"));
            Form1 *w = open_menu();
            sounds->paths.clear();
            QCOMPARE(run_until_exit([&] { quit(w); }), 0);
            QCOMPARE(sounds->paths, QStringList{" "});
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(windows_of<Form1>().isEmpty());
            close_all_windows();
        }
    }
};

QTEST_MAIN(MainMenuTest)
#include "test_main_menu.moc"

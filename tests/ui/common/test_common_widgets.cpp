#include "tests/support/test_support.h"
#include "ui/common/click_label.h"
#include "ui/common/message_box.h"
#include "ui/common/picture_area.h"
#include "ui/common/pictures.h"
#include "ui/common/sleep.h"
#include "ui/common/window_conventions.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

class CommonWidgetsTest : public WindowTest {
    Q_OBJECT

private slots:
    void twips_to_pixels()
    {
        QCOMPARE(twips(15), 1);
        QCOMPARE(twips(9600), 640);
        QCOMPARE(twips(6000), 400);
        QCOMPARE(twips(7), 0);
        QCOMPARE(twips(8), 1);
        QCOMPARE(twips(-30), -2);
        QCOMPARE(twips_rect(660, 1680, 5430, 255), QRect(44, 112, 362, 17));
        QCOMPARE(twips_rect(6630, 3855, 1425, 1365), QRect(442, 257, 95, 91));
    }

    void center_places_window_in_the_middle()
    {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QWidget small;
        small.resize(200, 100);
        small.show();
        QVERIFY(QTest::qWaitForWindowExposed(&small));
        center(&small);
        const QSize frame = small.frameGeometry().size();
        QCOMPARE(small.frameGeometry().topLeft(),
                 screen.topLeft()
                     + QPoint((screen.width() - frame.width()) / 2, (screen.height() - frame.height()) / 2));

        // Larger than the screen: the same rule gives negative edges.
        QWidget big;
        big.resize(screen.width() + 200, screen.height() + 100);
        big.show();
        QVERIFY(QTest::qWaitForWindowExposed(&big));
        center(&big);
        const QSize big_frame = big.frameGeometry().size();
        const QPoint expected = screen.topLeft()
            + QPoint((screen.width() - big_frame.width()) / 2, (screen.height() - big_frame.height()) / 2);
        QVERIFY(expected.x() - screen.x() < 0 && expected.y() - screen.y() < 0);
        QCOMPARE(big.frameGeometry().topLeft(), expected);
    }

    void centring_waits_for_a_late_frame()
    {
        // left, top, right, bottom of the frame the window manager reports.
        static QMargins reported;
        set_frame_margins_source([](const QWidget *) { return reported; });
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(centred_position(QRect(0, 0, 1280, 1024), QSize(477, 305)), QPoint(401, 359));
        QCOMPARE(centred_position(QRect(100, 0, 640, 480), QSize(801, 500)), QPoint(19, -10));

        reported = QMargins();
        QWidget window;
        window.resize(475, 280);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        center(&window);
        QCOMPARE(window.geometry().topLeft(), centred_position(screen, QSize(475, 280)));

        // The frame arrives: the window is centred by its outer size.
        reported = QMargins(1, 20, 1, 5);
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&window, &activate);
        QCOMPARE(window.geometry().topLeft(),
                 centred_position(screen, QSize(477, 305)) + QPoint(1, 20));

        // Only once: a window the user moves stays where it was put.
        window.move(7, 9);
        const QPoint moved = window.geometry().topLeft();
        reported = QMargins(4, 30, 4, 4);
        QCoreApplication::sendEvent(&window, &activate);
        QCOMPARE(window.geometry().topLeft(), moved);

        // Centred before it is shown: by the size its layout gives it.
        reported = QMargins();
        QWidget laid_out;
        auto *layout = new QVBoxLayout(&laid_out);
        layout->setSizeConstraint(QLayout::SetFixedSize);
        layout->setContentsMargins(0, 0, 0, 0);
        auto *content = new QWidget;
        content->setFixedSize(301, 203);
        layout->addWidget(content);
        center(&laid_out);
        laid_out.show();
        QVERIFY(QTest::qWaitForWindowExposed(&laid_out));
        QCOMPARE(laid_out.geometry(), QRect(centred_position(screen, QSize(301, 203)), QSize(301, 203)));
        set_frame_margins_source(nullptr);
    }

    void dense_screens_read_the_picture_drawn_twice_as_large()
    {
        TempAppFolder folder(false);
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("media")));
        QCOMPARE(picture_file_name(QStringLiteral("quillora_48.png"), 1.5), QStringLiteral("quillora_48@2x.png"));
        QCOMPARE(picture_file_name(QStringLiteral("b_3.jpg"), 1.0), QStringLiteral("b_3.jpg"));
        QImage plain(8, 6, QImage::Format_RGB32);
        plain.fill(Qt::red);
        QVERIFY(plain.save(folder.file(QStringLiteral("media/pic.jpg")), "JPG"));
        QImage dense(16, 12, QImage::Format_RGB32);
        dense.fill(Qt::blue);
        QVERIFY(dense.save(folder.file(QStringLiteral("media/pic@2x.jpg")), "JPG"));

        const QPixmap sharp = load_picture(QStringLiteral("pic.jpg"), 2.0);
        QCOMPARE(sharp.size(), QSize(16, 12));
        QCOMPARE(sharp.devicePixelRatio(), 2.0);
        QCOMPARE(sharp.deviceIndependentSize(), QSizeF(8, 6));
        PictureArea shown(nullptr);
        shown.set_picture(sharp);
        shown.fit_to_picture();
        QCOMPARE(shown.size(), QSize(8, 6));
        shown.clear_picture();
        QVERIFY(shown.picture().isNull());

        const QPixmap at_one = load_picture(QStringLiteral("pic.jpg"), 1.0);
        QCOMPARE(at_one.size(), QSize(8, 6));
        QCOMPARE(at_one.devicePixelRatio(), 1.0);

        // A missing or broken dense file leaves the plain one.
        folder.write(QStringLiteral("media/pic@2x.jpg"), "not a picture");
        QCOMPARE(load_picture(QStringLiteral("pic.jpg"), 2.0).size(), QSize(8, 6));
        QVERIFY(QFile::remove(folder.file(QStringLiteral("media/pic@2x.jpg"))));
        const QPixmap fallback = load_picture(QStringLiteral("pic.jpg"), 2.0);
        QCOMPARE(fallback.size(), QSize(8, 6));
        QCOMPARE(fallback.devicePixelRatio(), 1.0);
    }

    void message_box_holds_its_whole_title()
    {
        int width = 0;
        QString title;
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                width = box->width();
                title = box->windowTitle();
                box->accept();
            }
        });
        answer.start(10);
        show_message(nullptr, MessageIcon::Exclamation, QStringLiteral("Oops."));
        QCOMPARE(title, QStringLiteral("Quillora 2003"));
        // Room for the title beside a frame's icon and three buttons.
        QFont bold = QApplication::font();
        bold.setBold(true);
        const QFontMetrics metrics(bold);
        QVERIFY2(width >= metrics.horizontalAdvance(title) + 6 * metrics.height(), qPrintable(QString::number(width)));
    }

    // The repeats of a key held down since before the box came up (the
    // Ctrl+Return that saved a note) do not close it, whether marked as
    // repeats or sent as X11 does, a release and a press at one time stamp;
    // a fresh press does.
    void message_box_answers_fresh_key_presses_only()
    {
        int step = 0;
        int stayed_open = 0;
        QTimer press;
        connect(&press, &QTimer::timeout, [&] {
            auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            QWidget *target = box->focusWidget() ? box->focusWidget() : box;
            const auto send = [target](QEvent::Type type, bool repeat, quint64 at) {
                QKeyEvent key(type, Qt::Key_Return, Qt::ControlModifier, QString(), repeat);
                key.setTimestamp(at);
                QApplication::sendEvent(target, &key);
            };
            switch (step++) {
            case 0: send(QEvent::KeyPress, true, 1000); break;
            case 1: send(QEvent::KeyRelease, false, 1010); send(QEvent::KeyPress, false, 1010); break;
            default: send(QEvent::KeyRelease, false, 1020); send(QEvent::KeyPress, false, 1030); break;
            }
            if (box->isVisible()) {
                ++stayed_open;
                if (step > 2)
                    box->reject();
            }
        });
        press.start(10);
        show_message(nullptr, MessageIcon::Information, QStringLiteral("Thanks!"));
        QCOMPARE(stayed_open, 2);
    }

    // Alt puts the focus on a menu bar's first item: it is drawn in the
    // highlight colour.
    void menu_bar_item_with_the_focus_is_drawn()
    {
        QMainWindow window;
        QMenuBar *bar = window.menuBar();
        bar->addAction(QStringLiteral("&Quit"));
        window.setCentralWidget(new QLineEdit);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.centralWidget()->setFocus();
        const auto highlighted = [bar] {
            const QRect item = bar->actionGeometry(bar->actions().first());
            return bar->grab().toImage().pixelColor(item.topLeft() + QPoint(2, 3))
                   == bar->palette().color(QPalette::Highlight);
        };
        QVERIFY(!highlighted());
        QTest::keyClick(window.centralWidget(), Qt::Key_Alt);
        QCOMPARE(QApplication::focusWidget(), bar);
        QVERIFY(highlighted());
    }

    void load_picture_reads_fresh_or_gives_null()
    {
        TempAppFolder folder(false);
        QVERIFY(load_picture(QStringLiteral("mback.jpg")).isNull()); // no media folder at all
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("media")));
        QVERIFY(load_picture(QStringLiteral("mback.jpg")).isNull());
        folder.write(QStringLiteral("media/broken.jpg"), "not a picture");
        QVERIFY(load_picture(QStringLiteral("broken.jpg")).isNull());

        const QString path = folder.file(QStringLiteral("media/pic.jpg"));
        QImage image(8, 6, QImage::Format_RGB32);
        image.fill(Qt::red);
        QVERIFY(image.save(path, "JPG"));
        QCOMPARE(load_picture(QStringLiteral("pic.jpg")).size(), QSize(8, 6));
        // A changed file is read again: no cache.
        QVERIFY(QImage(5, 4, QImage::Format_RGB32).save(path, "JPG"));
        QCOMPARE(load_picture(QStringLiteral("pic.jpg")).size(), QSize(5, 4));
    }

    // The program's one wait really blocks; tests hear of it instead.
    void sleep_blocks_or_tells_the_handler()
    {
        QElapsedTimer clock;
        clock.start();
        sleep_ms(40);
        QVERIFY(clock.elapsed() >= 40);

        QList<int> asked;
        set_sleep_handler([&asked](int ms) { asked.append(ms); });
        sleep_ms(175);
        set_sleep_handler({});
        QCOMPARE(asked, QList<int>{175});
    }

    // What a click may land on: a plain picture lets the mouse through, a
    // picture button and a click label answer the left button only.
    void clickable_areas_answer_the_mouse_only_data()
    {
        QTest::addColumn<bool>("answers");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::newRow("plain picture") << false << QAccessible::Client;
        QTest::newRow("picture button") << true << QAccessible::Button;
        QTest::newRow("click label") << true << QAccessible::StaticText;
    }

    void clickable_areas_answer_the_mouse_only()
    {
        QFETCH(bool, answers);
        QFETCH(QAccessible::Role, role);
        QWidget window;
        window.resize(200, 200);
        const QByteArray kind = QTest::currentDataTag();
        QWidget *area = kind == "click label" ? static_cast<QWidget *>(new ClickLabel(&window))
            : new PictureArea(&window, kind == "plain picture" ? PictureArea::Press::None
                                                                : PictureArea::Press::Mouse);
        area->setGeometry(10, 10, 50, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy clicks(area, SIGNAL(clicked()));
        QSignalSpy moves(area, SIGNAL(mouse_moved()));
        QCOMPARE(QAccessible::queryAccessibleInterface(area)->role(), role);

        // The mouse comes to the window, which hands it to what lies there.
        QWindow *screen = window.windowHandle();
        QTest::mouseClick(screen, Qt::LeftButton, {}, QPoint(15, 15));
        QCOMPARE(clicks.size(), answers ? 1 : 0);
        QTest::mouseClick(screen, Qt::RightButton, {}, QPoint(15, 15));
        // Pressed inside, released outside: no click.
        QTest::mousePress(screen, Qt::LeftButton, {}, QPoint(15, 15));
        QTest::mouseRelease(screen, Qt::LeftButton, {}, QPoint(130, 130));
        // Keys do not work it.
        QCOMPARE(area->focusPolicy(), Qt::NoFocus);
        QTest::keyClick(area, Qt::Key_Space);
        QTest::keyClick(area, Qt::Key_Return);
        QCOMPARE(clicks.size(), answers ? 1 : 0);

        moves.clear();
        QTest::mouseMove(screen, QPoint(13, 13));
        QTest::mouseMove(screen, QPoint(19, 17));
        QCOMPARE(moves.size(), answers ? 2 : 0);
    }

    void picture_button_pressed_by_keys_where_allowed()
    {
        QWidget window;
        window.resize(200, 200);
        auto *button = new PictureArea(&window, PictureArea::Press::MouseAndKeys);
        button->setGeometry(10, 10, 50, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy clicks(button, &PictureArea::clicked);
        QCOMPARE(button->focusPolicy(), Qt::TabFocus);
        QTest::keyClick(button, Qt::Key_Space);
        QTest::keyClick(button, Qt::Key_Return);
        QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(clicks.size(), 3);
        QTest::keyClick(button, Qt::Key_Return, Qt::ControlModifier);
        QTest::keyClick(button, Qt::Key_A);
        QCOMPARE(clicks.size(), 3);
    }

    void make_label_in_the_program_style()
    {
        QWidget window;
        QLabel *made = make_label(&window, QStringLiteral("Label2"), QStringLiteral("<b>x</b>"),
                                  ms_sans_serif(12, true), QRect(5, 6, 70, 30), Qt::AlignHCenter);
        QCOMPARE(made->objectName(), QStringLiteral("Label2"));
        QCOMPARE(made->textFormat(), Qt::PlainText);
        QVERIFY(made->wordWrap());
        QCOMPARE(made->geometry(), QRect(5, 6, 70, 30));
        QCOMPARE(made->alignment(), Qt::Alignment(Qt::AlignHCenter));
        QCOMPARE(made->font().pointSizeF(), 12.0);
        QVERIFY(made->font().bold());
        QCOMPARE(made->font().family(), QStringLiteral("MS Sans Serif"));
    }
};

QTEST_MAIN(CommonWidgetsTest)
#include "test_common_widgets.moc"

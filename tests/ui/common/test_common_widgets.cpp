#include "tests/support/test_support.h"
#include "ui/common/click_label.h"
#include "ui/common/message_box.h"
#include "ui/common/picture_button.h"
#include "ui/common/picture_widget.h"
#include "ui/common/pictures.h"
#include "ui/common/sleep.h"
#include "ui/common/window_conventions.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

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
        PictureWidget shown;
        shown.set_picture(sharp);
        shown.fit_to_picture();
        QCOMPARE(shown.size(), QSize(8, 6));

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

    void picture_button_mouse_only()
    {
        QWidget window;
        window.resize(200, 200);
        auto *button = new PictureButton(&window);
        button->setGeometry(10, 10, 50, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy clicks(button, &PictureButton::clicked);
        QSignalSpy moves(button, &PictureButton::mouse_moved);

        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(clicks.size(), 1);
        // Pressed inside, released outside: no click.
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(120, 120));
        QCOMPARE(clicks.size(), 1);
        // Keys do not work it.
        QCOMPARE(button->focusPolicy(), Qt::NoFocus);
        QTest::keyClick(button, Qt::Key_Space);
        QTest::keyClick(button, Qt::Key_Return);
        QCOMPARE(clicks.size(), 1);

        QTest::mouseMove(button, QPoint(3, 3));
        QTest::mouseMove(button, QPoint(9, 7));
        QCOMPARE(moves.size(), 2);

        QPixmap picture(12, 9);
        picture.fill(Qt::blue);
        button->set_picture(picture);
        QCOMPARE(button->picture().size(), QSize(12, 9));
        button->clear_picture();
        QVERIFY(button->picture().isNull());
    }

    void picture_button_pressed_by_keys_where_allowed()
    {
        QWidget window;
        window.resize(200, 200);
        auto *button = new PictureButton(&window);
        button->setGeometry(10, 10, 50, 40);
        button->set_keyboard_pressable(true);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy clicks(button, &PictureButton::clicked);
        QCOMPARE(button->focusPolicy(), Qt::TabFocus);
        QTest::keyClick(button, Qt::Key_Space);
        QTest::keyClick(button, Qt::Key_Return);
        QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(clicks.size(), 3);
        QTest::keyClick(button, Qt::Key_Return, Qt::ControlModifier);
        QTest::keyClick(button, Qt::Key_A);
        QCOMPARE(clicks.size(), 3);
    }

    void click_label_and_make_label()
    {
        QWidget window;
        window.resize(300, 100);
        auto *label = new ClickLabel(&window);
        label->setText(QStringLiteral("Party"));
        label->setGeometry(10, 10, 120, 20);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy clicks(label, &ClickLabel::clicked);
        QSignalSpy moves(label, &ClickLabel::mouse_moved);

        QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(clicks.size(), 1);
        QTest::mouseClick(label, Qt::RightButton);
        QCOMPARE(clicks.size(), 1);
        QTest::mousePress(label, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(200, 60));
        QCOMPARE(clicks.size(), 1);
        QVERIFY(label->hasMouseTracking());
        QTest::mouseMove(label, QPoint(4, 4));
        QVERIFY(moves.size() >= 1);

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

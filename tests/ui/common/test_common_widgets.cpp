#include "tests/support/test_support.h"
#include "ui/common/click_label.h"
#include "ui/common/picture_button.h"
#include "ui/common/pictures.h"
#include "ui/common/window_conventions.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QThreadPool>

class CommonWidgetsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { init_ui_test_environment(); }

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

        // Read on a worker thread: the same picture, and a second take reads
        // the file as it is then.
        PictureRead ahead(QStringLiteral("pic.jpg"));
        QCOMPARE(ahead.take().size(), QSize(5, 4));
        QVERIFY(QImage(3, 2, QImage::Format_RGB32).save(path, "JPG"));
        QCOMPARE(ahead.take().size(), QSize(3, 2));
        QVERIFY(PictureRead(QStringLiteral("missing.jpg")).take().isNull());

        // A read that no worker has begun when the picture is wanted is done
        // at once by the caller, not after the busy workers.
        QThreadPool *pool = QThreadPool::globalInstance();
        for (int i = 0; i < pool->maxThreadCount(); ++i)
            pool->start([] { QThread::msleep(300); });
        QElapsedTimer waited;
        waited.start();
        PictureRead queued(QStringLiteral("pic.jpg"));
        QCOMPARE(queued.take().size(), QSize(3, 2));
        QVERIFY2(waited.elapsed() < 200, "the read waited for the busy workers");
        pool->waitForDone();

        // A decode that outlasts the short spin of take(): take() then sleeps
        // until the picture is there.
        QVERIFY(QImage(4000, 3000, QImage::Format_RGB32).save(path, "JPG"));
        PictureRead big(QStringLiteral("pic.jpg"));
        QThread::msleep(20); // time for a worker to begin
        QCOMPARE(big.take().size(), QSize(4000, 3000));
        // A read nobody takes finishes on its own.
        { PictureRead dropped(QStringLiteral("pic.jpg")); }
        pool->waitForDone();
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
        auto *label = new ClickLabel(QStringLiteral("Party"), &window);
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

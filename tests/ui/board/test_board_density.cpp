// The board drawn at the density ctest sets (QT_SCALE_FACTOR, QT_FONT_DPI).
#include "core/app_state.h"
#include "core/board_file.h"
#include "core/signature_store.h"
#include "tests/support/test_support.h"
#include "ui/board/board_window.h"

#include <QLabel>
#include <QTest>
#include <QtMath>

class TestBoardDensity : public WindowTest {
    Q_OBJECT
private slots:
    // The long title is shortened on one line: no ink on the label's bottom
    // row, where a second line would be cut. The note area shows a dark line
    // on each of its four edges.
    void long_title_on_one_line_and_note_area_outlined()
    {
        TempAppFolder app;
        BoardSettings.title = QStringLiteral("Grandmother Wilhelmina's Ninetieth Birthday Garden Party and Reunion");
        app.write(BoardSettings.title + QStringLiteral(".sig"), sig_file(QStringList(12, QStringLiteral("Hi"))));
        load_notes(BoardSettings.title);
        board_mode = kBrowseMode;
        Form8 *board = Form8::open();
        board->setWindowState(Qt::WindowNoState); // the offscreen screen is small
        QTRY_VERIFY(board->isVisible() && board->windowState() == Qt::WindowNoState);
        auto *title = child<QLabel>(board, QStringLiteral("Label2"));
        QVERIFY2(title->text().endsWith(QStringLiteral("… (1 of 12)")), qPrintable(title->text()));
        QCOMPARE(title->accessibleName(), BoardSettings.title + QStringLiteral(" (1 of 12)"));

        const QImage image = board->grab().toImage();
        const qreal ratio = image.devicePixelRatio();
        const auto grey = [&](QPointF at) { return qGray(image.pixel(qFloor(at.x() * ratio), qFloor(at.y() * ratio))); };
        const auto ink = [&](QPointF at) { return grey(at) < 160; };
        const auto in = [&](QWidget *w, qreal x, qreal y) { return QPointF(w->mapTo(board, QPoint())) + QPointF(x, y); };
        for (qreal x = 0; x < title->width(); x += 0.5)
            QVERIFY2(grey(in(title, x, title->height() - 0.5)) > 224, "a second line is cut");
        QWidget *note = child<QWidget>(board, QStringLiteral("Text1"));
        const qreal w = note->width() - 1, h = note->height() - 1;
        for (qreal t = 0.1; t < 0.9; t += 0.05)
            QVERIFY(ink(in(note, t * w, 0)) && ink(in(note, t * w, h)) && ink(in(note, 0, t * h)) && ink(in(note, w, t * h)));
    }
};

QTEST_MAIN(TestBoardDensity)
#include "test_board_density.moc"

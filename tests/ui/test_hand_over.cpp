#include "core/app_state.h"
#include "core/board_file.h"
#include "tests/support/test_support.h"
#include "ui/common/hand_over.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>

namespace {

// The names of the program's windows on screen, sorted.
QStringList shown_windows()
{
    QStringList names;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->objectName().startsWith(QLatin1String("Form")))
            names.append(w->objectName());
    }
    names.sort();
    return names;
}

// Notes which windows are on screen at the moment a window is told to close.
class CloseWitness : public QObject {
public:
    QStringList seen;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Close)
            seen = shown_windows();
        return false;
    }
};

} // namespace

Q_DECLARE_METATYPE(Window)

class TestHandOver : public WindowTest {
    Q_OBJECT
private slots:
    void each_window_hands_over_to_its_neighbours_data();
    void each_window_hands_over_to_its_neighbours();
    void closing_the_board_returns_to_the_main_menu();
    void export_window_opens_beside_the_board();
};

void TestHandOver::each_window_hands_over_to_its_neighbours_data()
{
    QTest::addColumn<Window>("from");
    QTest::addColumn<QString>("from_class");
    QTest::addColumn<Window>("next");
    QTest::addColumn<QString>("next_class");

    const auto row = [](Window from, const char *from_class, Window next, const char *next_class) {
        QTest::addRow("%s to %s", from_class, next_class)
            << from << QString::fromLatin1(from_class) << next << QString::fromLatin1(next_class);
    };
    row(Window::MainMenu, "Form1", Window::Step1, "Form2");
    row(Window::MainMenu, "Form1", Window::Gate, "Form9");
    row(Window::MainMenu, "Form1", Window::Board, "Form8");
    row(Window::Step1, "Form2", Window::MainMenu, "Form1");
    row(Window::Step1, "Form2", Window::Step2, "Form3");
    row(Window::Step2, "Form3", Window::Step1, "Form2");
    row(Window::Step2, "Form3", Window::Step3, "Form4");
    row(Window::Step3, "Form4", Window::Step2, "Form3");
    row(Window::Step3, "Form4", Window::Step4, "Form5");
    row(Window::Step4, "Form5", Window::Step3, "Form4");
    row(Window::Step4, "Form5", Window::Step5, "Form6");
    row(Window::Step5, "Form6", Window::Step4, "Form5");
    row(Window::Step5, "Form6", Window::Finish, "Form7");
    row(Window::Finish, "Form7", Window::Step5, "Form6");
    row(Window::Finish, "Form7", Window::MainMenu, "Form1");
    row(Window::Gate, "Form9", Window::MainMenu, "Form1");
    row(Window::Gate, "Form9", Window::Step1, "Form2");
    row(Window::Gate, "Form9", Window::Board, "Form8");
}

// The next window is on screen before the current one closes, and afterwards
// the next one is the only window left.
void TestHandOver::each_window_hands_over_to_its_neighbours()
{
    QFETCH(Window, from);
    QFETCH(QString, from_class);
    QFETCH(Window, next);
    QFETCH(QString, next_class);

    TempAppFolder app(false);
    MessageRecorder messages;
    SoundRecorder sounds;
    BoardSettings.title = QStringLiteral("Party");

    show_window(from);
    QCOMPARE(shown_windows(), QStringList{from_class});
    QPointer<QWidget> current = find_window(from_class);
    CloseWitness witness;
    current->installEventFilter(&witness);

    hand_over(current, next);
    flush_deletions();

    QStringList both{from_class, next_class};
    both.sort();
    QCOMPARE(witness.seen, both);
    QVERIFY2(current.isNull(), "the window that handed over is still there");
    QCOMPARE(shown_windows(), QStringList{next_class});
    QVERIFY(messages.boxes.isEmpty());
}

void TestHandOver::closing_the_board_returns_to_the_main_menu()
{
    TempAppFolder app(false);
    SoundRecorder sounds;
    for (qint16 mode : {kGuestMode, kBrowseMode}) {
        board_mode = mode;
        show_window(Window::Board);
        QPointer<QWidget> board = find_window(QStringLiteral("Form8"));
        QVERIFY(board);
        board->close();
        flush_deletions();
        QVERIFY(board.isNull());
        QCOMPARE(shown_windows(), QStringList{QStringLiteral("Form1")});
        close_all_windows();
    }
}

// The export window stands beside the board, one at a time, and outlives it.
void TestHandOver::export_window_opens_beside_the_board()
{
    TempAppFolder app(false);
    SoundRecorder sounds;
    board_mode = kBrowseMode;
    show_window(Window::Board);
    QWidget *board = find_window(QStringLiteral("Form8"));
    QPixmap icon(16, 16);
    icon.fill(Qt::red);
    board->setWindowIcon(QIcon(icon));

    show_export(board, QStringLiteral("first"));
    QCOMPARE(shown_windows(), QStringList({QStringLiteral("Form10"), QStringLiteral("Form8")}));
    QWidget *exported = find_window(QStringLiteral("Form10"));
    QCOMPARE(exported->windowIcon().pixmap(16, 16).toImage(), icon.toImage());

    show_export(board, QStringLiteral("second"));
    QCOMPARE(find_window(QStringLiteral("Form10")), exported);
    QCOMPARE(exported->findChild<QPlainTextEdit *>(QStringLiteral("Text1"))->toPlainText(),
             QStringLiteral("second"));
    QCOMPARE(shown_windows().size(), 2);

    board->close();
    flush_deletions();
    QCOMPARE(shown_windows(), QStringList({QStringLiteral("Form1"), QStringLiteral("Form10")}));
}

QTEST_MAIN(TestHandOver)
#include "test_hand_over.moc"

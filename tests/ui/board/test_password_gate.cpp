
#include "core/app_state.h"
#include "core/board_file.h"
#include "core/signature_store.h"
#include "tests/support/test_support.h"
#include "ui/board/board_window.h"
#include "ui/board/password_gate.h"
#include "ui/mainmenu/main_menu.h"
#include "ui/wizard/step1_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

namespace {

const QString kOops = QStringLiteral("Oops. Please try again.");

QLineEdit *entry(QWidget *gate)
{
    return child<QLineEdit>(gate, QStringLiteral("Text1"));
}

// Typed one key per character, letters outside ASCII included.
void type_and_enter(QWidget *gate, const QString &text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, entry(gate), Qt::Key_unknown, QString(c), Qt::NoModifier);
    QTest::keyClick(entry(gate), Qt::Key_Return);
}

} // namespace

class TestPasswordGate : public WindowTest {
    Q_OBJECT
    // The gate before a protected board with one note, loaded for viewing
    // or editing.
    Form9 *open_gate(const QString &password = QStringLiteral("Secret"), qint16 mode = kBrowseMode)
    {
        BoardSettings.title = QStringLiteral("Party");
        BoardSettings.password = password;
        folder->write(QStringLiteral("Party.sig"), sig_file({QStringLiteral("Hi")}));
        load_notes(BoardSettings.title);
        board_mode = mode;
        Form9 *gate = Form9::open();
        return QTest::qWaitForWindowExposed(gate) ? gate : nullptr;
    }

private slots:
    void init() { open_fixture(); }
    void gate_look();
    void case_differences_are_accepted();
    void wrong_entries_are_refused();
    void right_password_for_editing_opens_the_wizard();
    void back_arrow_returns_to_the_main_menu();
};

void TestPasswordGate::gate_look()
{
    Form9 *gate = open_gate();
    QVERIFY(gate);
    QCOMPARE(gate->windowTitle(), QStringLiteral("Quillora 2003"));
    QCOMPARE(gate->size(), QSize(475, 280));
    QCOMPARE(gate->minimumSize(), gate->maximumSize());

    auto *prompt = child<QLabel>(gate, QStringLiteral("Label1"));
    QCOMPARE(prompt->text(), QStringLiteral("Please enter your password:"));
    QCOMPARE(prompt->geometry(), QRect(130, 116, 214, 30));
    QVERIFY(prompt->alignment() & Qt::AlignRight);

    QLineEdit *text = entry(gate);
    QCOMPARE(text->geometry(), QRect(164, 138, 147, 27));
    QCOMPARE(text->accessibleName(), QStringLiteral("Password"));
    QVERIFY(QTest::qWaitForWindowActive(gate));
    QTRY_COMPARE(QApplication::focusWidget(), text);
    QTest::keyClicks(text, QStringLiteral("abc"));
    QCOMPARE(text->displayText(), QStringLiteral("???"));

    QCOMPARE(child<QWidget>(gate, QStringLiteral("Image1"))->geometry(), QRect(8, 225, 39, 47));
    QCOMPARE(child<QWidget>(gate, QStringLiteral("Image1"))->accessibleName(), QStringLiteral("Back"));
    QCOMPARE(child<QWidget>(gate, QStringLiteral("Image2"))->geometry(), QRect(427, 225, 39, 47));
    QCOMPARE(child<QWidget>(gate, QStringLiteral("Image2"))->accessibleName(), QStringLiteral("Next"));
}

void TestPasswordGate::case_differences_are_accepted()
{
    QPointer<Form9> gate = open_gate(QStringLiteral("Grüße Ä"));
    QVERIFY(gate);
    type_and_enter(gate, QStringLiteral("gRÜßE ä"));
    flush_deletions();
    QVERIFY(messages->boxes.isEmpty());
    QVERIFY(gate.isNull());
    close_all_windows();

    // A password longer than a line edit takes by default, as the wizard
    // may store it, opens the board too.
    const QString long_password(40000, QLatin1Char('p'));
    gate = open_gate(long_password);
    QVERIFY(gate);
    entry(gate)->insert(long_password);
    QCOMPARE(entry(gate)->text().size(), long_password.size());
    QTest::keyClick(entry(gate), Qt::Key_Return);
    flush_deletions();
    QVERIFY(messages->boxes.isEmpty());
    QVERIFY(gate.isNull());

    // The board opens in browse mode on the first note.
    QWidget *board = find_window(QStringLiteral("Form8"));
    QVERIFY(qobject_cast<Form8 *>(board));
    QCOMPARE(child<QLabel>(board, QStringLiteral("Label2"))->text(), QStringLiteral("Party (1 of 1)"));
    QCOMPARE(find_window(QStringLiteral("Form2")), nullptr);
}

void TestPasswordGate::wrong_entries_are_refused()
{
    MessageRecorder &boxes = *messages;
    QPointer<Form9> gate = open_gate();
    QVERIFY(gate);
    QString entry_at_box;
    boxes.on_box = [&] { entry_at_box = entry(gate)->text(); };

    const QStringList tries{QStringLiteral("Secret "), QStringLiteral(" secret"), QString(),
                            QStringLiteral("Secre")};
    for (const QString &attempt : tries) {
        boxes.clear();
        type_and_enter(gate, attempt);
        flush_deletions();
        QVERIFY2(gate && gate->isVisible(), qPrintable(attempt));
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(boxes.boxes[0].first, MessageIcon::Exclamation);
        QCOMPARE(boxes.boxes[0].second, kOops);
        QCOMPARE(entry_at_box, attempt); // emptied only after the box
        QCOMPARE(entry(gate)->text(), QString());
        QCOMPARE(QApplication::focusWidget(), entry(gate));
    }

    // The right arrow checks the same way.
    boxes.clear();
    QTest::keyClicks(entry(gate), QStringLiteral("nope"));
    QTest::mouseClick(child<QWidget>(gate, QStringLiteral("Image2")), Qt::LeftButton);
    QCOMPARE(boxes.texts(), QStringList{kOops});
    QCOMPARE(count_windows(QStringLiteral("Form8")), 0);
}

void TestPasswordGate::right_password_for_editing_opens_the_wizard()
{
    QPointer<Form9> gate = open_gate(QStringLiteral("Secret"), kGuestMode);
    QVERIFY(gate);
    QTest::keyClicks(entry(gate), QStringLiteral("SECRET"));
    QTest::mouseClick(child<QWidget>(gate, QStringLiteral("Image2")), Qt::LeftButton);
    flush_deletions();
    QVERIFY(gate.isNull());
    QVERIFY(messages->boxes.isEmpty());
    QVERIFY(qobject_cast<Form2 *>(find_window(QStringLiteral("Form2"))));
    QCOMPARE(count_windows(QStringLiteral("Form8")), 0);
}

void TestPasswordGate::back_arrow_returns_to_the_main_menu()
{
    QPointer<Form9> gate = open_gate();
    QVERIFY(gate);
    type_and_enter(gate, QStringLiteral("wrong"));
    QTest::keyClicks(entry(gate), QStringLiteral("Secret"));
    QTest::mouseClick(child<QWidget>(gate, QStringLiteral("Image1")), Qt::LeftButton);
    flush_deletions();
    QVERIFY(gate.isNull());
    QVERIFY(qobject_cast<Form1 *>(find_window(QStringLiteral("Form1"))));
    QCOMPARE(count_windows(QStringLiteral("Form8")), 0);
    QCOMPARE(count_windows(QStringLiteral("Form2")), 0);
    QCOMPARE(messages->texts(), QStringList{kOops});

    // Closed by its close box, the gate opens nothing.
    close_all_windows();
    gate = open_gate();
    QVERIFY(gate);
    gate->close();
    flush_deletions();
    QVERIFY(gate.isNull());
    for (const char *name : {"Form1", "Form2", "Form8"})
        QCOMPARE(count_windows(name), 0);
}

QTEST_MAIN(TestPasswordGate)
#include "test_password_gate.moc"

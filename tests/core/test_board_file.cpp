#include "core/app_folder.h"
#include "core/board_file.h"
#include "fuzz/parser_checks.h"
#include "tests/support/test_support.h"

#include <QDir>
#include <QTest>

namespace {

const QByteArray kSampleLine =
    "Sample: I'm so glad you could make it to my party. Please leave me a short "
    "message and don't forget to leave a phone number!";

// A board file of the given lines, each ended by CR LF.
QByteArray crlf_lines(const QList<QByteArray> &lines)
{
    QByteArray out;
    for (const QByteArray &line : lines)
        out += line + "\r\n";
    return out;
}

} // namespace

class TestBoardFile : public QObject {
    Q_OBJECT

private slots:
    void saved_bytes_follow_the_format();
    void welcome_message_round_trips_data();
    void welcome_message_round_trips();
    void saving_replaces_an_existing_board();
    void short_board_files_keep_the_defaults_data();
    void short_board_files_keep_the_defaults();
    void number_lines_data();
    void number_lines();
    void every_line_end_reads_alike();
    void unreadable_board_file_leaves_the_defaults();
    void line_breaks_in_one_line_fields_do_not_shift_the_file();
    void strip_ext_drops_four_characters();
};

void TestBoardFile::saved_bytes_follow_the_format()
{
    TempAppFolder app;
    BoardSettings.title = QStringLiteral("Party");
    QVERIFY(save_board(QStringLiteral("Party")));
    QCOMPARE(app.read(QStringLiteral("Party.qla")),
             crlf_lines({"Party", "", "-1 ", "-1 ", "", "", "Thank you!", kSampleLine}));

    BoardSettings.password = QStringLiteral("s3cret pass");
    BoardSettings.backdrop_idx = 3;
    BoardSettings.theme_idx = 0;
    BoardSettings.save_sound = QStringLiteral("chime");
    BoardSettings.reset_sound = QStringLiteral("whoosh");
    BoardSettings.thanks_msg = QStringLiteral("Thanks!");
    BoardSettings.welcome_msg = QStringLiteral("Hello\r\nWorld");
    QVERIFY(save_board(QStringLiteral("Party")));
    QCOMPARE(app.read(QStringLiteral("Party.qla")),
             crlf_lines({"Party", "s3cret pass", " 3 ", " 0 ", "chime", "whoosh", "Thanks!",
                         "Hello", "World"}));

    BoardSettings.backdrop_idx = -32768;
    BoardSettings.theme_idx = 32767;
    QCOMPARE(board_file_bytes(BoardSettings).split('\n').mid(2, 2),
             QList<QByteArray>({"-32768 \r", " 32767 \r"}));
}

void TestBoardFile::welcome_message_round_trips_data()
{
    QTest::addColumn<QString>("welcome");
    QTest::addColumn<QByteArrayList>("lines"); // the message's lines in the file
    QTest::addColumn<QString>("read_back");
    QTest::newRow("two lines") << QStringLiteral("Hello\r\nWorld") << QByteArrayList{"Hello", "World"}
                               << QStringLiteral("Hello\r\nWorld\r\n");
    // A loaded welcome message ends with CR LF, so saving it again adds an
    // empty last line.
    QTest::newRow("as loaded") << QStringLiteral("Hi\r\n") << QByteArrayList{"Hi", ""}
                               << QStringLiteral("Hi\r\n\r\n");
    // An empty welcome message is saved as one empty line, read as CR LF.
    QTest::newRow("empty") << QString() << QByteArrayList{""} << QStringLiteral("\r\n");
    QTest::newRow("empty lines inside") << QStringLiteral("a\r\n\r\n\r\nb") << QByteArrayList{"a", "", "", "b"}
                                        << QStringLiteral("a\r\n\r\n\r\nb\r\n");
}

void TestBoardFile::welcome_message_round_trips()
{
    QFETCH(QString, welcome);
    QFETCH(QByteArrayList, lines);
    QFETCH(QString, read_back);
    TempAppFolder app;
    BoardSettings.title = QStringLiteral("Hi");
    BoardSettings.welcome_msg = welcome;
    QVERIFY(save_board(QStringLiteral("Hi")));
    QCOMPARE(app.read(QStringLiteral("Hi.qla")),
             crlf_lines(QByteArrayList{"Hi", "", "-1 ", "-1 ", "", "", "Thank you!"} + lines));
    reset_board();
    load_board(QStringLiteral("Hi"));
    QCOMPARE(BoardSettings.welcome_msg, read_back);
    QCOMPARE(BoardSettings.loaded_title, QStringLiteral("Hi"));
}

void TestBoardFile::saving_replaces_an_existing_board()
{
    TempAppFolder app;
    app.write(QStringLiteral("Old.qla"), QByteArray(5000, 'x'));
    BoardSettings.title = QStringLiteral("Old");
    BoardSettings.password = QStringLiteral("pw");
    QVERIFY(save_board(QStringLiteral("Old")));
    reset_board();
    load_board(QStringLiteral("Old"));
    QCOMPARE(BoardSettings.password, QStringLiteral("pw"));
    QCOMPARE(BoardSettings.welcome_msg, QString(kDefaultWelcome + QStringLiteral("\r\n")));
    // No temporary file is left beside it.
    QCOMPARE(QDir(app.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Old.qla"});
}

void TestBoardFile::short_board_files_keep_the_defaults_data()
{
    QTest::addColumn<int>("lines");
    for (int n = 0; n <= 8; ++n)
        QTest::addRow("%d lines", n) << n;
}

void TestBoardFile::short_board_files_keep_the_defaults()
{
    QFETCH(int, lines);
    const QList<QByteArray> full = {"T", "pw", " 4 ", " 5 ", "s", "r", "Ta", "W"};
    TempAppFolder app;
    app.write(QStringLiteral("Short.qla"), crlf_lines(full.mid(0, lines)));
    load_board(QStringLiteral("Short"));

    BoardDefinition want = default_board();
    if (lines > 0) want.title = want.loaded_title = QStringLiteral("T");
    if (lines > 1) want.password = QStringLiteral("pw");
    // A missing number line counts as 0.
    want.backdrop_idx = lines > 2 ? 4 : 0;
    want.theme_idx = lines > 3 ? 5 : 0;
    if (lines > 4) want.save_sound = QStringLiteral("s");
    if (lines > 5) want.reset_sound = QStringLiteral("r");
    if (lines > 6) want.thanks_msg = QStringLiteral("Ta");
    want.welcome_msg = lines > 7 ? QStringLiteral("W\r\n") : QString();
    QCOMPARE(differing_field(BoardSettings, want), QString());
}

void TestBoardFile::number_lines_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("expected"); // -1 is the default that stays
    QTest::newRow("written form") << QByteArray(" 3 ") << 3;
    QTest::newRow("negative") << QByteArray("-1 ") << -1;
    QTest::newRow("bare") << QByteArray("6") << 6;
    QTest::newRow("blanks and tabs") << QByteArray("  \t 2\t ") << 2;
    QTest::newRow("plus sign") << QByteArray("+5") << 5;
    QTest::newRow("empty") << QByteArray("") << 0;
    QTest::newRow("blanks only") << QByteArray("   ") << 0;
    QTest::newRow("word") << QByteArray("abc") << 0;
    QTest::newRow("digits then word") << QByteArray("12abc") << 0;
    QTest::newRow("blank inside") << QByteArray("1 2") << 0;
    QTest::newRow("nan") << QByteArray("nan") << 0;
    QTest::newRow("inf") << QByteArray("inf") << 0;
    QTest::newRow("hex") << QByteArray("0x10") << 0;
    QTest::newRow("comma") << QByteArray("2,5") << 0;
    QTest::newRow("3.7 rounds up") << QByteArray("3.7") << 4;
    QTest::newRow("3.2 rounds down") << QByteArray("3.2") << 3;
    QTest::newRow("2.5 to even") << QByteArray("2.5") << 2;
    QTest::newRow("3.5 to even") << QByteArray("3.5") << 4;
    QTest::newRow("-2.5 to even") << QByteArray("-2.5") << -2;
    QTest::newRow("-0.4") << QByteArray("-0.4") << 0;
    QTest::newRow(".5") << QByteArray(".5") << 0;
    QTest::newRow("exponent") << QByteArray("1e3") << 1000;
    QTest::newRow("largest") << QByteArray("32767") << 32767;
    QTest::newRow("smallest") << QByteArray("-32768") << -32768;
    QTest::newRow("32767.4") << QByteArray("32767.4") << 32767;
    QTest::newRow("32768 out of range") << QByteArray("32768") << -1;
    QTest::newRow("32767.6 rounds out") << QByteArray("32767.6") << -1;
    QTest::newRow("-32769 out of range") << QByteArray("-32769") << -1;
    QTest::newRow("40000") << QByteArray(" 40000 ") << -1;
    QTest::newRow("huge") << QByteArray("99999999999999999999999999") << -1;
    QTest::newRow("exponent overflow") << QByteArray("1e400") << -1;
    QTest::newRow("exponent underflow") << QByteArray("1e-400") << 0;
}

void TestBoardFile::number_lines()
{
    QFETCH(QByteArray, line);
    QFETCH(int, expected);
    BoardDefinition board = default_board();
    parse_board_file(crlf_lines({"T", "", line, line, "", "", "Ta", "W"}), board);
    QCOMPARE(int(board.backdrop_idx), expected);
    QCOMPARE(int(board.theme_idx), expected);
    QCOMPARE(board.thanks_msg, QStringLiteral("Ta"));
}

void TestBoardFile::every_line_end_reads_alike()
{
    const QList<QByteArray> lines = {"Title", "pw", " 1 ", " 2 ", "s", "r", "Ta", "Hello", "", "World"};
    BoardDefinition want = default_board();
    parse_board_file(crlf_lines(lines), want);
    QCOMPARE(want.welcome_msg, QStringLiteral("Hello\r\n\r\nWorld\r\n"));
    QCOMPARE(want.theme_idx, qint16(2));
    for (const QByteArray &end : {QByteArray("\r"), QByteArray("\n")}) {
        QByteArray bytes = lines.join(end) + end;
        BoardDefinition board = default_board();
        parse_board_file(bytes, board);
        QCOMPARE(differing_field(board, want), QString());
        // Without an end on the last line.
        bytes.chop(1);
        board = default_board();
        parse_board_file(bytes, board);
        QCOMPARE(differing_field(board, want), QString());
    }
    // LF CR is two line ends (an empty line between), not one.
    BoardDefinition board = default_board();
    parse_board_file("A\n\rB\r\n", board);
    QCOMPARE(board.title, QStringLiteral("A"));
    QCOMPARE(board.password, QString());
    QCOMPARE(board.backdrop_idx, qint16(0));
}

void TestBoardFile::unreadable_board_file_leaves_the_defaults()
{
    TempAppFolder app;
    load_board(QStringLiteral("Missing"));
    QCOMPARE(differing_field(BoardSettings, default_board()), QString());
    QDir(app.path()).mkdir(QStringLiteral("Folder.qla"));
    load_board(QStringLiteral("Folder"));
    QCOMPARE(differing_field(BoardSettings, default_board()), QString());
    load_board(QStringLiteral("../Folder"));
    QCOMPARE(differing_field(BoardSettings, default_board()), QString());
}

void TestBoardFile::line_breaks_in_one_line_fields_do_not_shift_the_file()
{
    TempAppFolder app;
    BoardSettings.title = QStringLiteral("Shift");
    BoardSettings.password = QStringLiteral("two\nlines");
    BoardSettings.thanks_msg = QStringLiteral("Thanks\r\nagain");
    BoardSettings.backdrop_idx = 2;
    BoardSettings.welcome_msg = QStringLiteral("W");
    QVERIFY(save_board(QStringLiteral("Shift")));
    reset_board();
    load_board(QStringLiteral("Shift"));
    QCOMPARE(BoardSettings.password, QStringLiteral("two lines"));
    QCOMPARE(BoardSettings.backdrop_idx, qint16(2));
    QCOMPARE(BoardSettings.thanks_msg, QStringLiteral("Thanks  again"));
    QCOMPARE(BoardSettings.welcome_msg, QStringLiteral("W\r\n"));
}

void TestBoardFile::strip_ext_drops_four_characters()
{
    QCOMPARE(strip_ext(QStringLiteral("Party.qla")), QStringLiteral("Party"));
    QCOMPARE(strip_ext(QStringLiteral("ding.wav")), QStringLiteral("ding"));
    QCOMPARE(strip_ext(QStringLiteral(".qla")), QString());
    QCOMPARE(strip_ext(QStringLiteral("abc")), QString());
    QCOMPARE(strip_ext(QString()), QString());
}

QTEST_GUILESS_MAIN(TestBoardFile)
#include "test_board_file.moc"

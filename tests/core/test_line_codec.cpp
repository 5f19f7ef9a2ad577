#include "core/board_file.h"
#include "core/line_codec.h"
#include "core/signature_store.h"
#include "tests/support/test_support.h"

#include <QTest>

// Board and signature files are Windows-1252, line by line, with UTF-8 for
// the lines that code page cannot hold.
class TestLineCodec : public QObject {
    Q_OBJECT

private slots:
    void windows_1252_text_stays_windows_1252();
    void other_text_is_written_as_utf8_line_by_line();
    void old_windows_1252_files_read_unchanged();
    void every_text_comes_back_as_written_data();
    void every_text_comes_back_as_written();
    void board_fields_keep_their_characters();
};

void TestLineCodec::windows_1252_text_stays_windows_1252()
{
    TempAppFolder app;
    BoardSettings.title = QStringLiteral("Cp");
    const QString note = QStringLiteral("Café €5 “quoted” – naïve ‘x’ …");
    QVERIFY(append_note(note));
    QCOMPARE(app.read(QStringLiteral("Cp.sig")),
             QByteArray("Caf\xE9 \x80" "5 \x93quoted\x94 \x96 na\xEFve \x91x\x92 \x85\r\n^~-^,./\r\n"));
    load_notes(QStringLiteral("Cp"));
    QCOMPARE(sig_text.at(0), note + QStringLiteral("\r\n"));
}

void TestLineCodec::other_text_is_written_as_utf8_line_by_line()
{
    TempAppFolder app;
    BoardSettings.title = QStringLiteral("Mixed");
    const QString note = QStringLiteral("é first\r\n你好 🎉\r\nÆ last ✓");
    QVERIFY(append_note(note));
    const QByteArray want = QByteArray("\xE9 first\r\n") + QStringLiteral("你好 🎉").toUtf8() + "\r\n"
                            + QStringLiteral("Æ last ✓").toUtf8() + "\r\n^~-^,./\r\n";
    QCOMPARE(app.read(QStringLiteral("Mixed.sig")), want);
    load_notes(QStringLiteral("Mixed"));
    QCOMPARE(sig_count, qsizetype(1));
    QCOMPARE(sig_text.at(0), note + QStringLiteral("\r\n"));
    QVERIFY(!app.read(QStringLiteral("Mixed.sig")).contains('?'));
}

void TestLineCodec::old_windows_1252_files_read_unchanged()
{
    // Bytes above 127 that are not UTF-8 are Windows-1252.
    QCOMPARE(decode_line("\xE9t\xE9"), QStringLiteral("été"));
    QCOMPARE(decode_line("\x80 \x93\x94 \x9F"), QStringLiteral("€ “” Ÿ"));
    QCOMPARE(decode_line("na\xEFve caf\xC3"), QStringLiteral("naïve cafÃ"));
    // The five bytes Windows-1252 leaves free read as the control codes.
    QCOMPARE(decode_line("\x81\x8D\x8F\x90\x9D"), QString::fromUtf16(u"\u0081\u008D\u008F\u0090\u009D"));
    // Valid UTF-8 holding a byte above 127 is UTF-8.
    QCOMPARE(decode_line("caf\xC3\xA9"), QStringLiteral("café"));
    // Overlong forms and encoded surrogates are not UTF-8.
    QCOMPARE(decode_line("\xC0\xAF"), QStringLiteral("À¯"));
    QCOMPARE(decode_line("\xED\xA0\x80"), QString::fromUtf16(u"\u00ED\u00A0\u20AC"));
    // Plain ASCII, NUL included.
    QCOMPARE(decode_line(QByteArrayView("a\0b", 3)), QString::fromUtf16(u"a\0b", 3));

    TempAppFolder app;
    app.write(QStringLiteral("Old.qla"), "F\xEAte\r\n\r\n 1 \r\n 2 \r\n\r\n\r\nMerci \x96 \xE0 bient\xF4t\r\n"
                                         "Bienvenue \xE0 la f\xEAte\r\n");
    load_board(QStringLiteral("Old"));
    QCOMPARE(BoardSettings.title, QStringLiteral("Fête"));
    QCOMPARE(BoardSettings.thanks_msg, QStringLiteral("Merci – à bientôt"));
    QCOMPARE(BoardSettings.welcome_msg, QStringLiteral("Bienvenue à la fête\r\n"));
    // Saved again, the file is byte for byte what it was.
    const QByteArray before = app.read(QStringLiteral("Old.qla"));
    BoardSettings.welcome_msg.chop(2);
    QVERIFY(save_board(QStringLiteral("Old")));
    QCOMPARE(app.read(QStringLiteral("Old.qla")), before);
}

void TestLineCodec::every_text_comes_back_as_written_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("utf8");
    QTest::newRow("ascii") << QStringLiteral("plain text 123 !?") << false;
    QTest::newRow("latin") << QStringLiteral("Grüße aus Köln, ½ ° ©") << false;
    QTest::newRow("cp1252 high") << QStringLiteral("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ") << false;
    QTest::newRow("cjk") << QStringLiteral("中文 日本語 한국어") << true;
    QTest::newRow("emoji") << QStringLiteral("party 🎉🥳") << true;
    QTest::newRow("greek and cyrillic") << QStringLiteral("Ωμέγα Привет") << true;
    QTest::newRow("cp1252 that looks like utf8") << QStringLiteral("Ã© Â£") << true;
    QTest::newRow("one looking pair") << QStringLiteral("xÃ©") << true;
    QTest::newRow("cp1252 not looking like utf8") << QStringLiteral("Ã ") << false;
    QTest::newRow("byte order mark first") << QChar(0xFEFF) + QStringLiteral("bom") << true;
    QTest::newRow("nul") << QString::fromUtf16(u"a\0b", 3) << false;
    QTest::newRow("free cp1252 codes") << QString::fromUtf16(u"\u0081\u008D") << false;
    QTest::newRow("other control code") << QString::fromUtf16(u"\u0085x") << true;
    QTest::newRow("empty") << QString() << false;
}

void TestLineCodec::every_text_comes_back_as_written()
{
    QFETCH(QString, line);
    QFETCH(bool, utf8);
    const QByteArray bytes = encode_line(line);
    QCOMPARE(decode_line(bytes), line);
    const bool written_as_utf8 = bytes == line.toUtf8() && bytes != line.toLatin1();
    QCOMPARE(written_as_utf8, utf8);
    QCOMPARE(bytes.count('?'), line.count(QLatin1Char('?')));

    NoteTable table;
    QCOMPARE(parse_notes(note_record_bytes(line + QStringLiteral("\r\n") + line), table), qsizetype(1));
    QCOMPARE(table.at(0), line + QStringLiteral("\r\n") + line + QStringLiteral("\r\n"));
}

void TestLineCodec::board_fields_keep_their_characters()
{
    TempAppFolder app;
    BoardSettings.title = QStringLiteral("Fiesta");
    BoardSettings.password = QStringLiteral("pässwörd€");
    BoardSettings.thanks_msg = QStringLiteral("ありがとう!");
    BoardSettings.welcome_msg = QStringLiteral("¡Bienvenidos!\r\n欢迎 🎈");
    QVERIFY(save_board(QStringLiteral("Fiesta")));
    const QByteArray bytes = app.read(QStringLiteral("Fiesta.qla"));
    QVERIFY(bytes.contains("\r\np\xE4ssw\xF6rd\x80\r\n"));
    QVERIFY(bytes.contains("\r\n\xA1" "Bienvenidos!\r\n"));
    reset_board();
    load_board(QStringLiteral("Fiesta"));
    QCOMPARE(BoardSettings.password, QStringLiteral("pässwörd€"));
    QCOMPARE(BoardSettings.thanks_msg, QStringLiteral("ありがとう!"));
    QCOMPARE(BoardSettings.welcome_msg, QStringLiteral("¡Bienvenidos!\r\n欢迎 🎈\r\n"));
}

QTEST_GUILESS_MAIN(TestLineCodec)
#include "test_line_codec.moc"

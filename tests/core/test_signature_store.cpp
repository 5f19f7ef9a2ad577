#include "core/board_file.h"
#include "core/signature_store.h"
#include "tests/support/test_support.h"

#include <QDir>
#include <QTest>

namespace {

const QByteArray kSep = "^~-^,./\r\n";

QStringList slots_of(const NoteTable &table, qsizetype n)
{
    QStringList out;
    for (qsizetype i = 0; i < n; ++i)
        out.append(table.at(i));
    return out;
}

} // namespace

class TestSignatureStore : public QObject {
    Q_OBJECT

private slots:
    void notes_are_appended_as_records_data();
    void notes_are_appended_as_records();
    void separator_typed_in_a_note_splits_it();
    void record_cut_short_is_not_counted();
    void next_note_after_a_cut_record_keeps_its_first_line();
    void empty_and_missing_files_give_no_notes();
    void a_board_after_a_big_one_has_no_leftovers();
    void the_table_holds_every_note();
    void the_signature_file_is_found_in_any_case();
    void whole_records_end_at_a_separator_line_data();
    void whole_records_end_at_a_separator_line();
    void a_full_board_takes_no_note_and_reads_back_what_fits();
};

void TestSignatureStore::notes_are_appended_as_records_data()
{
    QTest::addColumn<QStringList>("notes");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("read_back");
    QTest::newRow("one line each") << QStringList{"one", "two", "three"}
                                   << "one\r\n" + kSep + "two\r\n" + kSep + "three\r\n" + kSep
                                   << QStringList{"one\r\n", "two\r\n", "three\r\n"};
    // The note area gives "\n"; the file gets CR LF all the same.
    QTest::newRow("line breaks")
        << QStringList{"Hello\r\nWorld", "top\r\n\r\nbottom", "a\nb\n\nc", "ends with a break\r\n", QString()}
        << "Hello\r\nWorld\r\n" + kSep + "top\r\n\r\nbottom\r\n" + kSep + "a\r\nb\r\n\r\nc\r\n" + kSep
               + "ends with a break\r\n\r\n" + kSep + "\r\n" + kSep
        << QStringList{"Hello\r\nWorld\r\n", "top\r\n\r\nbottom\r\n", "a\r\nb\r\n\r\nc\r\n",
                       "ends with a break\r\n\r\n", "\r\n"};
}

void TestSignatureStore::notes_are_appended_as_records()
{
    QFETCH(QStringList, notes);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, read_back);
    TempAppFolder app;
    BoardSettings.title = QStringLiteral("Party");
    for (const QString &note : notes)
        QVERIFY(append_note(note));
    QCOMPARE(app.read(QStringLiteral("Party.sig")), bytes);
    sig_pos = 2;
    load_notes(QStringLiteral("Party"));
    QCOMPARE(sig_count, read_back.size());
    QCOMPARE(sig_pos, qsizetype(0));
    QCOMPARE(slots_of(sig_text, read_back.size() + 1), read_back + QStringList{QString()});
}

void TestSignatureStore::separator_typed_in_a_note_splits_it()
{
    TempAppFolder app;
    BoardSettings.title = QStringLiteral("Sep");
    QVERIFY(append_note(QStringLiteral("before\r\n^~-^,./\r\nafter")));
    // Only the exact line is a separator.
    QVERIFY(append_note(QStringLiteral(" ^~-^,./\r\n^~-^,./ \r\n^~-^,.")));
    load_notes(QStringLiteral("Sep"));
    QCOMPARE(sig_count, qsizetype(3));
    QCOMPARE(slots_of(sig_text, 3),
             QStringList({"before\r\n", "after\r\n", " ^~-^,./\r\n^~-^,./ \r\n^~-^,.\r\n"}));
}

void TestSignatureStore::record_cut_short_is_not_counted()
{
    TempAppFolder app;
    app.write(QStringLiteral("Cut.sig"), "A\r\n" + kSep + "B1\r\nB2");
    load_notes(QStringLiteral("Cut"));
    QCOMPARE(sig_count, qsizetype(1));
    QCOMPARE(sig_text.at(0), QStringLiteral("A\r\n"));
    QCOMPARE(sig_text.at(1), QStringLiteral("B1\r\nB2\r\n"));

    // The next note closes it first: the cut lines are kept as a note of
    // their own, and the new note has a record of its own.
    BoardSettings.title = QStringLiteral("Cut");
    QVERIFY(append_note(QStringLiteral("C")));
    load_notes(QStringLiteral("Cut"));
    QCOMPARE(sig_count, qsizetype(3));
    QCOMPARE(slots_of(sig_text, 4), QStringList({"A\r\n", "B1\r\nB2\r\n", "C\r\n", QString()}));
}

void TestSignatureStore::next_note_after_a_cut_record_keeps_its_first_line()
{
    TempAppFolder app;
    BoardSettings.title = QStringLiteral("Torn");
    // Cut inside the separator line: the separator is completed.
    app.write(QStringLiteral("Torn.sig"), "A\r\n" + kSep + "B\r\n^~-^,");
    QVERIFY(append_note(QStringLiteral("C")));
    QCOMPARE(app.read(QStringLiteral("Torn.sig")), "A\r\n" + kSep + "B\r\n" + kSep + "C\r\n" + kSep);
    load_notes(QStringLiteral("Torn"));
    QCOMPARE(sig_count, qsizetype(3));
    QCOMPARE(slots_of(sig_text, 3), QStringList({"A\r\n", "B\r\n", "C\r\n"}));

    // Cut inside a note's line, or after a whole line of it: what was
    // written stays, as a note of its own, and the next guest's note reads
    // back exactly as typed.
    for (const QByteArray &cut : {QByteArray("note 022947 xxxx\r\n"), QByteArray("note 022947 xx"),
                                  QByteArray("two\r\nlines\r"), QByteArray("^~-"),
                                  QByteArray("^~-^,./ and more")}) {
        app.write(QStringLiteral("Torn.sig"), "A\r\n" + kSep + cut);
        QVERIFY(append_note(QStringLiteral("guest after")));
        load_notes(QStringLiteral("Torn"));
        QCOMPARE(sig_count, qsizetype(3));
        QCOMPARE(sig_text.at(0), QStringLiteral("A\r\n"));
        QString kept = QString::fromLatin1(cut);
        kept.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
        if (!kept.endsWith(QLatin1Char('\n')))
            kept += QLatin1Char('\n');
        kept.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
        QCOMPARE(sig_text.at(1), kept);
        QCOMPARE(sig_text.at(2), QStringLiteral("guest after\r\n"));
    }

    // A file that holds nothing but a cut line keeps it as its first note.
    app.write(QStringLiteral("Torn.sig"), "^~");
    QVERIFY(append_note(QStringLiteral("B")));
    load_notes(QStringLiteral("Torn"));
    QCOMPARE(slots_of(sig_text, 3), QStringList({"^~\r\n", "B\r\n", QString()}));
    // One that holds nothing but a separator line is one whole empty note.
    app.write(QStringLiteral("Torn.sig"), kSep);
    QVERIFY(append_note(QStringLiteral("B")));
    QCOMPARE(app.read(QStringLiteral("Torn.sig")), kSep + "B\r\n" + kSep);

    // Cut right after the separator's characters: the record is whole.
    app.write(QStringLiteral("Torn.sig"), "A\r\n^~-^,./");
    QVERIFY(append_note(QStringLiteral("C")));
    load_notes(QStringLiteral("Torn"));
    QCOMPARE(sig_count, qsizetype(2));
    QCOMPARE(slots_of(sig_text, 2), QStringList({"A\r\n", "C\r\n"}));

    // Cut between CR and LF: no line is added.
    app.write(QStringLiteral("Torn.sig"), "A\r\n^~-^,./\r");
    QVERIFY(append_note(QStringLiteral("C")));
    QCOMPARE(app.read(QStringLiteral("Torn.sig")), "A\r\n^~-^,./\rC\r\n" + kSep);
    load_notes(QStringLiteral("Torn"));
    QCOMPARE(slots_of(sig_text, 2), QStringList({"A\r\n", "C\r\n"}));
}

void TestSignatureStore::empty_and_missing_files_give_no_notes()
{
    TempAppFolder app;
    app.write(QStringLiteral("Big.sig"), "x\r\n" + kSep);
    load_notes(QStringLiteral("Big"));
    QCOMPARE(sig_count, qsizetype(1));

    app.write(QStringLiteral("Empty.sig"), QByteArray());
    sig_pos = 1;
    load_notes(QStringLiteral("Empty"));
    QCOMPARE(sig_count, qsizetype(0));
    QCOMPARE(sig_pos, qsizetype(0));
    QCOMPARE(sig_text.at(0), QString());

    load_notes(QStringLiteral("Big"));
    load_notes(QStringLiteral("Missing"));
    QCOMPARE(sig_count, qsizetype(0));
    QCOMPARE(sig_text.at(0), QString());
    QCOMPARE(sig_text.slot_count(), qsizetype(1));
}

void TestSignatureStore::a_board_after_a_big_one_has_no_leftovers()
{
    TempAppFolder app;
    QByteArray big;
    for (int i = 0; i < 1000; ++i)
        big += "note " + QByteArray::number(i) + "\r\nsecond line\r\n" + kSep;
    big += "cut short\r\n";
    app.write(QStringLiteral("Big.sig"), big);
    app.write(QStringLiteral("Small.sig"), "only\r\n" + kSep);
    load_notes(QStringLiteral("Big"));
    QCOMPARE(sig_count, qsizetype(1000));
    QCOMPARE(sig_text.at(999), QStringLiteral("note 999\r\nsecond line\r\n"));
    QCOMPARE(sig_text.at(1000), QStringLiteral("cut short\r\n"));
    load_notes(QStringLiteral("Small"));
    QCOMPARE(sig_count, qsizetype(1));
    QCOMPARE(sig_text.at(0), QStringLiteral("only\r\n"));
    for (qsizetype i : {1, 2, 500, 999, 1000})
        QCOMPARE(sig_text.at(i), QString());
    QCOMPARE(sig_text.at(-1), QString());
}

void TestSignatureStore::the_table_holds_every_note()
{
    TempAppFolder app;
    BoardSettings.title = QStringLiteral("Many");
    QByteArray bytes;
    for (int i = 0; i < 2000; ++i)
        bytes += note_record_bytes(QStringLiteral("guest %1").arg(i));
    app.write(QStringLiteral("Many.sig"), bytes);
    QVERIFY(append_note(QStringLiteral("the last")));
    load_notes(QStringLiteral("Many"));
    QCOMPARE(sig_count, qsizetype(2001));
    QCOMPARE(sig_text.at(750), QStringLiteral("guest 750\r\n"));
    QCOMPARE(sig_text.at(751), QStringLiteral("guest 751\r\n"));
    QCOMPARE(sig_text.at(1999), QStringLiteral("guest 1999\r\n"));
    QCOMPARE(sig_text.at(2000), QStringLiteral("the last\r\n"));
}

void TestSignatureStore::the_signature_file_is_found_in_any_case()
{
    TempAppFolder app;
    app.write(QStringLiteral("PARTY.SIG"), "first\r\n" + kSep);
    BoardSettings.title = QStringLiteral("Party");
    QVERIFY(append_note(QStringLiteral("second")));
    QCOMPARE(QDir(app.path()).entryList(QDir::Files), QStringList{"PARTY.SIG"});
    load_notes(QStringLiteral("party"));
    QCOMPARE(sig_count, qsizetype(2));
    QCOMPARE(sig_text.at(1), QStringLiteral("second\r\n"));

    // A title naming a place outside the app folder gets no file.
    BoardSettings.title = QStringLiteral("../Party");
    QVERIFY(!append_note(QStringLiteral("x")));
    BoardSettings.title = QStringLiteral("Par") + QChar(0) + QStringLiteral("ty");
    QVERIFY(!append_note(QStringLiteral("x")));
    QCOMPARE(QDir(app.path()).entryList(QDir::Files), QStringList{"PARTY.SIG"});
}

void TestSignatureStore::whole_records_end_at_a_separator_line_data()
{
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<qsizetype>("whole");
    QTest::newRow("a note cut short") << "A\r\n" + kSep + "B\r\n" + kSep + "C" << qsizetype(24);
    QTest::newRow("cut between CR and LF") << QByteArray("A\r\n^~-^,./\r") << qsizetype(11);
    QTest::newRow("a separator cut short") << "A\r\n" + kSep + "B\r\n^~-^," << qsizetype(12);
    QTest::newRow("a line that may go on") << QByteArray("A\r\n^~-^,./") << qsizetype(0);
    QTest::newRow("inside a line") << QByteArray("x^~-^,./\r\n") << qsizetype(0);
    QTest::newRow("LF line ends") << QByteArray("A\n^~-^,./\nB") << qsizetype(10);
    QTest::newRow("no separator") << QByteArray("just text\r\n") << qsizetype(0);
}

void TestSignatureStore::whole_records_end_at_a_separator_line()
{
    QFETCH(QByteArray, start);
    QFETCH(qsizetype, whole);
    QCOMPARE(whole_records_size(start), whole);
}

// A note is refused when the file would grow past what is read back; a file
// grown past it anyway reads as the whole notes of its first bytes.
void TestSignatureStore::a_full_board_takes_no_note_and_reads_back_what_fits()
{
    TempAppFolder app;
    BoardSettings.title = QStringLiteral("Full");
    const QByteArray record = note_record_bytes(QStringLiteral("a guest's note"));
    const qsizetype count = (kMaxBoardFileBytes - 2000) / record.size();
    QByteArray bytes = record.repeated(count);
    bytes += note_record_bytes(QString(kMaxBoardFileBytes - 100 - bytes.size() - 11, QLatin1Char('p')));
    app.write(QStringLiteral("Full.sig"), bytes);
    // 100 bytes left: a record of 101 does not fit, one of 100 does.
    bool full = false;
    QVERIFY(!append_note(QString(90, QLatin1Char('y')), &full));
    QVERIFY(full);
    QCOMPARE(app.read(QStringLiteral("Full.sig")), bytes);
    QVERIFY(append_note(QString(89, QLatin1Char('y')), &full));
    QVERIFY(!full);
    QVERIFY(!append_note(QStringLiteral("z"), &full));
    QVERIFY(full);
    QCOMPARE(load_notes(QStringLiteral("Full")), ReadResult::Read);
    QCOMPARE(sig_count, count + 2);

    // Grown past it by another program: the notes past the limit, the one
    // across it included, are left out.
    bytes += note_record_bytes(QString(150, QLatin1Char('b'))) + "cut";
    app.write(QStringLiteral("Full.sig"), bytes);
    QCOMPARE(load_notes(QStringLiteral("Full")), ReadResult::Partial);
    QCOMPARE(sig_count, count + 1);
    QCOMPARE(sig_text.at(count), QString(kMaxBoardFileBytes - 100 - record.size() * count - 11, QLatin1Char('p')) + QStringLiteral("\r\n"));
    QCOMPARE(sig_text.at(count + 1), QString());
    QCOMPARE(app.read(QStringLiteral("Full.sig")), bytes);
}

QTEST_GUILESS_MAIN(TestSignatureStore)
#include "test_signature_store.moc"

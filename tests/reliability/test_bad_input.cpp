#include "core/app_folder.h"
#include "core/app_state.h"
#include "core/board_file.h"
#include "core/signature_store.h"
#include "tests/support/test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray kSep = "^~-^,./";

// The bytes of a literal, NUL bytes inside included.
template <qsizetype N> QByteArray raw(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}

// An app folder inside a folder of its own, so that a file written beside
// the app folder would show.
class NestedAppFolder {
public:
    NestedAppFolder()
    {
        QDir(root_.path()).mkdir(QStringLiteral("app"));
        set_app_folder(path());
        reset_app_state();
    }
    ~NestedAppFolder()
    {
        set_app_folder(QString());
        reset_app_state();
    }
    QString path() const { return root_.filePath(QStringLiteral("app")); }
    QString file(const QString &name) const { return path() + QLatin1Char('/') + name; }
    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile f(file(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(bytes), bytes.size());
    }
    QStringList files() const { return QDir(path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot); }
    QStringList beside() const { return QDir(root_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot); }

private:
    QTemporaryDir root_;
};

} // namespace

class TestBadInput : public QObject {
    Q_OBJECT

private slots:
    void damaged_board_files_load_what_they_can();
    void damaged_signature_files_load_what_they_can();
    void huge_files_load_whole();
    void odd_titles_stay_in_the_app_folder_data();
    void odd_titles_stay_in_the_app_folder();
};

void TestBadInput::damaged_board_files_load_what_they_can()
{
    NestedAppFolder app;
    // NUL bytes are characters like any other.
    app.write(QStringLiteral("Nul.qla"), raw("ti\0tle\r\npa\0ss\r\n 1\0 \r\n 2 \r\n\r\n\r\nT\r\nW\0\r\n"));
    load_board(QStringLiteral("Nul"));
    QCOMPARE(BoardSettings.title, QString::fromUtf16(u"ti\0tle", 6));
    QCOMPARE(BoardSettings.password, QString::fromUtf16(u"pa\0ss", 5));
    QCOMPARE(BoardSettings.backdrop_idx, qint16(0)); // " 1\0 " is not a number
    QCOMPARE(BoardSettings.theme_idx, qint16(2));
    QCOMPARE(BoardSettings.welcome_msg, QString::fromUtf16(u"W\0\r\n", 4));

    // Bytes that are not UTF-8 are Windows-1252, line by line.
    reset_board();
    app.write(QStringLiteral("Bytes.qla"), "\xFF\xFE\r\n\xC3\xA9\r\n 3 \r\n\xE9\r\n\xF0\x9F\r\n\r\n\x80\r\n\xC3\r\n");
    load_board(QStringLiteral("Bytes"));
    QCOMPARE(BoardSettings.title, QStringLiteral("ÿþ"));
    QCOMPARE(BoardSettings.password, QStringLiteral("é"));
    QCOMPARE(BoardSettings.theme_idx, qint16(0));
    QCOMPARE(BoardSettings.save_sound, QStringLiteral("ðŸ"));
    QCOMPARE(BoardSettings.thanks_msg, QStringLiteral("€"));
    QCOMPARE(BoardSettings.welcome_msg, QStringLiteral("Ã\r\n"));

    // CR only, LF only, mixed, and no end on the last line.
    for (const QByteArray &bytes : {QByteArray("T\rP\r 4 \r 5 \rs\rr\rTa\rW1\rW2"),
                                    QByteArray("T\nP\n 4 \n 5 \ns\nr\nTa\nW1\nW2\n"),
                                    QByteArray("T\r\nP\n 4 \r 5 \r\ns\nr\rTa\r\nW1\nW2")}) {
        reset_board();
        app.write(QStringLiteral("Ends.qla"), bytes);
        load_board(QStringLiteral("Ends"));
        QCOMPARE(BoardSettings.title, QStringLiteral("T"));
        QCOMPARE(BoardSettings.password, QStringLiteral("P"));
        QCOMPARE(BoardSettings.backdrop_idx, qint16(4));
        QCOMPARE(BoardSettings.theme_idx, qint16(5));
        QCOMPARE(BoardSettings.thanks_msg, QStringLiteral("Ta"));
        QCOMPARE(BoardSettings.welcome_msg, QStringLiteral("W1\r\nW2\r\n"));
    }

    // Numbers far outside the 16-bit range keep the defaults.
    reset_board();
    app.write(QStringLiteral("Big.qla"), "T\r\n\r\n" + QByteArray(5000, '9') + "\r\n-1e300\r\n");
    load_board(QStringLiteral("Big"));
    QCOMPARE(BoardSettings.backdrop_idx, qint16(-1));
    QCOMPARE(BoardSettings.theme_idx, qint16(-1));
    QCOMPARE(BoardSettings.thanks_msg, kDefaultThanks);
    QCOMPARE(BoardSettings.welcome_msg, QString());
}

void TestBadInput::damaged_signature_files_load_what_they_can()
{
    NestedAppFolder app;
    app.write(QStringLiteral("Nul.sig"), raw("a\0b\r\n^~-^,./\r\n^~-^,./\0\r\n^~-^,./\r\n"));
    load_notes(QStringLiteral("Nul"));
    QCOMPARE(sig_count, qsizetype(2));
    QCOMPARE(sig_text.at(0), QString::fromUtf16(u"a\0b\r\n", 5));
    QCOMPARE(sig_text.at(1), QString::fromUtf16(u"^~-^,./\0\r\n", 10));

    app.write(QStringLiteral("Bytes.sig"), "\xE9t\xE9\r\n^~-^,./\r\n\xC3\xA9t\xC3\xA9\r\n^~-^,./\r\n\xED\xA0\x80\r\n^~-^,./\r\n");
    load_notes(QStringLiteral("Bytes"));
    QCOMPARE(sig_count, qsizetype(3));
    QCOMPARE(sig_text.at(0), QStringLiteral("été\r\n"));
    QCOMPARE(sig_text.at(1), QStringLiteral("été\r\n"));
    QCOMPARE(sig_text.at(2), QString::fromUtf16(u"\u00ED\u00A0\u20AC\r\n"));

    for (const QByteArray &bytes : {QByteArray("one\r^~-^,./\rtwo\rlines\r^~-^,./\rcut"),
                                    QByteArray("one\n^~-^,./\ntwo\nlines\n^~-^,./\ncut"),
                                    QByteArray("one\r\n^~-^,./\ntwo\rlines\n^~-^,./\r\ncut\n")}) {
        app.write(QStringLiteral("Ends.sig"), bytes);
        load_notes(QStringLiteral("Ends"));
        QCOMPARE(sig_count, qsizetype(2));
        QCOMPARE(sig_text.at(0), QStringLiteral("one\r\n"));
        QCOMPARE(sig_text.at(1), QStringLiteral("two\r\nlines\r\n"));
        QCOMPARE(sig_text.at(2), QStringLiteral("cut\r\n"));
    }
    // A separator without its line end still ends the record.
    app.write(QStringLiteral("Last.sig"), "x\r\n^~-^,./");
    load_notes(QStringLiteral("Last"));
    QCOMPARE(sig_count, qsizetype(1));
}

void TestBadInput::huge_files_load_whole()
{
    // A read gone quadratic runs into the test's time limit.
    NestedAppFolder app;

    // A welcome message of 7 MB, in lines of 1000 characters: within the
    // limit of what is read.
    QByteArray line(998, 'w');
    line += "\r\n";
    QByteArray board = "Huge\r\n\r\n 1 \r\n 2 \r\n\r\n\r\nThanks\r\n";
    board.reserve(board.size() + 7 * 1000 * 1000);
    for (int i = 0; i < 7 * 1000; ++i)
        board += line;
    app.write(QStringLiteral("Huge.qla"), board);
    QCOMPARE(load_board(QStringLiteral("Huge")), ReadResult::Read);
    QCOMPARE(BoardSettings.welcome_msg.size(), qsizetype(7 * 1000 * 1000));
    QCOMPARE(BoardSettings.thanks_msg, QStringLiteral("Thanks"));
    QVERIFY(save_board(QStringLiteral("Huge")));
    QCOMPARE(QFileInfo(app.file("Huge.qla")).size(), board.size() + 2);
    reset_board();

    // 200,000 empty notes, then 200,000 records without lines.
    QByteArray notes;
    for (int i = 0; i < 200000; ++i)
        notes += "\r\n" + kSep + "\r\n";
    app.write(QStringLiteral("Empty.sig"), notes);
    load_notes(QStringLiteral("Empty"));
    QCOMPARE(sig_count, qsizetype(200000));
    QCOMPARE(sig_text.at(0), QStringLiteral("\r\n"));
    QCOMPARE(sig_text.at(199999), QStringLiteral("\r\n"));
    QCOMPARE(sig_text.at(200000), QString());

    app.write(QStringLiteral("Bare.sig"), (kSep + "\n").repeated(200000));
    load_notes(QStringLiteral("Bare"));
    QCOMPARE(sig_count, qsizetype(200000));
    QCOMPARE(sig_text.at(123456), QString());
}

void TestBadInput::odd_titles_stay_in_the_app_folder_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("saves");
    QTest::newRow("251 characters, the longest name") << QString(251, QLatin1Char('a')) << true;
    QTest::newRow("252 characters") << QString(252, QLatin1Char('b')) << false;
    QTest::newRow("251 bytes, an accented letter among them") << QString(249, QLatin1Char('a')) + QChar(0xe9) << true;
    QTest::newRow("252 bytes, an accented letter among them") << QString(250, QLatin1Char('a')) + QChar(0xe9) << false;
    QTest::newRow("1000 characters") << QString(1000, QLatin1Char('c')) << false;
    QTest::newRow("..") << QStringLiteral("..") << true;
    QTest::newRow(".") << QStringLiteral(".") << true;
    QTest::newRow("blanks only") << QStringLiteral("   ") << true;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("parent path") << QStringLiteral("../escape") << false;
    QTest::newRow("sub path") << QStringLiteral("a/b") << false;
    QTest::newRow("slash only") << QStringLiteral("/") << false;
    QTest::newRow("absolute") << QStringLiteral("/tmp/quillora-escape") << false;
    QTest::newRow("nul") << QStringLiteral("cut") + QChar(0) + QStringLiteral("here") << false;
    QTest::newRow("backslash") << QStringLiteral("..\\x") << true;
    QString allowed = QStringLiteral(" )(.&'-,");
    for (char16_t c = u'0'; c <= u'9'; ++c)
        allowed += QChar(c);
    for (char16_t c = u'A'; c <= u'Z'; ++c) {
        allowed += QChar(c);
        allowed += QChar(char16_t(c + 32)); // its small letter
    }
    QTest::newRow("every character a title may hold") << allowed << true;
}

void TestBadInput::odd_titles_stay_in_the_app_folder()
{
    QFETCH(QString, title);
    QFETCH(bool, saves);
    NestedAppFolder app;
    BoardSettings.title = title;
    BoardSettings.password = QStringLiteral("pw");
    QCOMPARE(save_board(title), saves);
    QCOMPARE(append_note(QStringLiteral("a note")), saves);
    if (saves) {
        QCOMPARE(app.files(), QStringList({title + QStringLiteral(".qla"), title + QStringLiteral(".sig")}));
        reset_board();
        load_board(title);
        QCOMPARE(BoardSettings.title, title);
        QCOMPARE(BoardSettings.password, QStringLiteral("pw"));
        load_notes(title);
        QCOMPARE(sig_count, qsizetype(1));
        QVERIFY(!find_app_file(title, QStringLiteral(".qla")).isEmpty());
    } else {
        QCOMPARE(app.files(), QStringList());
        reset_board();
        load_board(title);
        QCOMPARE(BoardSettings.password, QString());
        load_notes(title);
        QCOMPARE(sig_count, qsizetype(0));
        QVERIFY(!QFileInfo::exists(app.file(title + QStringLiteral(".qla"))));
    }
    QCOMPARE(app.beside(), QStringList{"app"});
    QVERIFY(!QFileInfo::exists(QStringLiteral("/tmp/quillora-escape.qla")));
}

QTEST_GUILESS_MAIN(TestBadInput)
#include "test_bad_input.moc"

#include "fuzz/parser_checks.h"

#include <QDir>
#include <QFile>
#include <QTest>

// Every file of the fuzzers' corpus goes through both readers, so inputs the
// fuzzers once found stay checked in every build.
class TestCorpusReplay : public QObject {
    Q_OBJECT

private slots:
    void every_corpus_file_reads_soundly_data();
    void every_corpus_file_reads_soundly();
};

void TestCorpusReplay::every_corpus_file_reads_soundly_data()
{
    QTest::addColumn<QString>("path");
    int files = 0;
    for (const QString &sub : {QStringLiteral("board"), QStringLiteral("notes")}) {
        QDir dir(QStringLiteral(FUZZ_CORPUS "/") + sub);
        const QStringList names = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);
        QVERIFY2(names.size() >= 5, qPrintable(dir.path()));
        for (const QString &name : names) {
            QTest::newRow(qPrintable(sub + QLatin1Char('/') + name)) << dir.filePath(name);
            ++files;
        }
    }
    QVERIFY(files >= 10);
}

void TestCorpusReplay::every_corpus_file_reads_soundly()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QString board = check_board_bytes(bytes);
    QVERIFY2(board.isEmpty(), qPrintable(board));
    const QString notes = check_notes_bytes(bytes);
    QVERIFY2(notes.isEmpty(), qPrintable(notes));
}

QTEST_GUILESS_MAIN(TestCorpusReplay)
#include "test_corpus_replay.moc"

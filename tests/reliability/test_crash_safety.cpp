#include "core/line_codec.h"
#include "core/signature_store.h"
#include "tests/reliability/crash_payloads.h"
#include "tests/support/test_support.h"

#include <QDir>
#include <QElapsedTimer>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <csignal>
#include <random>

namespace {

// Starts a program, waits until it has acknowledged `acks` writes (one line
// each), lets it run `more_ms` longer, kills it with SIGKILL and returns the
// lines it printed. Waiting for acknowledgements first makes every round get
// somewhere however busy the machine is.
QStringList run_and_kill(const QString &program, const QStringList &args, int acks, int more_ms)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForStarted(10000))
        return {QStringLiteral("not started")};
    QByteArray out;
    while (out.count('\n') < acks && process.state() == QProcess::Running) {
        process.waitForReadyRead(10000);
        out += process.readAllStandardOutput();
    }
    QThread::msleep(more_ms);
    ::kill(pid_t(process.processId()), SIGKILL);
    process.waitForFinished(10000);
    out += process.readAllStandardOutput();
    return QString::fromLatin1(out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList lines_of(const QString &slot)
{
    QStringList lines = slot.split(QStringLiteral("\r\n"));
    lines.removeLast(); // every line of a slot is followed by CR LF
    return lines;
}

// The lines of note n's record, the separator included.
const QStringList &record_lines(qint64 n)
{
    static QHash<qint64, QStringList> cache;
    auto it = cache.find(n);
    if (it == cache.end()) {
        QStringList record = lines_of(crash_note(n) + QStringLiteral("\r\n"));
        record.append(QString::fromLatin1(kSeparatorBytes));
        it = cache.insert(n, record);
    }
    return *it;
}

// A record cut short: all its lines but the last are the first lines of the
// note's record, and the last is the start of the next one, byte for byte.
bool is_fragment_of(const QStringList &fragment, qint64 n)
{
    const QString header = QStringLiteral("note %1 begins").arg(n);
    if (!encode_line(header).startsWith(encode_line(fragment[0])))
        return false;
    const QStringList &record = record_lines(n);
    if (fragment.size() > record.size())
        return false;
    for (qsizetype i = 0; i + 1 < fragment.size(); ++i) {
        if (fragment[i] != record[i])
            return false;
    }
    const qsizetype last = fragment.size() - 1;
    return encode_line(record[last]).startsWith(encode_line(fragment[last]));
}

// The lines are records cut short, one after another (each next one starts
// on a line of its own). Returns false when some lines belong to no note
// that may have been cut. The notes cut short are added to `cut`.
bool find_fragments(const QStringList &lines, const QSet<qint64> &may_be_cut, QList<qint64> &cut)
{
    for (qsizetype k = 0; k < lines.size();) {
        qsizetype longest = 0;
        qint64 which = -1;
        for (qint64 m : may_be_cut) {
            for (qsizetype len = lines.size() - k; len > longest; --len) {
                if (is_fragment_of(lines.mid(k, len), m)) {
                    longest = len;
                    which = m;
                    break;
                }
            }
        }
        if (longest == 0)
            return false;
        cut.append(which);
        k += longest;
    }
    return true;
}

struct NoteCheck {
    QList<qint64> complete;  // numbers of the whole notes, in file order
    QList<qint64> cut;       // numbers of the records cut short in the file
    QString error;
};

// Reads the file back through load_notes and checks every slot: a slot is
// one whole note, or one record cut short, kept as a note of its own (never
// joined to the next note).
NoteCheck check_notes(const QString &title, const QSet<qint64> &may_be_cut)
{
    NoteCheck out;
    static const QRegularExpression header(QStringLiteral("^note (\\d+) begins$"));
    load_notes(title);
    for (qsizetype i = 0; i <= sig_count; ++i) {
        const QStringList lines = lines_of(sig_text.at(i));
        const bool cut_slot = i == sig_count; // after the last separator
        if (cut_slot && lines.isEmpty())
            break;
        const auto match = lines.isEmpty() ? QRegularExpressionMatch() : header.match(lines[0]);
        const qint64 n = match.hasMatch() ? match.captured(1).toLongLong() : -1;
        if (!cut_slot && n >= 0 && lines.join(QStringLiteral("\r\n")) == crash_note(n)) {
            out.complete.append(n);
            continue;
        }
        const qsizetype cut_before = out.cut.size();
        if (!find_fragments(lines, may_be_cut, out.cut) || out.cut.size() != cut_before + 1) {
            out.error = QStringLiteral("slot %1 is neither a whole note nor one note cut short: %2")
                            .arg(i).arg(lines.join(QLatin1Char('|')).left(200));
            return out;
        }
    }
    return out;
}

} // namespace

class TestCrashSafety : public QObject {
    Q_OBJECT

private slots:
    void no_acknowledged_note_is_lost_when_the_board_is_killed();
    void a_killed_save_leaves_one_whole_board();
};

void TestCrashSafety::no_acknowledged_note_is_lost_when_the_board_is_killed()
{
    TempAppFolder app(false);
    const QString title = QStringLiteral("Party");
    std::mt19937 rng(2003);
    std::uniform_int_distribution<int> acks(0, 8);
    std::uniform_int_distribution<int> more_ms(0, 15);
    std::uniform_int_distribution<int> coin(0, 2);

    QList<qint64> acknowledged;
    QSet<qint64> may_be_cut; // in flight when killed, or torn by hand
    qsizetype torn_by_hand = 0;
    qsizetype scan_from = 0;
    NoteCheck last;
    const int rounds = 60;
    for (int round = 0; round < rounds; ++round) {
        const qint64 base = qint64(round + 1) * 1000000;
        const QStringList printed = run_and_kill(QStringLiteral(APPEND_LOOP),
                                                 {app.path(), title, QString::number(base)},
                                                 acks(rng), more_ms(rng));
        for (qsizetype i = 0; i < printed.size(); ++i) {
            QCOMPARE(printed[i], QString::number(base + i));
            acknowledged.append(base + i);
        }
        may_be_cut.insert(base + printed.size());

        // Some records are cut short by hand at any byte, as a power cut
        // might leave them, before the next round writes after them.
        if (coin(rng) == 0) {
            const qint64 n = base + 500000;
            const QByteArray record = note_record_bytes(crash_note(n));
            std::uniform_int_distribution<qsizetype> cut(1, record.size() - 1);
            QFile file(app.file(title + QStringLiteral(".sig")));
            QVERIFY(file.open(QIODevice::ReadWrite | QIODevice::Append));
            // Written the way append_note writes: after closing a record
            // cut short before it.
            const qint64 tail = qMin<qint64>(file.size(), 24);
            QVERIFY(file.seek(file.size() - tail));
            file.write(record_closing(file.read(tail), tail == file.size()));
            file.write(record.left(cut(rng)));
            file.close();
            may_be_cut.insert(n);
            ++torn_by_hand;
        }

        last = check_notes(title, may_be_cut);
        QVERIFY2(last.error.isEmpty(), qPrintable(QStringLiteral("round %1: %2").arg(round).arg(last.error)));
        QVERIFY2(std::is_sorted(last.complete.begin(), last.complete.end()), "notes out of order");
        const QSet<qint64> found(last.complete.begin(), last.complete.end());
        QCOMPARE(found.size(), last.complete.size());
        for (qint64 n : acknowledged)
            QVERIFY2(found.contains(n), qPrintable(QStringLiteral("round %1: note %2 lost").arg(round).arg(n)));
        for (qint64 n : found)
            QVERIFY2(may_be_cut.contains(n) || acknowledged.contains(n), "a note nobody wrote");
        // Every acknowledged record is on disk byte for byte, in order.
        const QByteArray bytes = app.read(title + QStringLiteral(".sig"));
        for (qsizetype i = acknowledged.size() - printed.size(); i < acknowledged.size(); ++i) {
            const QByteArray record = note_record_bytes(crash_note(acknowledged[i]));
            const qsizetype at = bytes.indexOf(record, scan_from);
            QVERIFY2(at >= 0, qPrintable(QStringLiteral("note %1 not on disk").arg(acknowledged[i])));
            scan_from = at + record.size();
        }
    }
    const qsizetype in_flight_found = last.complete.size() - acknowledged.size();
    const auto cut_by_kill = std::count_if(last.cut.begin(), last.cut.end(),
                                           [](qint64 m) { return m % 1000000 < 500000; });
    qInfo("%d rounds killed; %lld notes acknowledged, all found whole and in order; "
          "%lld more written whole but not acknowledged; %lld records cut short by a kill "
          "and %lld torn by hand, each kept as a note of its own",
          rounds, qlonglong(acknowledged.size()), qlonglong(in_flight_found),
          qlonglong(cut_by_kill), qlonglong(last.cut.size() - cut_by_kill));
}

void TestCrashSafety::a_killed_save_leaves_one_whole_board()
{
    TempAppFolder app(false);
    const QString title = QStringLiteral("Board");
    const QByteArray a = board_file_bytes(crash_board(false));
    const QByteArray b = board_file_bytes(crash_board(true));
    app.write(title + QStringLiteral(".qla"), b);
    std::mt19937 rng(1252);
    std::uniform_int_distribution<int> acks(0, 2);
    std::uniform_int_distribution<int> more_ms(0, 40);
    qsizetype saves = 0;
    int found_a = 0;
    const int rounds = 50;
    for (int round = 0; round < rounds; ++round) {
        const QStringList printed = run_and_kill(QStringLiteral(SAVE_LOOP), {app.path(), title}, acks(rng),
                                                 more_ms(rng));
        QVERIFY2(!printed.contains(QStringLiteral("failed")), "save_board failed");
        saves += printed.size();
        const QByteArray bytes = app.read(title + QStringLiteral(".qla"));
        QVERIFY2(bytes == a || bytes == b,
                 qPrintable(QStringLiteral("round %1: board file of %2 bytes is neither A nor B")
                                .arg(round).arg(bytes.size())));
        found_a += bytes == a;
        const QStringList boards = QDir(app.path()).entryList({QStringLiteral("*.qla")}, QDir::Files | QDir::Hidden);
        QCOMPARE(boards, QStringList{title + QStringLiteral(".qla")});
    }
    qInfo("%d rounds killed; %lld saves acknowledged; board file whole every time (%d times A, %d times B)",
          rounds, qlonglong(saves), found_a, rounds - found_a);
}

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "test_crash_safety.moc"

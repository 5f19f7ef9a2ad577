#include "bench/bench_data.h"

#include "core/app_folder.h"
#include "core/app_state.h"
#include "core/board_file.h"
#include "core/signature_store.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <array>
#include <random>

namespace {

const std::array<const char *, 40> kWords{
    "Happy", "birthday", "congratulations", "party", "great", "thanks", "love",
    "friends", "always", "wonderful", "cake", "music", "dance", "remember", "night",
    "cheers", "best", "wishes", "year", "together", "so", "much", "fun", "call",
    "me", "soon", "you", "are", "the", "and", "amazing", "family", "proud", "of",
    "graduation", "wedding", "forever", "hugs", "see", "again"};

// Accented words fit Windows-1252; the last three need UTF-8 in the file.
const std::array<const char *, 10> kForeignWords{
    "café", "Grüße", "¡Felicidades!", "naïve", "Zoë", "Ålesund", "€20",
    "Привет", "Ωmega", "❤"};

QString make_line(std::mt19937 &random, int words)
{
    QString line;
    for (int i = 0; i < words; ++i) {
        if (i)
            line += QLatin1Char(' ');
        if (random() % 40 == 0)
            line += QString::fromUtf8(kForeignWords[random() % kForeignWords.size()]);
        else
            line += QLatin1String(kWords[random() % kWords.size()]);
    }
    return line;
}

QString random_note(std::mt19937 &random)
{
    // Seven notes in ten are one line of five to nine words, the others
    // three lines of two to four words.
    if (random() % 10 < 7)
        return make_line(random, 5 + int(random() % 5));
    QStringList lines;
    for (int i = 0; i < 3; ++i)
        lines.append(make_line(random, 2 + int(random() % 3)));
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace

QString make_note(quint32 seed)
{
    std::mt19937 random(seed);
    return random_note(random);
}

QByteArray make_signature_bytes(int notes)
{
    std::mt19937 random(20030101);
    QByteArray bytes;
    bytes.reserve(qsizetype(notes) * 64);
    for (int i = 0; i < notes; ++i)
        bytes += note_record_bytes(random_note(random));
    return bytes;
}

bool write_file(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

void start_board(const QString &folder, const QString &title)
{
    set_app_folder(folder);
    reset_board();
    BoardSettings.title = title;
}

void link_media(const QString &folder)
{
    QFile::link(QStringLiteral(QUILLORA_APP_DIR "/media"), folder + QStringLiteral("/media"));
    QFile::link(QStringLiteral(QUILLORA_APP_DIR "/audio"), folder + QStringLiteral("/audio"));
}

bool media_present()
{
    return QFile::exists(QStringLiteral(QUILLORA_APP_DIR "/media/mback.jpg"));
}

bool write_boards(const QString &folder, int count)
{
    BoardDefinition board;
    board.backdrop_idx = 2;
    board.theme_idx = 4;
    board.save_sound = QStringLiteral("chime");
    board.reset_sound = QStringLiteral("pop");
    board.welcome_msg = kDefaultWelcome;
    board.thanks_msg = kDefaultThanks;
    for (int i = 0; i < count; ++i) {
        board.title = QStringLiteral("Board %1").arg(i, 5, 10, QLatin1Char('0'));
        if (!write_file(folder + QLatin1Char('/') + board.title + kBoardExt,
                        board_file_bytes(board)))
            return false;
    }
    return true;
}

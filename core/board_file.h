#pragma once

#include "core/app_folder.h"
#include "core/safe_file.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

struct BoardDefinition {
    QString title;
    QString loaded_title;
    QString password;
    qint16 backdrop_idx = -1;
    qint16 theme_idx = -1;
    QString save_sound;
    QString reset_sound;
    QString welcome_msg; // line breaks are CR LF
    QString thanks_msg;
};

inline const QString kDefaultWelcome = QStringLiteral(
    "Sample: I'm so glad you could make it to my party. Please leave me a short "
    "message and don't forget to leave a phone number!");
inline const QString kDefaultThanks = QStringLiteral("Thank you!");

inline const QString kBoardSavedMessage = QStringLiteral(
    "Your Quillora was saved successfully. To display your board, select it and "
    "then click the green traffic light on the main menu.");
inline const QString kBoardNotSavedMessage = QStringLiteral("Your Quillora could not be saved!");

extern BoardDefinition BoardSettings;

void reset_board();

inline const QString kBoardTooLargeMessage = QStringLiteral(
    "This Quillora is too large to open. Its files were left as they are.");
inline const QString kBoardUnreadableMessage = QStringLiteral(
    "This Quillora could not be opened. Its file may have been moved, renamed or deleted.");

// Reads the board file of that name into BoardSettings. A file that cannot be
// read, or is larger than kMaxBoardFileBytes, leaves BoardSettings as it was
// (the caller resets first).
ReadResult load_board(const QString &name);

// Writes BoardSettings to the board file of that name. The file is replaced
// in one step, so a failed save leaves the previous file exactly as it was;
// a link or anything but a regular file of that name is not written.
// Returns whether the board reached the disk; telling the user is the
// caller's part (kBoardSavedMessage / kBoardNotSavedMessage).
bool save_board(const QString &name);

// The bytes save_board writes.
QByteArray board_file_bytes(const BoardDefinition &board);
// Reads board file bytes over `board` (fields missing from the bytes keep
// their values).
void parse_board_file(const QByteArray &bytes, BoardDefinition &board);

// A board's two files in the app folder are named after its title: its
// settings title + kBoardExt, its notes title + kNotesExt.
inline const QString kBoardExt = QStringLiteral(".qla");
inline const QString kNotesExt = QStringLiteral(".sig");

// The longest title the file system can hold as the name of the board's
// files, in bytes once encoded.
inline constexpr qsizetype kMaxTitleBytes = kMaxFileNameBytes - 4;
// True when the title can name both of the board's files.
bool title_fits_file_names(const QString &title);

// The name without its last four characters ("Party.qla" gives "Party").
QString strip_ext(const QString &name);

// The board files of a folder, by name without regard to case (names that
// differ only in case in code-point order). Regular files only: a link, a
// pipe or a device named like a board is not a board.
QStringList board_files(const QString &folder);

#include "ui/wizard/board_rename.h"

#include "core/app_folder.h"
#include "core/board_file.h"

#include <QFile>

namespace {

const QString kBoardExt = QStringLiteral(".qla");
const QString kNotesExt = QStringLiteral(".sig");

// Appends the bytes of one file to another and makes sure they reached it.
bool append_file(const QString &from, const QString &to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError)
        return false;
    QFile target(to);
    if (!target.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    if (target.write(bytes) != bytes.size() || !target.flush())
        return false;
    target.close();
    return target.error() == QFileDevice::NoError;
}

// Notes left under the new title by a board file removed earlier are kept,
// and the moved board's notes follow them.
bool move_notes(const QString &old_notes, const QString &new_title)
{
    const QString existing = find_app_file(new_title, kNotesExt);
    const bool kept = existing.isEmpty()
                          ? QFile::copy(old_notes, app_path(new_title + kNotesExt))
                          : append_file(old_notes, existing);
    return kept && QFile::remove(old_notes);
}

} // namespace

bool board_was_retitled(const BoardDefinition &board)
{
    return !board.loaded_title.isEmpty() && board.loaded_title.toLower() != board.title.toLower();
}

bool move_old_board(const QString &old_title, const QString &new_title)
{
    const QString old_notes = find_app_file(old_title, kNotesExt);
    if (!old_notes.isEmpty() && !move_notes(old_notes, new_title))
        return false;
    const QString old_board = find_app_file(old_title, kBoardExt);
    return !old_board.isEmpty() && QFile::remove(old_board);
}

#pragma once

#include <QByteArray>
#include <QString>

// What must hold for any bytes read as a board file or a signature file.
// Each returns an empty text, or what went wrong. Used by the fuzz targets
// and by the test that replays their corpus.
QString check_board_bytes(const QByteArray &bytes);
QString check_notes_bytes(const QByteArray &bytes);

struct BoardDefinition;
// What reset_board gives, made apart from BoardSettings.
BoardDefinition default_board();
// The name of the first field in which the two boards differ, or empty.
QString differing_field(const BoardDefinition &a, const BoardDefinition &b);

// Restart markers for a JPEG written by Qt, whose writer has no such option.
#pragma once

#include <QByteArray>
#include <QString>

namespace mg {

// The same picture, coefficient for coefficient, with a restart marker after
// every `rowsOfBlocks` rows of blocks and its Huffman tables made anew.
// Empty, with the reason in `error`, when libjpeg refuses the data.
QByteArray withRestartMarkers(const QByteArray &jpeg, int rowsOfBlocks, QString &error);

} // namespace mg

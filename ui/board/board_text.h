#pragma once

#include <QString>
#include <QtGlobal>

class NoteTable;

// All notes in one text: the heading line and an empty line, then every
// note (each of its lines ended by CR LF) closed by a line of 60 hyphens.
QString export_text(const QString &title, const NoteTable &notes, qsizetype count);

#pragma once

#include <QString>
#include <QtGlobal>

class NoteTable;

// Texts in memory break their lines with CR LF, text widgets with "\n".
QString widget_text(const QString &text);
// The stored form of a widget's text, or of its document's raw text (which
// keeps no-break spaces that toPlainText would turn into blanks).
QString stored_text(const QString &widget_text);

// All notes in one text: the heading line and an empty line, then every
// note (each of its lines ended by CR LF) closed by a line of 60 hyphens.
QString export_text(const QString &title, const NoteTable &notes, qsizetype count);

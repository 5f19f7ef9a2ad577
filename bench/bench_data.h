#pragma once

#include <QByteArray>
#include <QString>

// A signature file as guests would leave it: one- and three-line notes,
// some with accented letters, some with characters Windows-1252 lacks.
// The same count always gives the same bytes.
QByteArray make_signature_bytes(int notes);

// A made-up note of the same kind, CR LF line breaks.
QString make_note(quint32 seed);

bool write_file(const QString &path, const QByteArray &bytes);

// A fresh board of that title, in the app folder `folder`.
void start_board(const QString &folder, const QString &title);

// Links the built media/ and audio/ folders into an app folder.
void link_media(const QString &folder);
bool media_present();

// Writes `count` small board files "Board 00001.qla"... into the folder.
bool write_boards(const QString &folder, int count);

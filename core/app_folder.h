#pragma once

#include <QString>

// The app folder is the folder of the executable; every file the program
// reads or writes lies in it or in its media/ and audio/ folders.
QString app_folder();

// Tests and tools point the program at another folder; an empty path goes
// back to the executable's folder.
void set_app_folder(const QString &path);

// app folder + "/" + relative
QString app_path(const QString &relative);
QString media_path(const QString &file_name);
QString audio_path(const QString &base_name); // adds ".wav"

// The wave file of that base name in the audio folder, its ".wav" matched
// without regard to case; audio_path(base_name) when there is none.
QString resolve_audio_file(const QString &base_name);

// The longest file name the file system holds, in bytes once encoded.
inline constexpr qsizetype kMaxFileNameBytes = 255;

// True when name + ext can name a file of the app folder: the name is not
// empty, holds no "/" or NUL, and name + ext, encoded for the file system,
// takes at most kMaxFileNameBytes bytes.
bool names_app_file(const QString &name, const QString &ext);

// File names in the app folder are matched without regard to case, as on the
// file system the board files were made for. Returns the path of the existing
// file whose name equals name + ext in any case, or app folder + "/" + name +
// ext when there is none. A name for which names_app_file is false names no
// file of the app folder: the result is then empty.
QString resolve_app_file(const QString &name, const QString &ext);

// The existing file's path like resolve_app_file, or empty when none exists.
QString find_app_file(const QString &name, const QString &ext);

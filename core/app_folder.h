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

// The wave file of that base name in the audio folder, found like
// find_app_file; audio folder + "/" + base_name + ".wav" when there is none.
QString resolve_audio_file(const QString &base_name);

// The longest file name the file system holds, in bytes once encoded.
inline constexpr qsizetype kMaxFileNameBytes = 255;

// True when name + ext can name a file of the app folder: the name is not
// empty, holds no "/" or NUL, and name + ext, encoded for the file system,
// takes at most kMaxFileNameBytes bytes.
bool names_app_file(const QString &name, const QString &ext);

// File names in the app folder are matched without regard to case, as on the
// file system the board files were made for: name + ext names the entry of
// `folder` of that spelling, or when there is none the first entry in code
// point order whose name equals it in any case. Returns that entry's path
// when it is a regular file (not a link, a folder, a pipe or a device);
// empty when it is not one, when there is none, or when names_app_file is
// false: such a name names no file of the app folder.
QString find_app_file(const QString &name, const QString &ext, const QString &folder = app_folder());

// The path of the entry of the app folder that name + ext names, whatever it
// is (a writer refuses all but a regular file), or app folder + "/" + name +
// ext when there is none; empty when names_app_file is false.
QString resolve_app_file(const QString &name, const QString &ext);

#pragma once

#include <QApplication>
#include <QByteArray>
#include <QStringList>
#include <QWidget>

// The shown top-level window of that object name, or nullptr.
QWidget *find_window(const QString &object_name);
// How many shown top-level windows carry that object name.
int count_windows(const QString &object_name);
// Deletes every window the program opened and flushes pending deletions.
void close_all_windows();
// Lets windows closed with WA_DeleteOnClose go.
void flush_deletions();

// Signature file bytes written by hand: each note's lines (given with "\n"),
// then the separator line.
QByteArray sig_file(const QStringList &notes);

template <typename T> T *child(QWidget *window, const QString &name)
{
    return window ? window->findChild<T *>(name) : nullptr;
}

#include "tests/support/test_support.h"

#include "core/app_folder.h"
#include "core/app_state.h"
#include "ui/common/window_conventions.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

TempAppFolder::TempAppFolder(bool with_media)
{
    if (with_media) {
        QFile::link(QStringLiteral(QUILLORA_APP_DIR "/media"), dir_.filePath(QStringLiteral("media")));
        QFile::link(QStringLiteral(QUILLORA_APP_DIR "/audio"), dir_.filePath(QStringLiteral("audio")));
    }
    set_app_folder(dir_.path());
    reset_app_state();
}

TempAppFolder::~TempAppFolder()
{
    set_app_folder(QString());
    reset_app_state();
}

void TempAppFolder::write(const QString &name, const QByteArray &bytes) const
{
    QFile file(dir_.filePath(name));
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(name));
    file.write(bytes);
}

QByteArray TempAppFolder::read(const QString &name) const
{
    QFile file(dir_.filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void TempAppFolder::make_audio_folder(const QStringList &file_names) const
{
    QFile::remove(dir_.filePath(QStringLiteral("audio")));
    QDir(dir_.path()).mkpath(QStringLiteral("audio"));
    for (const QString &name : file_names)
        write(QStringLiteral("audio/") + name, QByteArray());
}

MessageRecorder::MessageRecorder()
{
    set_message_handler([this](MessageIcon icon, const QString &text) {
        boxes.append({icon, text});
        if (on_box)
            on_box();
    });
}

MessageRecorder::~MessageRecorder()
{
    set_message_handler({});
}

QStringList MessageRecorder::texts() const
{
    QStringList out;
    for (const auto &box : boxes)
        out.append(box.second);
    return out;
}

SoundRecorder::SoundRecorder()
{
    set_sound_player(this);
}

SoundRecorder::~SoundRecorder()
{
    set_sound_player(nullptr);
}

void init_ui_test_environment()
{
    apply_application_conventions();
}

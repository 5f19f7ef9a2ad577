#include "tests/support/test_support.h"

#include "core/app_folder.h"
#include "core/app_state.h"
#include "core/board_file.h"
#include "core/signature_store.h"
#include "ui/common/window_conventions.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <sched.h>
#include <sys/mount.h>

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

namespace {

// Mounts made from here on are this process's own and vanish with it.
QString private_mount_namespace()
{
    static const QString error = [] {
        const auto why = [](const char *what) {
            return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
        };
        if (::unshare(CLONE_NEWNS) != 0)
            return why("no mount namespace of its own");
        if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            return why("mounts cannot be made private");
        return QString();
    }();
    return error;
}

} // namespace

TmpfsAppFolder::TmpfsAppFolder(const QByteArray &options) : TempAppFolder(false)
{
    why_not = private_mount_namespace();
    if (why_not.isEmpty() && ::mount("tmpfs", native_path().constData(), "tmpfs", 0, options.constData()) != 0)
        why_not = QStringLiteral("tmpfs cannot be mounted: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
}

TmpfsAppFolder::~TmpfsAppFolder()
{
    if (why_not.isEmpty())
        ::umount2(native_path().constData(), MNT_DETACH);
}

QByteArray TmpfsAppFolder::native_path() const
{
    return QFile::encodeName(path());
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

void reset_app_state()
{
    reset_board();
    sig_text = NoteTable();
    sig_count = 0;
    sig_pos = 0;
    board_mode = kGuestMode;
    sound_on = kTrue;
    anim_frame = 0;
    anim_step = 1;
    init_anim();
}

void init_ui_test_environment()
{
    apply_application_conventions();
}

void WindowTest::open_fixture(bool with_media)
{
    // The old recorders go first, or they would unhook the new ones.
    sounds.reset();
    messages.reset();
    folder.reset();
    folder = std::make_unique<TempAppFolder>(with_media);
    messages = std::make_unique<MessageRecorder>();
    sounds = std::make_unique<SoundRecorder>();
}

void WindowTest::cleanup()
{
    close_all_windows();
    sounds.reset();
    messages.reset();
    folder.reset();
}

void flush_deletions()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void close_all_windows()
{
    flush_deletions();
    QList<QPointer<QWidget>> windows;
    for (QWidget *w : QApplication::topLevelWidgets())
        windows.append(w);
    for (const QPointer<QWidget> &w : windows) {
        if (w && w->objectName().startsWith(QLatin1String("Form")))
            delete w.data();
        else if (w)
            w->close();
    }
    flush_deletions();
}

QWidget *find_window(const QString &object_name)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == object_name && w->isVisible())
            return w;
    }
    return nullptr;
}

int count_windows(const QString &object_name)
{
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == object_name && w->isVisible())
            ++n;
    }
    return n;
}

QByteArray sig_file(const QStringList &notes)
{
    QByteArray out;
    for (const QString &note : notes) {
        QByteArray lines = note.toLatin1();
        lines.replace("\n", "\r\n");
        out += lines + "\r\n^~-^,./\r\n";
    }
    return out;
}

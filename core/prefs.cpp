#include "core/prefs.h"

#include "core/app_state.h"
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

#include <sys/stat.h>

namespace {

// The store holds one short line; anything larger is not the program's.
constexpr qint64 kMaxPrefsFileBytes = 64 * 1024;

QSettings settings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                     QStringLiteral("QLA"), QStringLiteral("QLA"));
}

const QString kSoundKey = QStringLiteral("Prefs/Sound");

// The settings store reads its file as it opens, through links and into
// pipes: it is opened only when its file is absent or a regular file of a
// sane size, never a link.
bool store_is_plain()
{
    const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                         + QStringLiteral("/QLA/QLA.conf");
    struct stat st {};
    // Absent: nothing to read, and storing makes a new file.
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return true;
    return S_ISREG(st.st_mode) && st.st_size <= kMaxPrefsFileBytes;
}

} // namespace

void load_prefs()
{
    // Only a stored "0" turns sound effects off; an absent or other value,
    // or a store that is not a plain file, means on.
    if (!store_is_plain()) {
        sound_on = kTrue;
        return;
    }
    const QString value = settings().value(kSoundKey, QStringLiteral("N")).toString();
    sound_on = value == QLatin1String("0") ? kFalse : kTrue;
}

// A store that is not a plain file is left as it is: the choice then holds
// until the program ends.
void store_sound_pref(bool on)
{
    if (!store_is_plain())
        return;
    QSettings store = settings();
    store.setValue(kSoundKey, on ? QStringLiteral("1") : QStringLiteral("0"));
    store.sync();
}

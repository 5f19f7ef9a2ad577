#include "core/prefs.h"

#include "core/app_state.h"

#include <QSettings>

namespace {

QSettings settings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                     QStringLiteral("QLA"), QStringLiteral("QLA"));
}

const QString kSoundKey = QStringLiteral("Prefs/Sound");

} // namespace

void load_prefs()
{
    // Only a stored "0" turns sound effects off; an absent or other value
    // means on.
    const QString value = settings().value(kSoundKey, QStringLiteral("N")).toString();
    sound_on = value == QLatin1String("0") ? kFalse : kTrue;
}

void store_sound_pref(bool on)
{
    QSettings store = settings();
    store.setValue(kSoundKey, on ? QStringLiteral("1") : QStringLiteral("0"));
    store.sync();
}

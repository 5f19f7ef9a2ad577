#pragma once

// The one stored preference: whether sound effects play. Kept in the
// per-user settings store as "Sound" under "Prefs", "1" or "0".
void load_prefs();
void store_sound_pref(bool on);

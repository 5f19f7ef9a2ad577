#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

inline const QString kAppTitle = QStringLiteral("Quillora 2003");

// Booleans of the shared state are 16-bit integers: -1 true, 0 false.
constexpr qint16 kTrue = -1;
constexpr qint16 kFalse = 0;

// What the next board window is opened for: guests signing (or, behind the
// password gate, editing), or browsing the signatures.
constexpr qint16 kGuestMode = 0;
constexpr qint16 kBrowseMode = 1;

extern qint16 board_mode;
extern qint16 sound_on;

// The main menu's animated action picture.
extern qint16 anim_icon;
extern qint16 anim_frame;
extern qint16 anim_step;
extern std::array<qint16, 6> anim_speed;

void init_anim();

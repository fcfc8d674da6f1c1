#pragma once
// The colour scheme of all of Quillo's art: deep blue ground, purple glass,
// gold trim, pale lilac wells for the scales.
#include <QColor>

namespace art {

inline const QColor kGround(0, 64, 128);         // the main window's base colour
inline const QColor kGroundDeep(0, 30, 72);      // edges and shadows of the ground
inline const QColor kGroundLight(30, 110, 190);  // glow in the middle of the ground
inline const QColor kNight(6, 12, 40);           // title strip, caption plates
inline const QColor kPurple(104, 44, 168);       // glass of buttons and panels
inline const QColor kPurpleDeep(46, 14, 86);
inline const QColor kViolet(150, 90, 230);
inline const QColor kRoyal(40, 80, 200);  // blue glass
inline const QColor kCyan(90, 220, 255);  // lit glows
inline const QColor kGold(255, 196, 48);
inline const QColor kGoldLight(255, 238, 150);
inline const QColor kGoldDeep(150, 92, 0);
inline const QColor kWell(236, 232, 255);  // scale wells: light, for purple text
inline const QColor kWellShade(196, 188, 238);
inline const QColor kCrimson(196, 28, 72);
inline const QColor kOutline(20, 6, 44);   // dark outline of keyed shapes
inline const QColor kSkin(255, 214, 170);  // cartoon faces
inline const QColor kSkinShade(230, 160, 120);

// Mixes two colours; t = 0 gives a, t = 1 gives b.
QColor Mix(const QColor& a, const QColor& b, double t);

}  // namespace art

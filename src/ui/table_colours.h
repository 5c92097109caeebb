#pragma once

#include <QColor>

namespace vantrel {

// The table's colours, shared by the table screen and the drills that look like it.
inline constexpr QColor kTeal(0x00, 0x40, 0x40);
inline constexpr QColor kLightYellow(0xFF, 0xFF, 0x80);
inline constexpr QColor kPaleYellow(0xFF, 0xFF, 0xC0);
inline constexpr QColor kAqua(0x00, 0xFF, 0xFF);
inline constexpr QColor kSalmon(0xFF, 0x80, 0x80);
inline constexpr QColor kPalePink(0xFF, 0xC0, 0xFF);
inline constexpr QColor kBlack(0x00, 0x00, 0x00);

}  // namespace vantrel

#pragma once

#include <QFont>

namespace vantrel {

// The fixed-pitch "ＭＳ ゴシック" at a pixel size, with its Linux stand-ins.
QFont GothicFont(int pixelSize, bool bold = false);

// The proportional "ＭＳ Ｐゴシック" at a pixel size, with its Linux stand-ins.
QFont PGothicFont(int pixelSize, bool bold = false);

}  // namespace vantrel

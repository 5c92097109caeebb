#pragma once

#include <QImage>

namespace vantrel::art {

// The start screen's title art, 600 x 365. The screen's title band covers its top 9 rows and
// its buttons sit just below it, so everything that matters lies well inside the frame.
inline constexpr int kTitleWidth = 600;
inline constexpr int kTitleHeight = 365;

QImage TitleImage(qreal scale = 1);

}  // namespace vantrel::art

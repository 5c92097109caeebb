#pragma once

#include <QImage>
#include <QRectF>

class QPainter;

namespace vantrel::art {

// The table's three chips ($5, $25, $100), coloured like the "BET" labels beside them:
// maroon, green and grey. Designed on a 64 x 64 grid; the table shows them at 32 x 32.
inline constexpr int kChipSize = 64;

void DrawChip(QPainter& painter, const QRectF& box, int value);
QImage ChipImage(int value, qreal scale = 1);

}  // namespace vantrel::art

#pragma once

#include <QRectF>

class QPainter;

namespace vantrel::art {

// The picture panel of a jack, queen or king (rank 11..13): a double-ended figure, each rank
// with its own headwear, face and robe so the three are told apart at a glance.
void DrawCourtPanel(QPainter& painter, const QRectF& panel, int suit, int rank);

}  // namespace vantrel::art

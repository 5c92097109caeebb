#pragma once

#include <QImage>
#include <QRectF>

#include "engine/card.h"

class QPainter;

namespace vantrel::art {

// Cards are designed on a 96 x 128 grid (the 3:4 of the table's 48 x 64 slots) and drawn
// as shapes, so they stay sharp at any size. The corner indices are large because the table
// overlaps its cards and leaves little more than the top-left corner in view.
inline constexpr int kCardWidth = 96;
inline constexpr int kCardHeight = 128;

void DrawCardFace(QPainter& painter, const QRectF& box, const Card& card);
void DrawCardBack(QPainter& painter, const QRectF& box);
// The face, or the back for an empty card.
void DrawCard(QPainter& painter, const QRectF& box, const Card& card);

// The bitmap of one card on the table's colour, at the design size times scale.
QImage CardFaceImage(const Card& card, qreal scale = 1);
QImage CardBackImage(qreal scale = 1);

}  // namespace vantrel::art

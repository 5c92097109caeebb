#pragma once

#include <QPainterPath>
#include <QRectF>

class QPainter;

namespace vantrel::art {

// The outline of a suit symbol (suit 1..4: spades, diamonds, clubs, hearts) filling box.
// Drawn as paths rather than font glyphs so that every pip has the same shape and weight.
QPainterPath SuitPath(int suit, const QRectF& box);

// True for diamonds and hearts.
constexpr bool IsRedSuit(int suit) {
    return suit == 2 || suit == 4;
}

// The ink of a suit: a deep red or near black.
QColor SuitColour(int suit);

// A suit symbol filled in its colour; upsideDown turns it about its centre, as on the lower
// half of a card.
void DrawSuit(QPainter& painter, int suit, const QRectF& box, bool upsideDown = false);

}  // namespace vantrel::art

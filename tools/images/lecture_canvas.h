#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <functional>
#include <initializer_list>
#include <vector>

#include "art_style.h"
#include "engine/card.h"

class QPainter;

namespace vantrel::art {

// A lecture picture fills the viewer's 600 x 248 image area exactly.
inline constexpr int kPageWidth = 600;
inline constexpr int kPageHeight = 248;

// A page: felt, a thin frame, and whatever draw puts on it; scale device pixels to a design pixel.
QImage DrawLecturePage(const std::function<void(QPainter&)>& draw, qreal scale = 1);

// The page's heading in the top-left corner, in the yellow of the table's own labels.
void Heading(QPainter& painter, const QString& text);

// Small explanatory text (proportional font).
void Caption(QPainter& painter, const QRectF& box, const QString& text, int pixelSize = 14,
             const QColor& colour = Qt::white, int flags = Qt::AlignCenter | Qt::TextWordWrap);

// Cards by their codes ("S01", "H13"); "back" stands for a face-down card.
std::vector<Card> Cards(std::initializer_list<const char*> codes);

// A hand laid out left to right, each card overlapping the one before by step pixels
// less than its width; cards 4:3 high. Returns the area covered.
QRectF DrawHand(QPainter& painter, QPointF topLeft, const std::vector<Card>& cards,
                qreal cardWidth = 48, qreal step = 26);

// A stack of card backs standing for a whole deck, each card `card` in size.
void DrawDeck(QPainter& painter, QPointF topLeft, QSizeF card = {33, 44});

// The shoe as a bar, `decks` decks marked off in it and the share dealt filled; returns where
// the dealt part ends.
qreal DrawShoeBar(QPainter& painter, const QRectF& bar, int decks, double dealtShare);

// The cut card standing in a shoe bar at x.
void DrawCutCard(QPainter& painter, const QRectF& bar, qreal x);

// What the table shows above a hand: "BJ!", "BUSTED" or the best total.
QString HandLabelText(const std::vector<Card>& cards, int hands = 1);

// A count as the lectures write it: "+3", "0", "-2".
QString Signed(int value);

// The Hi-Lo count of some cards.
int CountOf(const std::vector<Card>& cards);

// The table's own looks: a hand total in aqua, a result as on the result labels.
void TotalBadge(QPainter& painter, const QRectF& box, const QString& text);
void ResultBadge(QPainter& painter, const QRectF& box, const QString& text);

void Arrow(QPainter& painter, QPointF from, QPointF to, const QColor& colour = kLightYellow,
           qreal width = 3);

// A push button as on the screens (bold fixed-pitch caption).
void Button(QPainter& painter, const QRectF& box, const QString& caption, int pixelSize = 16,
            bool enabled = true);

// A speech balloon: white rounded rectangle, black outline, bold text.
void Balloon(QPainter& painter, const QRectF& box, const QString& text, int pixelSize = 20);

// A label with a line to the thing it names.
void Callout(QPainter& painter, const QRectF& labelBox, const QString& text, QPointF target,
             int flags = Qt::AlignLeft | Qt::AlignVCenter);

}  // namespace vantrel::art

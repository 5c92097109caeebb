#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>
#include <QTransform>
#include <vector>

#include "engine/card.h"

class QPainter;

namespace vantrel::art {

// What the practice table shows at one moment, for drawing it in a lecture.
struct TableScene {
    std::vector<Card> dealer;              // an empty card lies face down
    std::vector<std::vector<Card>> hands;  // up to four player hands
    QString dealerLabel;                   // hand labels, shown when set
    std::vector<QString> handLabels;
    std::vector<QString> results;  // "Win", "Lose", "Push"
    QString bet;                   // "$25"; empty when nothing is bet
    std::vector<int> betChips;     // chip values lying in the bet box
    QString chips = QStringLiteral("$9975");
    QString quota = QStringLiteral("10 wins to go");
    QString maxBet = QStringLiteral("$100");
    int countdown = 0;  // shows the countdown disc when above 0
    QString dealerBalloon;
    QString playerBalloon;
    bool actionsEnabled = true;
    bool countQuestion = false;  // the count-point dialog over the table, holding countEntry
    QString countEntry;
};

// The table screen (632 x 453) drawn with its top-left corner at origin, scaled.
void DrawTableSketch(QPainter& painter, QPointF origin, qreal scale, const TableScene& scene);

// The part `region` of the table screen, as large as it fits in `box`, centred and framed, so
// that a lecture can show the cards big enough to read. Returns where a table point lands.
QTransform DrawTableCrop(QPainter& painter, const QRectF& region, const QRectF& box,
                         const TableScene& scene);

// The count-point dialog (369 x 265) with its top-left corner at the painter's origin, its entry
// field holding `entry`.
void DrawCountDialog(QPainter& painter, const QString& entry);

// Where a point of the table screen lands in such a drawing.
inline QPointF OnTable(QPointF origin, qreal scale, QPointF tablePoint) {
    return origin + tablePoint * scale;
}

// Places of the table screen, for callouts and crops.
inline constexpr QRectF kDealerArea{184, 32, 264, 80};
inline constexpr QRectF kBetBox{16, 184, 89, 105};
inline constexpr QRectF kChipColumn{16, 296, 89, 104};
inline constexpr QRectF kLimitsPlate{496, 4, 121, 61};
inline constexpr QRectF kActionButtons{496, 192, 121, 133};
inline constexpr QRectF kRuleLine{16, 124, 601, 20};
inline constexpr QRectF kChipsPlate{16, 412, 229, 25};
inline constexpr QRectF kMenuButton{256, 412, 121, 25};
inline constexpr QRectF kQuotaPlate{388, 412, 229, 25};
inline constexpr QRectF kCountdownDisc{291, 202, 49, 49};
// The left of the table down to a two-card hand: the dealer's cards, the bet box, the hand.
inline constexpr QRectF kDealtCards{14, 0, 386, 280};
// The same with room for more cards, a third card in the first hand among them.
inline constexpr QRectF kCardsArea{136, 0, 324, 310};
QRectF PlayerCardSlot(int hand, int position);
QRectF DealerCardSlot(int position);

}  // namespace vantrel::art

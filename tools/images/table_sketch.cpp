#include "table_sketch.h"

#include <QPainter>
#include <algorithm>
#include <array>

#include "art_style.h"
#include "card_art.h"
#include "chip_art.h"
#include "engine/card_name.h"
#include "lecture_canvas.h"
#include "page_words.h"

namespace vantrel::art {

namespace {

constexpr std::array<int, 7> kPlayerTops = {192, 212, 240, 260, 288, 308, 336};

qreal HandColumn(int hand) {
    return 148 + 88 * (hand - 1);
}

void DrawDecoration(QPainter& painter, const TableScene& scene) {
    painter.fillRect(QRectF(0, 0, 632, 453), kTableTeal);
    painter.fillRect(QRectF(0, 148, 632, 9), Qt::white);
    DrawText(painter, QRectF(16, 4, 101, 20), QStringLiteral("DEALER"), Gothic(20, true),
             kLightYellow, Qt::AlignLeft | Qt::AlignVCenter);
    DrawText(painter, QRectF(16, 160, 101, 20), QStringLiteral("PLAYER"), Gothic(20, true),
             kLightYellow, Qt::AlignLeft | Qt::AlignVCenter);
    QFont rule = Gothic(20, true);
    rule.setItalic(true);
    DrawText(painter, kRuleLine, QStringLiteral("Dealer must hit to 16,and stand on all 17's"),
             rule, kYellow);

    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(kPaleYellow);
    painter.drawRect(kLimitsPlate);
    const QFont plate = Gothic(20, true);
    DrawText(painter, QRectF(508, 12, 45, 20), QStringLiteral("MIN"), plate, Qt::black,
             Qt::AlignLeft | Qt::AlignVCenter);
    DrawText(painter, QRectF(508, 36, 45, 20), QStringLiteral("MAX"), plate, Qt::black,
             Qt::AlignLeft | Qt::AlignVCenter);
    DrawText(painter, QRectF(552, 12, 57, 20), QStringLiteral("$5"), plate, Qt::black,
             Qt::AlignRight | Qt::AlignVCenter);
    DrawText(painter, QRectF(552, 36, 57, 20), scene.maxBet, plate, Qt::black,
             Qt::AlignRight | Qt::AlignVCenter);

    painter.setPen(QPen(Qt::white, 5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(kBetBox.adjusted(2.5, 2.5, -2.5, -2.5));
}

void DrawChipsAndBet(QPainter& painter, const TableScene& scene) {
    const std::array<int, 3> values = {5, 25, 100};
    const std::array<QColor, 3> grounds = {kMaroon, kGreen, kGrey};
    for (int i = 0; i < 3; ++i) {
        const qreal top = 296 + 36 * i;
        DrawChip(painter, QRectF(16, top, 32, 32), values[i]);
        painter.fillRect(QRectF(48, top, 57, 32), grounds[i]);
        DrawText(painter, QRectF(48, top, 57, 32), QStringLiteral("BET"), Gothic(20, true),
                 Qt::black);
    }
    const std::array<QPointF, 3> stacks = {QPointF(44, 192), QPointF(24, 228), QPointF(64, 228)};
    for (int value : scene.betChips) {
        const int i = value == 5 ? 0 : value == 25 ? 1 : 2;
        DrawChip(painter, QRectF(stacks[i], QSizeF(32, 32)), value);
    }
    DrawText(painter, QRectF(24, 260, 73, 24), scene.bet, Gothic(20, true), kSalmon);
}

void DrawCards(QPainter& painter, const TableScene& scene) {
    for (std::size_t n = 0; n < scene.dealer.size() && n < 7; ++n)
        DrawCard(painter, DealerCardSlot(static_cast<int>(n) + 1), scene.dealer[n]);
    for (std::size_t h = 0; h < scene.hands.size() && h < 4; ++h)
        for (std::size_t n = 0; n < scene.hands[h].size() && n < 7; ++n)
            DrawCard(painter, PlayerCardSlot(static_cast<int>(h) + 1, static_cast<int>(n) + 1),
                     scene.hands[h][n]);
}

void DrawLabels(QPainter& painter, const TableScene& scene) {
    if (!scene.dealerLabel.isEmpty())
        TotalBadge(painter, QRectF(184, 8, 85, 20), scene.dealerLabel);
    for (std::size_t h = 0; h < scene.handLabels.size(); ++h)
        TotalBadge(painter, QRectF(HandColumn(h + 1) - 4, 168, 81, 20), scene.handLabels[h]);
    for (std::size_t h = 0; h < scene.results.size(); ++h)
        ResultBadge(painter, QRectF(HandColumn(h + 1), 376, 73, 21), scene.results[h]);
}

void DrawControls(QPainter& painter, const TableScene& scene) {
    const std::array<const char*, 4> captions = {"HIT", "STAND", "DOUBLE DOWN", "SPLIT"};
    for (int i = 0; i < 4; ++i)
        Button(painter, QRectF(496, 192 + 36 * i, 121, 25), QString::fromLatin1(captions[i]), 16,
               scene.actionsEnabled);
    Button(painter, kMenuButton, QStringLiteral("Menu"));
    for (const QRectF& plate : {kChipsPlate, kQuotaPlate}) {
        painter.setPen(QPen(kPaleYellow, 1));
        painter.setBrush(Qt::black);
        painter.drawRect(plate);
    }
    DrawText(painter, QRectF(20, 412, 221, 24), scene.chips, Gothic(20, true), kSalmon);
    DrawText(painter, QRectF(392, 412, 221, 24), scene.quota, Gothic(20, true), kPalePink);
}

void DrawOverlays(QPainter& painter, const TableScene& scene) {
    if (scene.countdown > 0) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(kLightYellow);
        painter.drawEllipse(kCountdownDisc);
        DrawText(painter, QRectF(296, 212, 41, 33), QString::number(scene.countdown),
                 Gothic(27, true), Qt::black);
    }
    if (!scene.dealerBalloon.isEmpty())
        Balloon(painter, QRectF(152, 44, 329, 53), scene.dealerBalloon);
    if (!scene.playerBalloon.isEmpty())
        Balloon(painter, QRectF(388, 328, 229, 77), scene.playerBalloon);
    if (scene.countQuestion) {
        // Centred over the window, as the program shows it.
        painter.save();
        painter.translate((632 - 369) / 2, (453 - 265) / 2);
        painter.setPen(QPen(Qt::black, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(-1, -1, 371, 267));
        DrawCountDialog(painter, scene.countEntry);
        painter.restore();
    }
}

QString CardsText(const std::vector<Card>& cards) {
    QStringList names;
    for (const Card& card : cards) names.append(QString::fromStdString(CardName(card)));
    return names.join(", ");
}

// The scene as a student at the table hears it, rather than every text on the screen.
void NoteScene(const TableScene& scene) {
    NoteText(QStringLiteral("The practice table"));
    if (!scene.dealer.empty())
        NoteText("Dealer: " + CardsText(scene.dealer) +
                 (scene.dealerLabel.isEmpty() ? QString() : ", " + scene.dealerLabel));
    for (std::size_t h = 0; h < scene.hands.size(); ++h) {
        QString line = QStringLiteral("Hand %1: ").arg(h + 1) + CardsText(scene.hands[h]);
        if (h < scene.handLabels.size()) line += ", " + scene.handLabels[h];
        if (h < scene.results.size()) line += ", " + scene.results[h];
        NoteText(line);
    }
    if (!scene.bet.isEmpty()) NoteText("Bet " + scene.bet);
    NoteText("Chips " + scene.chips + ", " + scene.quota);
    if (scene.countdown > 0) NoteText(QStringLiteral("%1 seconds to bet").arg(scene.countdown));
    if (!scene.dealerBalloon.isEmpty()) NoteText("The dealer says: " + scene.dealerBalloon);
    if (!scene.playerBalloon.isEmpty()) NoteText("The coach says: " + scene.playerBalloon);
    if (scene.countQuestion)
        NoteText("Asked: How much is your current Counting Point? Entered: " + scene.countEntry);
}

}  // namespace

void DrawCountDialog(QPainter& p, const QString& entry) {
    p.fillRect(QRectF(0, 0, 369, 265), Qt::white);
    p.fillRect(QRectF(12, 4, 345, 49), QColor(255, 192, 128));
    DrawText(p, QRectF(16, 4, 337, 49), QStringLiteral("How much is your current Counting Point?"),
             Gothic(20, true), Qt::black, Qt::AlignCenter | Qt::TextWordWrap);
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(12, 60, 345, 28));
    DrawText(p, QRectF(18, 60, 330, 28), entry, Gothic(20), Qt::black,
             Qt::AlignLeft | Qt::AlignVCenter);
    const char* keys[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "-", "0", "BS"};
    for (int i = 0; i < 12; ++i)
        Button(p, QRectF(12 + (i % 3) * 120, 96 + (i / 3) * 32, 105, 25),
               QString::fromLatin1(keys[i]));
    Button(p, QRectF(124, 228, 121, 25), QStringLiteral("OK"));
}

QRectF PlayerCardSlot(int hand, int position) {
    const qreal left = HandColumn(hand) + (position % 2 == 0 ? 24 : 0);
    return QRectF(left, kPlayerTops.at(position - 1), 48, 64);
}

QRectF DealerCardSlot(int position) {
    return QRectF(184 + 36 * (position - 1), position % 2 == 0 ? 48 : 32, 48, 64);
}

void DrawTableSketch(QPainter& painter, QPointF origin, qreal scale, const TableScene& scene) {
    NoteScene(scene);
    const QuietNotes noted;
    painter.save();
    painter.translate(origin);
    painter.scale(scale, scale);
    painter.setClipRect(QRectF(0, 0, 632, 453), Qt::IntersectClip);
    DrawDecoration(painter, scene);
    DrawChipsAndBet(painter, scene);
    DrawCards(painter, scene);
    DrawLabels(painter, scene);
    DrawControls(painter, scene);
    DrawOverlays(painter, scene);
    painter.restore();
}

QTransform DrawTableCrop(QPainter& painter, const QRectF& region, const QRectF& box,
                         const TableScene& scene) {
    const qreal scale = std::min(box.width() / region.width(), box.height() / region.height());
    const QRectF shown(box.center() - QPointF(region.width(), region.height()) * scale / 2,
                       region.size() * scale);
    const QPointF origin = shown.topLeft() - region.topLeft() * scale;
    painter.save();
    painter.setClipRect(shown);
    DrawTableSketch(painter, origin, scale, scene);
    painter.restore();
    painter.save();
    painter.setPen(QPen(kPaleYellow, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(shown);
    painter.restore();
    return QTransform::fromScale(scale, scale) * QTransform::fromTranslate(origin.x(), origin.y());
}

}  // namespace vantrel::art

#include "lecture_canvas.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <numeric>

#include "card_art.h"
#include "engine/hand.h"

namespace vantrel::art {

QImage DrawLecturePage(const std::function<void(QPainter&)>& draw, qreal scale) {
    QImage image = Canvas(kPageWidth, kPageHeight, scale);
    image.fill(kFelt);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QPen(kPaleYellow, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(1, 1, kPageWidth - 2, kPageHeight - 2));
    painter.save();
    draw(painter);
    painter.restore();
    return image;
}

void Heading(QPainter& painter, const QString& text) {
    DrawText(painter, QRectF(14, 6, 572, 26), text, Gothic(20, true), kLightYellow,
             Qt::AlignLeft | Qt::AlignVCenter);
}

void Caption(QPainter& painter, const QRectF& box, const QString& text, int pixelSize,
             const QColor& colour, int flags) {
    DrawText(painter, box, text, PGothic(pixelSize, true), colour, flags);
}

std::vector<Card> Cards(std::initializer_list<const char*> codes) {
    std::vector<Card> cards;
    for (const char* code : codes) cards.push_back(Card::FromCode(code));
    return cards;
}

QRectF DrawHand(QPainter& painter, QPointF topLeft, const std::vector<Card>& cards, qreal cardWidth,
                qreal step) {
    const qreal cardHeight = cardWidth * kCardHeight / kCardWidth;
    for (std::size_t i = 0; i < cards.size(); ++i)
        DrawCard(painter, QRectF(topLeft.x() + step * i, topLeft.y(), cardWidth, cardHeight),
                 cards[i]);
    const qreal width = cards.empty() ? 0 : cardWidth + step * (cards.size() - 1);
    return QRectF(topLeft, QSizeF(width, cardHeight));
}

void DrawDeck(QPainter& painter, QPointF topLeft, QSizeF card) {
    for (int i = 4; i >= 0; --i)
        DrawCardBack(painter, QRectF(topLeft + QPointF(i * 2, i * 2), card));
}

qreal DrawShoeBar(QPainter& painter, const QRectF& bar, int decks, double dealtShare) {
    const qreal end = bar.left() + bar.width() * dealtShare;
    painter.save();
    painter.setPen(QPen(kPaleYellow, 1.5));
    painter.setBrush(kTableTeal);
    painter.drawRect(QRectF(bar.topLeft(), QPointF(end, bar.bottom())));
    painter.setBrush(QColor(0x30, 0x30, 0x30));
    painter.drawRect(QRectF(QPointF(end, bar.top()), bar.bottomRight()));
    painter.setPen(QPen(kGrey.lighter(150), 1, Qt::DashLine));
    for (int deck = 1; deck < decks; ++deck) {
        const qreal x = bar.left() + bar.width() * deck / decks;
        painter.drawLine(QPointF(x, bar.top()), QPointF(x, bar.bottom()));
    }
    painter.restore();
    return end;
}

void DrawCutCard(QPainter& painter, const QRectF& bar, qreal x) {
    painter.save();
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(kYellow);
    painter.drawRect(QRectF(x - 3, bar.top() - 8, 6, bar.height() + 16));
    painter.restore();
}

QString HandLabelText(const std::vector<Card>& cards, int hands) {
    int total = 0;
    for (const Card& card : cards) total += CardValue(card.rank);
    const HandLabel label(total, static_cast<int>(cards.size()), hands);
    return QString::fromLatin1(label.text().data(), static_cast<int>(label.text().size()));
}

QString Signed(int value) {
    return value > 0 ? QStringLiteral("+%1").arg(value) : QString::number(value);
}

int CountOf(const std::vector<Card>& cards) {
    return std::accumulate(cards.begin(), cards.end(), 0,
                           [](int sum, const Card& card) { return sum + HiLoValue(card.rank); });
}

void TotalBadge(QPainter& painter, const QRectF& box, const QString& text) {
    DrawText(painter, box, text, Gothic(20, true), kAqua);
}

void ResultBadge(QPainter& painter, const QRectF& box, const QString& text) {
    painter.fillRect(box, kTableTeal);
    QFont font = Gothic(20, true);
    font.setItalic(true);
    DrawText(painter, box, text, font, kPaleYellow);
}

void Arrow(QPainter& painter, QPointF from, QPointF to, const QColor& colour, qreal width) {
    const QLineF line(from, to);
    const qreal head = 4 + 2.5 * width;
    const qreal angle = qDegreesToRadians(line.angle());
    // Stop the shaft short of the tip so the square line end does not poke through the head.
    const QPointF back(to.x() - head * 0.8 * qCos(angle), to.y() + head * 0.8 * qSin(angle));
    painter.save();
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, back);
    QPainterPath tip;
    tip.moveTo(to);
    tip.lineTo(to.x() - head * qCos(angle - 0.45), to.y() + head * qSin(angle - 0.45));
    tip.lineTo(to.x() - head * qCos(angle + 0.45), to.y() + head * qSin(angle + 0.45));
    tip.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(tip);
    painter.restore();
}

void Button(QPainter& painter, const QRectF& box, const QString& caption, int pixelSize,
            bool enabled) {
    painter.save();
    painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    painter.setBrush(QColor(0xE4, 0xE4, 0xE4));
    painter.drawRect(box);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawLine(box.topLeft() + QPointF(1, 1), box.topRight() + QPointF(-1, 1));
    painter.drawLine(box.topLeft() + QPointF(1, 1), box.bottomLeft() + QPointF(1, -1));
    painter.restore();
    DrawFittedText(painter, box.adjusted(3, 0, -3, 0), caption, Gothic(pixelSize, true),
                   enabled ? Qt::black : QColor(0xA0, 0xA0, 0xA0));
}

void Balloon(QPainter& painter, const QRectF& box, const QString& text, int pixelSize) {
    painter.save();
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(box, 12, 12);
    painter.restore();
    DrawText(painter, box.adjusted(6, 0, -6, 0), text, Gothic(pixelSize, true), Qt::black,
             Qt::AlignCenter | Qt::TextWordWrap);
}

void Callout(QPainter& painter, const QRectF& labelBox, const QString& text, QPointF target,
             int flags) {
    const bool labelOnLeft = labelBox.center().x() < target.x();
    const QPointF start(labelOnLeft ? labelBox.right() + 2 : labelBox.left() - 2,
                        labelBox.center().y());
    painter.save();
    painter.setPen(QPen(kLightYellow, 1.5));
    painter.drawLine(start, target);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kLightYellow);
    painter.drawEllipse(target, 3, 3);
    painter.restore();
    Caption(painter, labelBox, text, 14, Qt::white, flags | Qt::TextWordWrap);
}

}  // namespace vantrel::art

// Lesson 4, "Basic Strategy": every chart picture is read from the chart file, so the lecture
// shows exactly what the table judges by.

#include "art_style.h"
#include "chart_art.h"
#include "lecture_canvas.h"
#include "lecture_pages.h"

namespace vantrel::art {

namespace {

// An example situation: the dealer's up card, the player's hand and the chart's answer.
struct Situation {
    std::vector<Card> hand;
    Card upCard;
    ChartPart part;
    int row;
    const char* name;
};

int UpValue(const Card& card) {
    return card.rank > 10 ? 10 : card.rank;
}

void DrawSituation(QPainter& p, QPointF topLeft, const StrategyTable& chart, const Situation& s) {
    Caption(p, QRectF(topLeft.x(), topLeft.y(), 120, 18), QStringLiteral("dealer"), 12);
    DrawHand(p, topLeft + QPointF(40, 20), {s.upCard}, 40);
    Caption(p, QRectF(topLeft.x(), topLeft.y() + 76, 120, 18), QStringLiteral("you"), 12);
    const QRectF hand = DrawHand(p, topLeft + QPointF(0, 96), s.hand, 40, 22);
    Caption(p, QRectF(topLeft.x() - 10, hand.bottom() + 2, 140, 20), QString::fromLatin1(s.name),
            13, kAqua);
    DrawChartCode(p, QRectF(topLeft.x() + 88, topLeft.y() + 112, 34, 26),
                  ChartCell(chart, s.part, s.row, UpValue(s.upCard)), 18);
}

void WhyAChart(QPainter& p, const StrategyTable& chart) {
    Heading(p, QStringLiteral("One best play for every situation"));
    const Situation situations[] = {
        {Cards({"D10", "C06"}), Card{1, 6}, ChartPart::Hard, 16, "hard 16 vs 6"},
        {Cards({"D10", "C06"}), Card{2, 13}, ChartPart::Hard, 16, "hard 16 vs 10"},
        {Cards({"H06", "S05"}), Card{3, 6}, ChartPart::Hard, 11, "11 vs 6"},
        {Cards({"C08", "D08"}), Card{4, 9}, ChartPart::Pair, 8, "8,8 vs 9"},
    };
    for (int i = 0; i < 4; ++i) DrawSituation(p, QPointF(24 + i * 146, 38), chart, situations[i]);
    Caption(p, QRectF(10, 218, 580, 24),
            QStringLiteral("The coloured box is the chart's answer for each hand."), 14,
            kPaleYellow);
}

void ReadingTheChart(QPainter& p, const StrategyTable& chart) {
    Heading(p, QStringLiteral("Reading the chart"));
    Caption(p, QRectF(14, 38, 150, 18), QStringLiteral("dealer shows"), 13);
    DrawHand(p, QPointF(60, 58), {Card{2, 13}}, 44);
    Caption(p, QRectF(14, 120, 150, 18), QStringLiteral("you hold 16"), 13, kAqua);
    DrawHand(p, QPointF(44, 140), Cards({"S10", "H06"}), 44, 30);
    DrawChartLegend(p, QRectF(180, 40, 150, 190), 13);
    DrawChart(p, QRectF(336, 34, 254, 206), chart, ChartPart::Hard, ChartMark{16, 10});
}

void ChartPage(QPainter& p, const StrategyTable& chart, ChartPart part, const QString& heading) {
    Heading(p, heading);
    DrawChart(p, QRectF(12, 36, 400, 204), chart, part);
    Caption(p, QRectF(424, 34, 170, 40), QStringLiteral("Dealer's up card\nacross the top"), 13,
            kPaleYellow, Qt::AlignLeft | Qt::AlignTop);
    DrawChartLegend(p, QRectF(424, 84, 170, 150), 13);
}

void Doubling(QPainter& p, const StrategyTable& chart) {
    Heading(p, QStringLiteral("Doubling: when one card is enough"));
    const Situation situations[] = {
        {Cards({"H06", "S05"}), Card{1, 10}, ChartPart::Hard, 11, "11 vs 10"},
        {Cards({"C04", "D06"}), Card{2, 9}, ChartPart::Hard, 10, "10 vs 9"},
        {Cards({"S01", "H07"}), Card{3, 4}, ChartPart::Soft, 7, "A,7 vs 4"},
        {Cards({"S05", "C03", "H03"}), Card{4, 6}, ChartPart::Hard, 11, "11 vs 6, 3 cards"},
    };
    for (int i = 0; i < 4; ++i) DrawSituation(p, QPointF(24 + i * 146, 38), chart, situations[i]);
    // On three cards a double reads as its fallback.
    const int threeCards = ChartCell(chart, ChartPart::Hard, 11, 6);
    if (threeCards == kChartDouble || threeCards == kChartDoubleElseStand)
        Caption(p, QRectF(530, 176, 70, 18),
                threeCards == kChartDouble ? QStringLiteral("= hit") : QStringLiteral("= stand"),
                13, kPaleYellow);
    Caption(p, QRectF(10, 214, 580, 30),
            QStringLiteral("With more than two cards you cannot double: D means hit, Ds means "
                           "stand."),
            14, kPaleYellow);
}

void AllCharts(QPainter& p, const StrategyTable& chart) {
    const char* titles[] = {"Hard", "Soft", "Pairs"};
    const ChartPart parts[] = {ChartPart::Hard, ChartPart::Soft, ChartPart::Pair};
    for (int i = 0; i < 3; ++i) {
        const qreal left = 8 + i * 197;
        Caption(p, QRectF(left, 4, 190, 20), QString::fromLatin1(titles[i]), 15, kLightYellow);
        const qreal height = i == 1 ? 8 * 19.2 : 11 * 19.2;
        DrawChart(p, QRectF(left, 24, 190, height), chart, parts[i]);
    }
    Caption(p, QRectF(208, 186, 190, 56),
            QStringLiteral("H hit   S stand   P split\nD double, else hit\nDs double, else stand"),
            12, Qt::white);
}

}  // namespace

std::vector<LecturePage> BasicStrategyPages(const StrategyTable& chart) {
    const StrategyTable* c = &chart;
    return {
        {"NL4", 1, [c](QPainter& p) { WhyAChart(p, *c); }},
        {"NL4", 2, [c](QPainter& p) { ReadingTheChart(p, *c); }},
        {"NL4", 3,
         [c](QPainter& p) { ChartPage(p, *c, ChartPart::Hard, QStringLiteral("Hard totals")); }},
        {"NL4", 4,
         [c](QPainter& p) { ChartPage(p, *c, ChartPart::Soft, QStringLiteral("Soft totals")); }},
        {"NL4", 5,
         [c](QPainter& p) { ChartPage(p, *c, ChartPart::Pair, QStringLiteral("Pairs")); }},
        {"NL4", 6, [c](QPainter& p) { Doubling(p, *c); }},
        {"NL4", 7, [c](QPainter& p) { AllCharts(p, *c); }},
    };
}

}  // namespace vantrel::art

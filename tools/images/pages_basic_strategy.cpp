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

// How often the dealer busts by up card, 2 to 10 and then the ace, from a full six-deck shoe, in
// per cent, as `vantrel-lab dealer` prints it.
constexpr double kBustRates[] = {35.35, 37.42, 39.58, 41.84, 42.28,
                                 26.19, 24.37, 22.92, 21.25, 11.55};

void TheUpCard(QPainter& p) {
    Heading(p, QStringLiteral("How often the dealer busts, by up card"));
    const QRectF chart(14, 40, 572, 108);
    constexpr qreal kTallest = 50;  // per cent at the top of the chart
    const qreal slot = chart.width() / 10;
    for (int i = 0; i < 10; ++i) {
        const qreal height = chart.height() * kBustRates[i] / kTallest;
        const QRectF bar(chart.left() + i * slot + 10, chart.bottom() - height, slot - 20, height);
        p.fillRect(bar, i < 5 ? kAqua : kSalmon);
        DrawText(p, QRectF(bar.left() - 10, bar.top() - 20, slot, 20),
                 QStringLiteral("%1%").arg(kBustRates[i], 0, 'f', 0), Gothic(16, true), Qt::white);
        DrawText(p, QRectF(bar.left() - 10, chart.bottom() + 2, slot, 20),
                 i == 9 ? QStringLiteral("A") : QString::number(i + 2), Gothic(18, true),
                 kLightYellow);
    }
    const QRectF band(14, 172, 572, 66);
    p.setPen(QPen(kPaleYellow, 1.5));
    p.setBrush(kTableTeal);
    p.drawRoundedRect(band, 8, 8);
    DrawHand(p, QPointF(30, 177), Cards({"S01", "D12"}), 27, 18);
    TotalBadge(p, QRectF(20, 214, 64, 20), QStringLiteral("BJ!"));
    Caption(p, QRectF(96, 174, 482, 62),
            QStringLiteral("The dealer checks for blackjack before you play. A dealer\n"
                           "blackjack takes only your first bet: you never double or\n"
                           "split into one, so no double or split loses extra to it."),
            13, Qt::white, Qt::AlignLeft | Qt::AlignVCenter);
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
        {Cards({"S04", "H05"}), Card{3, 3}, ChartPart::Hard, 9, "9 vs 3"},
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

void SoftHandsOfMoreCards(QPainter& p) {
    Heading(p, QStringLiteral("Soft hands of three cards; soft turned hard"));
    const std::vector<Card> three = Cards({"S01", "H02", "C03"}), two = Cards({"D01", "S05"});
    QRectF area = DrawHand(p, QPointF(24, 70), three, 48, 24);
    TotalBadge(p, QRectF(area.left(), 44, area.width(), 24), HandLabelText(three));
    DrawText(p, QRectF(area.right() + 4, 84, 30, 40), QStringLiteral("="), PGothic(28, true),
             Qt::white);
    area = DrawHand(p, QPointF(area.right() + 38, 70), two, 48, 24);
    TotalBadge(p, QRectF(area.left(), 44, area.width(), 24), HandLabelText(two));
    Caption(p, QRectF(14, 140, 270, 50),
            QStringLiteral("Ace, 2 and 3 is soft 16:\nplay it as ace-5, the soft chart's row."),
            14);

    const std::vector<Card> soft = Cards({"C01", "D06"}), hard = Cards({"C01", "D06", "H09"});
    area = DrawHand(p, QPointF(320, 70), soft, 48, 24);
    TotalBadge(p, QRectF(area.left(), 44, area.width(), 24), HandLabelText(soft));
    Arrow(p, QPointF(area.right() + 6, 102), QPointF(area.right() + 40, 102));
    Caption(p, QRectF(area.right() + 2, 74, 40, 20), QStringLiteral("+9"), 14, kLightYellow);
    area = DrawHand(p, QPointF(area.right() + 48, 70), hard, 48, 24);
    TotalBadge(p, QRectF(area.left(), 44, area.width(), 24), HandLabelText(hard));
    Caption(p, QRectF(306, 140, 284, 50),
            QStringLiteral("Now the ace must count 1: hard 16.\nPlay it by the hard chart."), 14);
    Caption(p, QRectF(10, 204, 580, 36),
            QStringLiteral("The table shows the best total; a hand is soft while an ace in "
                           "it still counts 11."),
            14, kPaleYellow);
}

void ChartInWords(QPainter& p, const StrategyTable& chart, ChartPart part, const QString& heading,
                  const QString& note) {
    Heading(p, heading);
    DrawChartInWords(p, QRectF(12, 34, 576, note.isEmpty() ? 206 : 178), chart, part);
    if (!note.isEmpty()) Caption(p, QRectF(10, 214, 580, 28), note, 14, kPaleYellow);
}

// Where the table refuses the chart's play, its next best: what a double falls back to, or the
// pair read by its total.
void Refused(QPainter& p, const StrategyTable& chart) {
    Heading(p, QStringLiteral("When the table says no"));
    const auto fallback = [](int code) {
        return code == kChartHit || code == kChartDouble ? QStringLiteral("HIT")
                                                         : QStringLiteral("STAND");
    };
    const struct {
        Situation situation;
        const char* refusal;
        int fallbackCode;
        const char* note;
    } cases[] = {
        {{Cards({"H06", "S05"}), Card{1, 6}, ChartPart::Hard, 11, "11 vs 6"},
         "You don't have enough chips!",
         ChartCell(chart, ChartPart::Hard, 11, 6),
         "D falls back\nto a hit"},
        {{Cards({"S01", "H07"}), Card{3, 4}, ChartPart::Soft, 7, "A,7 vs 4"},
         "You don't have enough chips!",
         ChartCell(chart, ChartPart::Soft, 7, 4),
         "Ds falls back\nto a stand"},
        {{Cards({"C08", "D08"}), Card{4, 10}, ChartPart::Pair, 8, "8,8 vs 10, 4 hands"},
         "You can't split any more.",
         ChartCell(chart, ChartPart::Hard, 16, 10),
         "the pair plays\nas hard 16"},
    };
    for (int i = 0; i < 3; ++i) {
        const qreal left = 14 + i * 196;
        const Situation& situation = cases[i].situation;
        Caption(p, QRectF(left, 34, 44, 16), QStringLiteral("dealer"), 12);
        DrawHand(p, QPointF(left + 5, 52), {situation.upCard}, 34);
        Caption(p, QRectF(left + 56, 34, 70, 16), QStringLiteral("you"), 12);
        DrawHand(p, QPointF(left + 60, 52), situation.hand, 34, 20);
        DrawChartCode(p, QRectF(left + 134, 62, 36, 26),
                      ChartCell(chart, situation.part, situation.row, UpValue(situation.upCard)),
                      18);
        Caption(p, QRectF(left, 100, 176, 20), QString::fromLatin1(situation.name), 14, kAqua);
        Balloon(p, QRectF(left, 126, 176, 40), QString::fromLatin1(cases[i].refusal), 11);
        Arrow(p, QPointF(left + 50, 170), QPointF(left + 50, 196), kLightYellow, 2.5);
        Button(p, QRectF(left + 8, 204, 84, 24), fallback(cases[i].fallbackCode));
        Caption(p, QRectF(left + 96, 196, 92, 40), QString::fromLatin1(cases[i].note), 12,
                kPaleYellow);
    }
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
        {"NL4", 2, TheUpCard},
        {"NL4", 3, [c](QPainter& p) { ReadingTheChart(p, *c); }},
        {"NL4", 4,
         [c](QPainter& p) { ChartPage(p, *c, ChartPart::Hard, QStringLiteral("Hard totals")); }},
        {"NL4", 5,
         [c](QPainter& p) { ChartPage(p, *c, ChartPart::Soft, QStringLiteral("Soft totals")); }},
        {"NL4", 6, SoftHandsOfMoreCards},
        {"NL4", 7,
         [c](QPainter& p) { ChartPage(p, *c, ChartPart::Pair, QStringLiteral("Pairs")); }},
        {"NL4", 8,
         [c](QPainter& p) {
             ChartInWords(p, *c, ChartPart::Pair, QStringLiteral("Every pair, row by row"), {});
         }},
        {"NL4", 9, [c](QPainter& p) { Doubling(p, *c); }},
        {"NL4", 10,
         [c](QPainter& p) {
             ChartInWords(p, *c, ChartPart::Soft, QStringLiteral("Soft hands, row by row"),
                          QStringLiteral("\"Double, else stand\": stand when you cannot double."));
         }},
        {"NL4", 11, [c](QPainter& p) { Refused(p, *c); }},
        {"NL4", 12, [c](QPainter& p) { AllCharts(p, *c); }},
    };
}

}  // namespace vantrel::art

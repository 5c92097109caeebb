#include "strategy/index_drill.h"

#include <algorithm>

namespace vantrel::strategy {

namespace {

// A card of an index play's hand: "A" is 1, "T" is 10, digits as they are; 0 for anything else.
int CardValueOf(char c) {
    if (c == 'A') return 1;
    if (c == 'T') return 10;
    if (c >= '2' && c <= '9') return c - '0';
    return 0;
}

}  // namespace

std::optional<ChartCell> IndexPlayCell(const IndexNumber& number) {
    if (number.IsInsurance() || number.up < 1 || number.up > 10) return std::nullopt;
    const std::string& hand = number.hand;
    if (hand.size() == 2 && hand[0] == hand[1] && CardValueOf(hand[0]) > 0)
        return ChartCell{ChartPart::Pair, CardValueOf(hand[0]), number.up};
    if (hand.size() == 2 && hand[0] == 'A' && CardValueOf(hand[1]) >= 2)
        return ChartCell{ChartPart::Soft, CardValueOf(hand[1]), number.up};
    if (hand.empty() ||
        !std::all_of(hand.begin(), hand.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    // The chart's hard rows run 8 to 17, the end rows holding the totals beyond them.
    const int total = std::stoi(hand);
    if (total < 4 || total > 20) return std::nullopt;
    return ChartCell{ChartPart::Hard, std::clamp(total, 8, 17), number.up};
}

std::vector<ChartCell> IndexDrillCells(const MasterFigures& figures) {
    std::vector<ChartCell> cells;
    for (const IndexNumber& number : figures.indices) {
        const std::optional<ChartCell> cell = IndexPlayCell(number);
        if (cell && std::find(cells.begin(), cells.end(), *cell) == cells.end())
            cells.push_back(*cell);
    }
    return cells;
}

const IndexNumber* IndexPlayOfCell(const MasterFigures& figures, const ChartCell& cell) {
    for (const IndexNumber& number : figures.indices)
        if (IndexPlayCell(number) == cell) return &number;
    return nullptr;
}

int IndexDrillTrueCount(const IndexNumber& number, Random& random) {
    const bool applies = random.RandomBelow(2) == 0;
    // Where it applies: the index itself and beyond it; where not: from one step short of it.
    const int step = random.RandomBelow(kIndexDrillSpread) + (applies ? 0 : 1);
    const bool upward = number.atOrAbove == applies;
    return number.index + (upward ? step : -step);
}

char IndexDrillAnswer(const IndexNumber& number, int trueCount) {
    return number.Applies(trueCount) ? number.play : number.basic;
}

}  // namespace vantrel::strategy

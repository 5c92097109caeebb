#include "coach/chart_cells.h"

#include <vector>

#include "coach/judge.h"
#include "engine/hand.h"

namespace vantrel {

namespace {

struct PartRows {
    ChartPart part;
    int first;
    int last;
};

constexpr PartRows kReadRows[] = {
    {ChartPart::Hard, 8, 17}, {ChartPart::Soft, 2, 8}, {ChartPart::Pair, 1, 10}};

constexpr std::array<ChartCell, kJudgedCellCount> MakeCells() {
    std::array<ChartCell, kJudgedCellCount> cells{};
    int i = 0;
    for (const PartRows& rows : kReadRows)
        for (int row = rows.first; row <= rows.last; ++row)
            for (int column = 1; column <= 10; ++column) cells[i++] = {rows.part, row, column};
    return cells;
}

constexpr std::array<ChartCell, kJudgedCellCount> kCells = MakeCells();

constexpr int kTenRanks = 4;  // ten, jack, queen, king

// A rank of the value: a ten-card at random, any other value is its own rank.
int RankOfValue(int value, Random& random) {
    return value == 10 ? 10 + random.RandomBelow(kTenRanks) : value;
}

// The cell the table reads for two cards of these values against the column, the ten-cards of
// different ranks unless `pair`; nothing for a hand the table asks nothing about.
bool HoldsValues(const ChartCell& cell, int low, int high, bool pair) {
    const Card up{1, cell.column == 10 ? 10 : cell.column};
    const std::array<Card, 2> cards = {Card{1, low}, Card{2, pair ? high : high + (high == 10)}};
    const JudgedHand hand = HandOfCards(cards, up, true);
    if (BestTotal(hand.total) == 21) return false;
    static const StrategyTable kAnyChart;
    return Judge(kAnyChart, hand).cell == cell;
}

// The values of the two cards, low first, that the table judges on the cell.
std::vector<std::pair<int, int>> ValuesOfCell(const ChartCell& cell) {
    std::vector<std::pair<int, int>> values;
    if (cell.part == ChartPart::Pair) return {{cell.row, cell.row}};
    for (int low = 1; low <= 10; ++low)
        for (int high = low; high <= 10; ++high)
            if ((low != high || low == 10) && HoldsValues(cell, low, high, false))
                values.emplace_back(low, high);
    return values;
}

// A suit for the card such that it is none of the cards already chosen.
Card WithFreeSuit(int rank, std::span<const Card> taken, Random& random) {
    for (;;) {
        const Card card{1 + random.RandomBelow(4), rank};
        bool free = true;
        for (const Card& other : taken) free = free && !(other == card);
        if (free) return card;
    }
}

}  // namespace

std::span<const ChartCell> JudgedCells() {
    return kCells;
}

int CellIndex(const ChartCell& cell) {
    for (int i = 0; i < kJudgedCellCount; ++i)
        if (kCells[i] == cell) return i;
    return -1;
}

DrillHand HandForCell(const ChartCell& cell, Random& random) {
    const std::vector<std::pair<int, int>> values = ValuesOfCell(cell);
    const auto [low, high] = values[random.RandomBelow(static_cast<int>(values.size()))];
    int first = RankOfValue(low, random);
    int second = cell.part == ChartPart::Pair ? first : RankOfValue(high, random);
    // Two ten-cards outside the pair rows are two different ranks.
    while (cell.part != ChartPart::Pair && first == second) second = RankOfValue(high, random);
    if (random.RandomBelow(2) == 1) std::swap(first, second);

    std::array<Card, 3> chosen;
    chosen[0] = WithFreeSuit(first, {}, random);
    chosen[1] = WithFreeSuit(second, std::span(chosen).first(1), random);
    chosen[2] = WithFreeSuit(RankOfValue(cell.column, random), std::span(chosen).first(2), random);
    return {{chosen[0], chosen[1]}, chosen[2]};
}

Judgement JudgeDrillHand(const StrategyTable& chart, const DrillHand& hand) {
    return Judge(chart, HandOfCards(hand.cards, hand.up, true));
}

namespace {

std::string UpCardText(int column) {
    return column == 1 ? "A" : std::to_string(column);
}

std::string HandText(const ChartCell& cell) {
    switch (cell.part) {
        case ChartPart::Hard:
            if (cell.row <= 8) return "Hard 8 or less";
            if (cell.row >= 17) return "Hard 17 or more";
            return "Hard " + std::to_string(cell.row);
        case ChartPart::Soft:
            // The row is the card beside the ace, which counts 11.
            if (cell.row >= 8) return "Soft 19 or more";
            return "Soft " + std::to_string(cell.row + 11);
        case ChartPart::Pair:
            if (cell.row == 1) return "Pair of aces";
            return "Pair of " + std::to_string(cell.row) + "s";
    }
    return "Hand";
}

}  // namespace

std::string CellLabel(const ChartCell& cell) {
    return HandText(cell) + " vs " + UpCardText(cell.column);
}

}  // namespace vantrel

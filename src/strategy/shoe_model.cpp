#include "strategy/shoe_model.h"

namespace vantrel::strategy {

ShoeCounts FullDecks(int decks) {
    ShoeCounts counts{};
    for (int value = 1; value <= 10; ++value) counts[value] = 4 * decks * (value == kTen ? 4 : 1);
    return counts;
}

ShoeModel::ShoeModel(int decks) : ShoeModel(FullDecks(decks)) {
    decks_ = decks;
}

ShoeModel::ShoeModel(const ShoeCounts& counts) : decks_(-1), full_(counts) {
    full_[0] = 0;
    for (int value = 1; value <= 10; ++value) fullSize_ += full_[value];
}

double ShoeModel::RankChance(int value, double outOfRank, int outTotal) const {
    if (value != kTen) return Chance(value, static_cast<int>(outOfRank), outTotal);
    if (infinite()) return 1.0 / 13.0;
    const double left = TensPerRank() - outOfRank;
    const int total = fullSize_ - outTotal;
    return left <= 0 || total <= 0 ? 0.0 : left / total;
}

}  // namespace vantrel::strategy

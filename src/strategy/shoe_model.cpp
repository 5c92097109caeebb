#include "strategy/shoe_model.h"

namespace vantrel::strategy {

ShoeModel::ShoeModel(int decks) : decks_(decks) {
    for (int value = 1; value <= 10; ++value)
        full_[value] = CardsPerRank() * (value == kTen ? 4 : 1);
    fullSize_ = 52 * decks;
}

double ShoeModel::RankChance(int value, double outOfRank, int outTotal) const {
    if (value != kTen) return Chance(value, static_cast<int>(outOfRank), outTotal);
    if (infinite()) return 1.0 / 13.0;
    const double left = CardsPerRank() - outOfRank;
    const int total = fullSize_ - outTotal;
    return left <= 0 || total <= 0 ? 0.0 : left / total;
}

}  // namespace vantrel::strategy

#include "coach/index_deal.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "coach/index_judge.h"
#include "strategy/true_count.h"

namespace vantrel {

namespace {

// The cards still in the shoe, from which the deal takes its cards one by one.
class Pool {
  public:
    explicit Pool(const Shoe& shoe) : counts_(shoe.counts()) {}

    // A card of this value (1 an ace .. 10 any ten), every such card left equally likely.
    std::optional<Card> TakeValue(int value, Random& random) {
        return Take(random, [value](int rank) { return std::min(rank, 10) == value; });
    }
    std::optional<Card> TakeRank(int rank, Random& random) {
        return Take(random, [rank](int other) { return other == rank; });
    }
    std::optional<Card> TakeAny(Random& random) {
        return Take(random, [](int) { return true; });
    }

  private:
    template <class Fits>
    std::optional<Card> Take(Random& random, Fits fits) {
        int cards = 0;
        for (int suit = 1; suit <= 4; ++suit)
            for (int rank = 1; rank <= 13; ++rank)
                if (fits(rank)) cards += counts_[suit][rank];
        if (cards == 0) return std::nullopt;
        int pick = random.RandomBelow(cards);
        for (int suit = 1; suit <= 4; ++suit) {
            for (int rank = 1; rank <= 13; ++rank) {
                if (!fits(rank)) continue;
                if (pick < counts_[suit][rank]) {
                    --counts_[suit][rank];
                    return Card{suit, rank};
                }
                pick -= counts_[suit][rank];
            }
        }
        return std::nullopt;
    }

    Shoe::Counts counts_;
};

int ValueOfLetter(char letter) {
    if (letter == 'A') return 1;
    if (letter == 'T') return 10;
    return letter - '0';
}

// The player's two cards for a hand named as the index plays name it.
std::optional<std::pair<Card, Card>> HandCards(const std::string& name, Pool& pool,
                                               Random& random) {
    std::optional<Card> first, second;
    if (name == "any") {
        first = pool.TakeAny(random);
        second = pool.TakeAny(random);
    } else if (name.size() == 2 && name[0] == name[1] && name != "11") {  // "11" is hard eleven
        first = pool.TakeValue(ValueOfLetter(name[0]), random);
        if (first) second = pool.TakeRank(first->rank, random);
    } else if (name[0] == 'A') {
        first = pool.TakeValue(1, random);
        second = pool.TakeValue(std::stoi(name.substr(1)), random);
    } else {
        // Two different values, no ace, so the table reads a hard total and no pair.
        const int total = std::stoi(name);
        std::vector<int> lows;
        for (int low = 2; low <= 10; ++low)
            if (total - low > low && total - low <= 10) lows.push_back(low);
        if (lows.empty()) return std::nullopt;
        const int low =
            lows[static_cast<std::size_t>(random.RandomBelow(static_cast<int>(lows.size())))];
        first = pool.TakeValue(low, random);
        second = pool.TakeValue(total - low, random);
        if (random.RandomBelow(2) == 0) std::swap(first, second);
    }
    if (!first || !second) return std::nullopt;
    return std::pair{*first, *second};
}

}  // namespace

std::vector<Card> IndexSituationDeal(const Shoe& shoe, const strategy::MasterFigures& figures,
                                     Random& random) {
    const int now = strategy::TrueCount(shoe.runningCount, shoe.CardsLeft());
    std::vector<const strategy::IndexNumber*> near;
    for (const strategy::IndexNumber& number : figures.indices)
        if (NearIndex(number, now)) near.push_back(&number);
    // Tried in a random order, so that every index near the count comes up in turn.
    for (std::size_t i = near.size(); i > 1; --i)
        std::swap(near[i - 1],
                  near[static_cast<std::size_t>(random.RandomBelow(static_cast<int>(i)))]);
    for (const strategy::IndexNumber* number : near) {
        Pool pool(shoe);
        const auto hand = HandCards(number->hand, pool, random);
        const auto up = pool.TakeValue(number->IsInsurance() ? 1 : number->up, random);
        const auto hole = pool.TakeAny(random);
        if (!hand || !up || !hole) continue;
        const int running = shoe.runningCount + HiLoValue(hand->first.rank) +
                            HiLoValue(hand->second.rank) + HiLoValue(up->rank);
        // The hole card stays unseen: cards left are those after the deal, and it.
        if (!NearIndex(*number, strategy::TrueCount(running, shoe.CardsLeft() - 3))) continue;
        return {hand->first, *hole, hand->second, *up};
    }
    return {};
}

}  // namespace vantrel

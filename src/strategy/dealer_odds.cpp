#include "strategy/dealer_odds.h"

#include <numeric>
#include <unordered_map>

#include "engine/hand.h"

namespace vantrel::strategy {

double DealerOdds::NoBlackjack() const {
    return std::accumulate(finals.begin(), finals.end(), 0.0);
}

double DealerOdds::StandValue(int playerTotal) const {
    double value = finals[kBust];
    for (int dealer = 17; dealer <= 21; ++dealer) {
        if (playerTotal > dealer) value += finals[dealer - 17];
        if (playerTotal < dealer) value -= finals[dealer - 17];
    }
    return value;
}

namespace {

bool IsBlackjackHole(int up, int hole) {
    return (up == kAce && hole == kTen) || (up == kTen && hole == kAce);
}

}  // namespace

DealerGraph::DealerGraph(int up) : up_(up) {
    std::unordered_map<std::uint64_t, int> index;
    nodes_.push_back({CardsOf({up}), {}});
    // Children always hold one card more than their parent, so building in order of creation
    // also gives the order in which a pass can push chances forward.
    for (std::size_t i = 0; i < nodes_.size(); ++i) {
        for (int card = 1; card <= 10; ++card) {
            if (i == 0 && IsBlackjackHole(up, card)) {
                nodes_[i].next[card] = kNoCard;
                continue;
            }
            const CardCounts cards = nodes_[i].cards.With(card);
            const int total = cards.EncodedTotal();
            if (DealerStands(total)) {
                const int best = BestTotal(total);
                nodes_[i].next[card] = -1 - (best > 21 ? DealerOdds::kBust : best - 17);
                continue;
            }
            auto [found, added] = index.try_emplace(cards.Key(), static_cast<int>(nodes_.size()));
            if (added) nodes_.push_back({cards, {}});
            nodes_[i].next[card] = found->second;
        }
    }
}

template <class CardChance>
DealerOdds DealerGraph::Propagate(CardChance&& chance) const {
    DealerOdds odds;
    mass_.assign(nodes_.size(), 0.0);
    mass_[0] = 1.0;
    for (std::size_t i = 0; i < nodes_.size(); ++i) {
        const double mass = mass_[i];
        if (mass == 0.0) continue;
        const Node& node = nodes_[i];
        for (int card = 1; card <= 10; ++card) {
            const int next = node.next[card];
            if (next == kNoCard) continue;
            const double reach = mass * chance(node, card);
            if (next >= 0) {
                mass_[next] += reach;
            } else {
                odds.finals[-1 - next] += reach;
            }
        }
    }
    return odds;
}

DealerOdds DealerGraph::Odds(const ShoeModel& shoe, const CardCounts& playerOut) const {
    if (shoe.infinite()) {
        return Propagate([&shoe](const Node&, int card) { return shoe.Chance(card, 0, 0); });
    }
    // What is left in the shoe once the player's cards are out; the dealer's own cards come off
    // that as the dealer draws.
    std::array<double, 11> left{};
    for (int card = 1; card <= 10; ++card) left[card] = shoe.Left(card) - playerOut.n[card];
    const double leftTotal = shoe.Left() - playerOut.size;
    return Propagate([&](const Node& node, int card) {
        const double cards = left[card] - node.cards.n[card];
        const double total = leftTotal - node.cards.size;
        return cards > 0.0 && total > 0.0 ? cards / total : 0.0;
    });
}

}  // namespace vantrel::strategy

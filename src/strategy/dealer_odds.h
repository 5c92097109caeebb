#pragma once

#include <array>
#include <vector>

#include "strategy/card_counts.h"
#include "strategy/shoe_model.h"

namespace vantrel::strategy {

// The dealer's final hand: 17..21 or bust, each as a chance taken jointly with "the dealer has
// no blackjack". The table settles a dealer blackjack before the player acts, so every value the
// calculator computes for the player's play carries that joint chance; the sum of the six is the
// chance of no dealer blackjack.
struct DealerOdds {
    static constexpr int kBust = 5;
    std::array<double, 6> finals{};  // 17, 18, 19, 20, 21, bust

    double NoBlackjack() const;
    // The player's expected result for standing on `playerTotal` (21 or less), jointly with no
    // dealer blackjack: +1 a win, 0 a push, -1 a loss.
    double StandValue(int playerTotal) const;
};

// The dealer's drawing from one up card: every hand the dealer can hold while still drawing, as
// a graph of card counts, so that the odds for any cards out of the shoe take one pass over it.
class DealerGraph {
  public:
    explicit DealerGraph(int up);

    int up() const { return up_; }
    // The dealer's odds when the player's `playerOut` cards (the up card not included) are out.
    DealerOdds Odds(const ShoeModel& shoe, const CardCounts& playerOut) const;
    std::size_t size() const { return nodes_.size(); }

  private:
    // Pushes the chance of each dealer hand forward to its draws; `chance(node, card)` is the
    // chance of that card coming next to that hand.
    template <class CardChance>
    DealerOdds Propagate(CardChance&& chance) const;

    static constexpr int kNoCard = -100;  // the hole card that would make a blackjack
    struct Node {
        CardCounts cards;            // the dealer's cards, up card included
        std::array<int, 11> next{};  // a node index, or -1 - final for a finished hand
    };
    int up_;
    std::vector<Node> nodes_;
    mutable std::vector<double> mass_;
};

}  // namespace vantrel::strategy

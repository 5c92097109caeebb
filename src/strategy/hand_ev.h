#pragma once

#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "engine/action.h"
#include "engine/card.h"

namespace vantrel::strategy {

class ShoeEv;

// What each action is worth for one hand against one dealer up card, per unit of the hand's bet,
// given that the dealer has no blackjack: the table settles a dealer blackjack before the player
// may act, so every decision is taken knowing there is none. For a two-card hand these are the
// figures `vantrel-lab chart --ev` prints for a cell that holds that hand alone.
struct ActionValues {
    double hit = 0.0;  // one card, then the best of standing and hitting on
    double stand = 0.0;
    std::optional<double> doubleDown;  // one card for twice the bet; only on two cards
    std::optional<double> split;       // only for a pair: two cards of one rank

    // The value of the best action offered.
    double Best() const;
    // The value of an action; nothing where it is not offered.
    std::optional<double> Of(Action action) const;
};

// The exact expected values of the trainer's table: the dealer stands on all 17s and checks for
// blackjack, blackjack pays 3 to 2, double on any two cards and after splits, split to four
// hands (aces again), one card to each split ace, no surrender or insurance.
//
// The shoe is full but for the up card and the hand's own cards (not those of other hands on the
// table, such as the rest of a split), and the dealer's odds are exact for it. After a hit the
// hand plays on as well as its exact cards allow. A split re-splits up to four hands, valued as
// `vantrel-lab chart --help` describes.
//
// Each number of decks is a ShoeEv of full decks. Making a calculator costs nothing. What a
// question works out is kept per number of decks (the last few asked for) and up card, so only the
// first questions against an up card cost much: up to some 25 ms, then a few microseconds
// (`vantrel-lab bench --ev`). Not synchronised: each thread that asks keeps a calculator of its
// own; calculators share nothing, so any number may work side by side.
class HandEv {
  public:
    HandEv();
    ~HandEv();
    HandEv(const HandEv&) = delete;
    HandEv& operator=(const HandEv&) = delete;

    // The values of the actions for `hand` (the player's cards; only their ranks count) against
    // an up card of `upValue` (1 an ace, 2..10), with `decks` read as the table reads DECK: below
    // 1 one deck, above 1000 a thousand. Whether the table still allows a split (four hands) or
    // any play at all on a split ace is the caller's to know.
    //
    // Nothing for a hand no decision faces: fewer than two cards, 21 or more, a rank or up card
    // out of range, or more cards of a value than the shoe holds.
    std::optional<ActionValues> Values(std::span<const Card> hand, int upValue, int decks);

  private:
    ShoeEv& ShoeFor(int decks);

    std::vector<std::unique_ptr<ShoeEv>> shoes_;  // the most recently asked first
};

}  // namespace vantrel::strategy

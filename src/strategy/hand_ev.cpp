#include "strategy/hand_ev.h"

#include <algorithm>
#include <array>

#include "engine/shoe.h"
#include "strategy/shoe_ev.h"

namespace vantrel::strategy {

namespace {

// Enough for a student who switches between a few DECK settings without working them out anew,
// while a caller asking for every DECK in turn cannot fill the memory.
constexpr std::size_t kKeptShoes = 4;

}  // namespace

double ActionValues::Best() const {
    return std::max({hit, stand, doubleDown.value_or(hit), split.value_or(hit)});
}

std::optional<double> ActionValues::Of(Action action) const {
    switch (action) {
        case Action::Hit:
            return hit;
        case Action::Stand:
            return stand;
        case Action::DoubleDown:
            return doubleDown;
        case Action::Split:
            return split;
    }
    return std::nullopt;
}

HandEv::HandEv() = default;
HandEv::~HandEv() = default;

ShoeEv& HandEv::ShoeFor(int decks) {
    const ShoeCounts counts = FullDecks(decks);
    auto found = std::find_if(shoes_.begin(), shoes_.end(),
                              [&counts](const auto& shoe) { return shoe->counts() == counts; });
    if (found == shoes_.end()) {
        if (shoes_.size() == kKeptShoes) shoes_.pop_back();
        shoes_.insert(shoes_.begin(), std::make_unique<ShoeEv>(counts));
    } else {
        std::rotate(shoes_.begin(), found, found + 1);
    }
    return *shoes_.front();
}

std::optional<ActionValues> HandEv::Values(std::span<const Card> hand, int upValue, int decks) {
    return ShoeFor(Shoe::PlayableDecks(decks)).Values(hand, upValue);
}

}  // namespace vantrel::strategy

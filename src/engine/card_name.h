#pragma once

#include <string>

#include "engine/card.h"

namespace vantrel {

// A card as a screen reader says it: "Ten of spades", "Ace of hearts"; "Face down card" for
// an empty card, which is how a card shown by its back is passed around.
std::string CardName(const Card& card);

}  // namespace vantrel

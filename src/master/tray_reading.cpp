#include "master/tray_reading.h"

#include <algorithm>

#include "strategy/true_count.h"

namespace vantrel {

namespace {
constexpr int kHalfDeck = 26;
}  // namespace

TrayReading ReadTray(int runningCount, int cardsLeft) {
    cardsLeft = std::max(cardsLeft, 0);
    // No reading is below the last half deck: a shoe is never read as empty.
    const int below = std::max(cardsLeft / kHalfDeck, 1);
    const int above = std::max((cardsLeft + kHalfDeck - 1) / kHalfDeck, 1);
    // Halfway between two marks reads as the higher one.
    const bool nearerBelow = cardsLeft - below * kHalfDeck < above * kHalfDeck - cardsLeft;
    TrayReading reading;
    reading.runningCount = runningCount;
    reading.halfDecks = nearerBelow ? below : above;
    reading.otherHalfDecks = nearerBelow ? above : below;
    reading.trueCount = strategy::TrueCount(runningCount, reading.halfDecks * kHalfDeck);
    reading.otherTrueCount = strategy::TrueCount(runningCount, reading.otherHalfDecks * kHalfDeck);
    return reading;
}

std::string HalfDecksText(int halfDecks) {
    return std::to_string(halfDecks / 2) + (halfDecks % 2 ? ".5" : "");
}

std::string SignedText(int number) {
    return (number > 0 ? "+" : "") + std::to_string(number);
}

}  // namespace vantrel

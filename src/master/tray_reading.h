#pragma once

#include <string>

namespace vantrel {

// The decks left as the discard tray shows them: the tray is marked every half deck, so a
// counter reads the decks left to the half deck. When the cards dealt lie between two marks,
// either mark is a fair reading, and so is the true count it gives; the nearer mark is the
// reading the course names.
struct TrayReading {
    int runningCount = 0;
    int halfDecks = 1;       // the nearer mark, in half decks left (never below one half deck)
    int otherHalfDecks = 1;  // the mark on the other side; the same when the cards sit on a mark
    int trueCount = 0;       // strategy::TrueCount at the nearer mark
    int otherTrueCount = 0;  // and at the other

    bool Accepts(int trueCountAnswer) const {
        return trueCountAnswer == trueCount || trueCountAnswer == otherTrueCount;
    }
};

// Reads the tray of a shoe with `cardsLeft` cards not yet dealt.
TrayReading ReadTray(int runningCount, int cardsLeft);

// "3.5", "1", "0.5": half decks as decks.
std::string HalfDecksText(int halfDecks);
// "+2", "0", "-3".
std::string SignedText(int number);

}  // namespace vantrel

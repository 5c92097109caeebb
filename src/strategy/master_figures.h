#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "coach/strategy_table.h"

namespace vantrel::strategy {

// One index play: from this true count on, `play` beats the chart's `basic` play.
struct IndexNumber {
    std::string hand;       // "16", "A7", "88", "TT"; "any" for insurance
    int up = 0;             // the dealer's up card, 1 for an ace .. 10
    char basic = 'S';       // the chart's play: H, S, D or P; '-' for insurance (declined)
    char play = 'H';        // the play from the index on: H, S, D, P, or I (take insurance)
    bool atOrAbove = true;  // made at true counts >= index; false: at true counts <= index
    int index = 0;
    double gainPer100 =
        0.0;  // initial bets gained per 100 rounds, the decision's frequency included

    bool Applies(int trueCount) const {
        return atOrAbove ? trueCount >= index : trueCount <= index;
    }
    bool IsInsurance() const { return play == 'I'; }
};

// How often a true count comes at the cut in force, and the player's edge there (flat bets by
// the chart; a fraction of the initial bet, positive for the player).
struct CountShare {
    int trueCount = 0;  // the lowest and highest rows gather every count beyond them
    double share = 0.0;
    double edgeAsPaid = 0.0;  // blackjack paid as this table pays it ($12 for $5)
    double edgeAt3to2 = 0.0;  // blackjack paid a full 3 to 2
};

// What the Master Course teaches and judges by, for one number of decks and one cut, as the lab
// works it out (vantrel-lab master).
struct MasterFigures {
    int decks = 6;
    int penetration = 60;              // PLAYPER: per cent of the shoe dealt before the shuffle
    std::uint64_t chart = 0;           // ChartFingerprint of the chart played; 0 when not known
    std::vector<CountShare> byCount;   // true counts rising
    std::vector<IndexNumber> indices;  // most valuable first; insurance among them
    // The course's ramp: (true count, units) bet from that count on, counts rising; one unit
    // below the first.
    std::vector<std::pair<int, int>> ramp;
    int unitDollars = 5;
    // The ramp played with the index plays, in dollars.
    double averageBet = 0.0;
    double winPer100 = 0.0;
    double sdPer100 = 0.0;
    double indexGainPer100 = 0.0;  // what the index plays add to the ramp alone
    // (bankroll in units, chance of losing all of it playing this ramp for good)
    std::vector<std::pair<int, double>> riskOfRuin;
};

// A number that tells charts apart, so that figures kept in a file are known to be for the chart
// in force.
std::uint64_t ChartFingerprint(const StrategyTable& chart);

// The units the ramp bets at this true count.
int RampUnits(const MasterFigures& figures, int trueCount);
// The ramp's bet in dollars, no more than the table's maximum.
int RampBet(const MasterFigures& figures, int trueCount, int maxBet);
// The index play of this hand ("16", "A7", "88", "any") against this up card, if the figures hold
// one.
const IndexNumber* FindIndexNumber(const MasterFigures& figures, std::string_view hand, int up);

// A plain text file of the figures, one fact a line, and "end"; what it writes it reads back
// unchanged.
void WriteMasterFigures(std::ostream& out, const MasterFigures& figures);
// Nothing when the text is not such a file: another file, one cut short or changed so that its
// figures could not be.
std::optional<MasterFigures> ReadMasterFigures(std::istream& in);
// The figures file at path, when it can be read and holds the figures of this shoe (decks, cut)
// judged by this chart (its fingerprint).
std::optional<MasterFigures> ReadMasterFiguresFile(const std::string& path, int decks,
                                                   int penetration, std::uint64_t chart);

}  // namespace vantrel::strategy

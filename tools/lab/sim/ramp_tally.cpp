#include "sim/ramp_tally.h"

#include <cmath>
#include <cstdio>
#include <ostream>

#include "strategy/true_count.h"

namespace vantrel::lab {

RampTally& RampTally::operator+=(const RampTally& other) {
    net += other.net;
    betDollars += other.betDollars;
    return *this;
}

int RampListener::RoundStarts(const Shoe& shoe) {
    trueCount_ = strategy::TrueCount(shoe.runningCount, shoe.CardsLeft());
    bet_ = unit_ * ramp_.Units(trueCount_);
    return bet_ / 5;
}

Action RampListener::Play(const Table& table, Action chartAction) {
    return IndexAction(rules_, table, trueCount_).value_or(chartAction);
}

void RampListener::RoundSettled(const RoundSettlement& round, const Shoe&) {
    long long halfDollars = 2LL * round.net();
    if (round.upCard.rank == 1 && InsuresAt(rules_, trueCount_)) {
        // Half the bet, paid 2 to 1 when the dealer holds a blackjack.
        halfDollars += round.dealerLabel == "BJ!" ? 2LL * bet_ : -static_cast<long long>(bet_);
    }
    tally.net.Add(halfDollars);
    tally.betDollars += bet_;
}

namespace {

template <class... Values>
std::string Figure(const char* format, Values... values) {
    char text[96];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

}  // namespace

void WriteRampReport(std::ostream& out, const RampTally& tally, int unit) {
    const double n = static_cast<double>(tally.net.n);
    const double averageBet = n > 0 ? tally.betDollars / n : 0.0;
    const double perRound = tally.net.Mean() / 2.0;  // dollars
    const double halfWidth = tally.net.HalfWidth() / 2.0;
    const double deviation = tally.net.Deviation() / 2.0;
    out << "average bet: " << Figure("%.3f units", averageBet / unit) << '\n'
        << "edge: "
        << Figure("%+.3f%% of the average bet ± %.3f%%", 100.0 * perRound / averageBet,
                  100.0 * halfWidth / averageBet)
        << '\n'
        << "win: "
        << Figure("%+.3f units per 100 rounds ± %.3f", 100.0 * perRound / unit,
                  100.0 * halfWidth / unit)
        << '\n'
        << "standard deviation: "
        << Figure("%.3f units per round ± %.3f", deviation / unit,
                  n > 0 ? 1.96 * deviation / unit / std::sqrt(2.0 * n) : 0.0)
        << '\n';
}

void WriteIndexGain(std::ostream& out, const RampTally& without, const RampTally& with, int unit) {
    const double gain = (with.net.Mean() - without.net.Mean()) / 2.0;
    const double halfWidth = std::hypot(with.net.HalfWidth(), without.net.HalfWidth()) / 2.0;
    out << "index plays add: "
        << Figure("%+.3f units per 100 rounds ± %.3f", 100.0 * gain / unit,
                  100.0 * halfWidth / unit)
        << '\n';
}

}  // namespace vantrel::lab

#include "sim/index_candidates.h"

namespace vantrel::lab {

namespace {

using strategy::kAce;
using strategy::kTen;

std::string ValueName(int value) {
    return value == kAce ? "A" : value == kTen ? "T" : std::to_string(value);
}

// The chance of dealing the up card, then these two cards, to the player, and of the dealer then
// having no blackjack, from a shoe of these counts.
double DealChance(const strategy::ShoeCounts& shoe, int up, int first, int second) {
    strategy::ShoeCounts left = shoe;
    int total = 0;
    for (int value = 1; value <= 10; ++value) total += left[value];
    double chance = 1.0;
    for (int value : {up, first, second}) {
        if (left[value] <= 0 || total <= 0) return 0.0;
        chance *= static_cast<double>(left[value]) / total;
        --left[value];
        --total;
    }
    if (first != second) chance *= 2.0;  // either card may come first
    const int blackjackHole = up == kAce ? kTen : up == kTen ? kAce : 0;
    if (blackjackHole != 0 && total > 0)
        chance *= 1.0 - static_cast<double>(left[blackjackHole]) / total;
    // Two tens are a pair only when of one rank; a ten up card takes one from one rank.
    if (first == kTen && second == kTen) {
        const double perRank = shoe[kTen] / 4.0;
        const double tens = shoe[kTen] - (up == kTen ? 1 : 0);
        chance *= tens > 1 ? (perRank - 1.0) / (tens - 1.0) : 0.0;
    }
    return chance;
}

}  // namespace

std::string IndexCandidate::HandName() const {
    switch (kind) {
        case Kind::Hard:
            return std::to_string(total);
        case Kind::Soft:
            return "A" + std::to_string(total - 11);
        case Kind::Pair:
            return ValueName(total) + ValueName(total);
        case Kind::Insurance:
            break;
    }
    return "any";
}

std::string IndexCandidate::UpName() const {
    return up == kAce ? "A" : std::to_string(up);
}

std::vector<std::array<int, 2>> IndexCandidate::Hands() const {
    std::vector<std::array<int, 2>> hands;
    if (kind == Kind::Soft) hands.push_back({kAce, total - 11});
    if (kind == Kind::Pair) hands.push_back({total, total});
    if (kind == Kind::Hard) {
        for (int first = 2; 2 * first < total; ++first)
            if (total - first <= kTen) hands.push_back({first, total - first});
    }
    return hands;
}

std::vector<IndexCandidate> AllCandidates() {
    using Kind = IndexCandidate::Kind;
    std::vector<IndexCandidate> candidates;
    for (int up = 1; up <= 10; ++up) {
        for (int total = 8; total <= 17; ++total) candidates.push_back({Kind::Hard, total, up});
        for (int total = 13; total <= 20; ++total) candidates.push_back({Kind::Soft, total, up});
        for (int value = 1; value <= 10; ++value) candidates.push_back({Kind::Pair, value, up});
    }
    candidates.push_back({Kind::Insurance, 0, kAce});
    return candidates;
}

DecisionValue ValueDecision(strategy::ShoeEv& ev, const IndexCandidate& candidate) {
    DecisionValue decision;
    const strategy::ShoeCounts& shoe = ev.counts();
    if (candidate.kind == IndexCandidate::Kind::Insurance) {
        // Taken before the dealer peeks, for half the bet: an ace up, and three to one on the
        // tens left beside it, whatever the player holds.
        int total = 0;
        for (int value = 1; value <= 10; ++value) total += shoe[value];
        if (total < 2 || shoe[kAce] == 0) return decision;
        decision.weight = static_cast<double>(shoe[kAce]) / total;
        const double tens = static_cast<double>(shoe[kTen]) / (total - 1);
        decision.value[kInsure] = decision.weight * 0.5 * (3.0 * tens - 1.0);
        decision.offered[kInsure] = true;
        return decision;
    }
    for (const auto& [first, second] : candidate.Hands()) {
        const double weight = DealChance(shoe, candidate.up, first, second);
        if (weight <= 0.0) continue;
        const std::array<Card, 2> hand = {Card{1, first}, Card{2, second}};
        const std::optional<strategy::ActionValues> values = ev.Values(hand, candidate.up);
        if (!values) continue;
        decision.weight += weight;
        for (int play = 0; play < kInsure; ++play) {
            const std::optional<double> value = values->Of(static_cast<Action>(play + 1));
            if (!value) continue;
            decision.value[play] += weight * *value;
            decision.offered[play] = true;
        }
    }
    return decision;
}

}  // namespace vantrel::lab

#include "master/master_exam.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <span>

#include "coach/strategy_table.h"
#include "strategy/hand_ev.h"

namespace vantrel {

namespace {

std::string Percent(int right, int all, double needed) {
    char text[96];
    std::snprintf(text, sizeof text, "%.1f%% (%d of %d; %.0f%% to pass)",
                  100.0 * RightShare(right, all), right, all, 100.0 * needed);
    return text;
}

std::string Dollars(double dollars) {
    char text[32];
    std::snprintf(text, sizeof text, "%s$%.2f", dollars < 0 ? "-" : "+", std::abs(dollars));
    return text;
}

// A cost, never below nothing: "$2.50".
std::string Cost(double dollars) {
    char text[32];
    std::snprintf(text, sizeof text, "$%.2f", std::max(dollars, 0.0));
    return text;
}

}  // namespace

double RightShare(int right, int all) {
    return all > 0 ? static_cast<double>(right) / all : 1.0;
}

bool ExamPassed(const ExamTally& tally) {
    return RightShare(tally.rightDecisions, tally.decisions) >= kExamDecisionsToPass &&
           RightShare(tally.rightBets, tally.bets) >= kExamBetsToPass &&
           RightShare(tally.rightCountAnswers, tally.countAnswers) >= kExamCountsToPass;
}

double EdgeAt(const strategy::MasterFigures& figures, int trueCount) {
    if (figures.byCount.empty()) return 0.0;
    const strategy::CountShare* row = &figures.byCount.front();
    for (const strategy::CountShare& next : figures.byCount)
        if (next.trueCount <= trueCount) row = &next;
    return row->edgeAsPaid;
}

double MistakesCost(const std::vector<Decision>& mistakes, int decks) {
    strategy::HandEv ev;
    double cost = 0.0;
    for (const Decision& decision : mistakes) {
        const int shown = std::min(decision.cardCount, Decision::kMaxCards);
        const auto values =
            ev.Values(std::span(decision.cards.data(), static_cast<std::size_t>(shown)),
                      std::min(decision.upCard.rank, 10), decks);
        if (!values) continue;
        const auto taken = values->Of(decision.action);
        std::optional<double> advised;
        switch (decision.advice) {
            case kChartHit:
                advised = values->hit;
                break;
            case kChartStand:
                advised = values->stand;
                break;
            case kChartDouble:
                advised = values->doubleDown;
                break;
            case kChartSplit:
                advised = values->split;
                break;
            default:
                break;
        }
        if (taken && advised) cost += decision.stake * std::max(*advised - *taken, 0.0);
    }
    return cost;
}

std::string ExamReport(const ExamTally& tally, double mistakesCost) {
    const double earned = tally.betValue - mistakesCost;
    std::string report = ExamPassed(tally) ? "Master Exam passed!\n" : "Master Exam not passed.\n";
    report +=
        "Decisions right: " + Percent(tally.rightDecisions, tally.decisions, kExamDecisionsToPass) +
        "\n";
    report += "Bets on the ramp: " + Percent(tally.rightBets, tally.bets, kExamBetsToPass) + "\n";
    report += "True counts right: " +
              Percent(tally.rightCountAnswers, tally.countAnswers, kExamCountsToPass) + "\n";
    if (tally.insurance > 0)
        report += "Insurance right: " + std::to_string(tally.rightInsurance) + " of " +
                  std::to_string(tally.insurance) + "\n";
    report += "EV your play and bets earned: " + Dollars(earned) + " (bets " +
              Dollars(tally.betValue) + ", mistakes cost " + Cost(mistakesCost) + ")\n";
    report += "Net result: " + Dollars(tally.net) + "; of it luck: " + Dollars(tally.net - earned);
    return report;
}

}  // namespace vantrel

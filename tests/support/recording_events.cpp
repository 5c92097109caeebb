#include "support/recording_events.h"

#include <algorithm>
#include <cstdio>

namespace vantrel::testing {

namespace {
constexpr const char* kParts[] = {"", "hard", "soft", "pair"};
constexpr const char* kActions[] = {"", "HIT", "STAND", "DOUBLE", "SPLIT"};
constexpr const char* kEndings[] = {"Passed", "Menu", "NoChips", "Quit"};

std::string Number(int value) {
    return std::to_string(value);
}
}  // namespace

void RecordingEvents::VisitStarted(const VisitStart& visit) {
    lines.push_back("visit " + std::string(visit.lessonCode) + " mode " +
                    Number(static_cast<int>(visit.mode)) + " chips " + Number(visit.chips) +
                    " quota " + Number(visit.quota) + " decks " + Number(visit.decks));
}

void RecordingEvents::DecisionJudged(const Decision& decision) {
    decisions.push_back(decision);
    std::string line = "decision hand " + Number(decision.hand);
    for (int i = 0; i < std::min(decision.cardCount, Decision::kMaxCards); ++i)
        line += " " + decision.cards[i].code();
    const ChartCell& cell = decision.cell;
    lines.push_back(line + " vs " + decision.upCard.code() + " " +
                    kParts[static_cast<int>(cell.part)] + " " + Number(cell.row) + "/" +
                    Number(cell.column) + " " + kActions[static_cast<int>(decision.action)] +
                    " advice " + Number(decision.advice) + (decision.right ? " right" : " wrong") +
                    " stake " + Number(decision.stake));
}

void RecordingEvents::InsuranceChosen(const InsuranceChoice& choice) {
    lines.push_back("insurance " + choice.cards[0].code() + " " + choice.cards[1].code() +
                    " true " + Number(choice.trueCount) + (choice.taken ? " taken" : " declined") +
                    (choice.right ? " right" : " wrong") + " stake " + Number(choice.stake));
}

void RecordingEvents::RoundSettled(const RoundSettlement& round) {
    std::string line = "round staked " + Number(round.staked) + " payout " + Number(round.payout) +
                       " up " + round.upCard.code() + " dealer " + std::string(round.dealerLabel) +
                       ":";
    for (int hand = 0; hand < round.hands; ++hand) {
        const SettledHand& result = round.results[hand];
        line += " " + std::string(result.label) + " " + std::string(result.result) + " $" +
                Number(result.bet);
    }
    lines.push_back(line);
}

void RecordingEvents::CountAnswered(const CountAnswer& answer) {
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%gs", answer.seconds);
    lines.push_back("count " + Number(answer.count) + " answer " + Number(answer.answer) +
                    (answer.right ? " right " : " wrong ") + seconds);
}

void RecordingEvents::VisitEnded(const VisitClose& close) {
    lines.push_back(std::string("end ") + kEndings[static_cast<int>(close.how)] + " chips " +
                    Number(close.chips) + " quota " + Number(close.quotaLeft));
}

std::vector<std::string> RecordingEvents::Lines(const std::string& word) const {
    std::vector<std::string> found;
    for (const std::string& line : lines)
        if (line.rfind(word + " ", 0) == 0) found.push_back(line);
    return found;
}

}  // namespace vantrel::testing

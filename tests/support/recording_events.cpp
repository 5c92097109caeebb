#include "support/recording_events.h"

#include <algorithm>
#include <cstdio>

namespace vantrel::testing {

namespace {

std::string PartName(ChartPart part) {
    switch (part) {
        case ChartPart::Soft:
            return "soft";
        case ChartPart::Pair:
            return "pair";
        case ChartPart::Hard:
            break;
    }
    return "hard";
}

std::string ActionText(Action action) {
    static const char* const kNames[] = {"", "HIT", "STAND", "DOUBLE", "SPLIT"};
    return kNames[static_cast<int>(action)];
}

std::string EndName(VisitEnd how) {
    switch (how) {
        case VisitEnd::Passed:
            return "Passed";
        case VisitEnd::Menu:
            return "Menu";
        case VisitEnd::NoChips:
            return "NoChips";
        case VisitEnd::Quit:
            break;
    }
    return "Quit";
}

}  // namespace

void RecordingEvents::VisitStarted(const VisitStart& visit) {
    lines.push_back("visit " + std::string(visit.lessonCode) + " mode " +
                    std::to_string(static_cast<int>(visit.mode)) + " chips " +
                    std::to_string(visit.chips) + " quota " + std::to_string(visit.quota) +
                    " decks " + std::to_string(visit.decks));
}

void RecordingEvents::DecisionJudged(const Decision& decision) {
    decisions.push_back(decision);
    std::string line = "decision hand " + std::to_string(decision.hand);
    for (int i = 0; i < std::min(decision.cardCount, Decision::kMaxCards); ++i)
        line += " " + decision.cards[i].code();
    line += " vs " + decision.upCard.code() + " " + PartName(decision.cell.part) + " " +
            std::to_string(decision.cell.row) + "/" + std::to_string(decision.cell.column) + " " +
            ActionText(decision.action) + " advice " + std::to_string(decision.advice) +
            (decision.right ? " right" : " wrong") + " stake " + std::to_string(decision.stake);
    lines.push_back(line);
}

void RecordingEvents::RoundSettled(const RoundSettlement& round) {
    std::string line = "round staked " + std::to_string(round.staked) + " payout " +
                       std::to_string(round.payout) + " up " + round.upCard.code() + " dealer " +
                       std::string(round.dealerLabel) + ":";
    for (int hand = 0; hand < round.hands; ++hand) {
        const SettledHand& result = round.results[hand];
        line += " " + std::string(result.label) + " " + std::string(result.result) + " $" +
                std::to_string(result.bet);
    }
    lines.push_back(line);
}

void RecordingEvents::CountAnswered(const CountAnswer& answer) {
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%gs", answer.seconds);
    lines.push_back("count " + std::to_string(answer.count) + " answer " +
                    std::to_string(answer.answer) + (answer.right ? " right " : " wrong ") +
                    seconds);
}

void RecordingEvents::VisitEnded(const VisitClose& close) {
    lines.push_back("end " + EndName(close.how) + " chips " + std::to_string(close.chips) +
                    " quota " + std::to_string(close.quotaLeft));
}

std::vector<std::string> RecordingEvents::Lines(const std::string& word) const {
    std::vector<std::string> found;
    for (const std::string& line : lines)
        if (line.rfind(word + " ", 0) == 0) found.push_back(line);
    return found;
}

}  // namespace vantrel::testing

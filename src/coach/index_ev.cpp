#include "coach/index_ev.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "coach/coach.h"
#include "strategy/shoe_ev.h"

namespace vantrel {

namespace {

std::string Value(const char* name, double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%s %+.3f", name, value);
    return text;
}

}  // namespace

EvQuestion EvQuestionOf(const Table& table) {
    EvQuestion question;
    const Shoe::Counts counts = table.shoe().counts();
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 1; rank <= 13; ++rank)
            question.shoe[std::min(rank, 10)] += counts[suit][rank];
    const auto putBack = [&](const Card& card) {
        if (card.rank > 0) ++question.shoe[std::min(card.rank, 10)];
    };
    const CardSlot& hole = table.slot(DealerSlot(1));
    if (hole.picture == CardSlot::Picture::Back) putBack(hole.card);
    const Card up = table.slot(DealerSlot(2)).card;
    putBack(up);
    question.up = std::min(up.rank, 10);
    const TableState& state = table.state();
    const int hand = state.currentHand;
    for (int position = 1; position <= std::min(state.handCards[hand], kHandSlots); ++position) {
        const Card card = table.slot(PlayerSlot(hand, position)).card;
        putBack(card);
        question.hand.push_back(card);
    }
    return question;
}

std::shared_future<EvAnswer> StartEv(EvQuestion question) {
    return RunAside([question = std::move(question)] {
        EvAnswer answer;
        strategy::ShoeEv ev(question.shoe);
        answer.values = ev.Values(question.hand, question.up);
        if (question.up == 1) answer.insurance = ev.Insurance(question.hand);
        return answer;
    });
}

std::string EvLineText(const EvAnswer& answer, int advice) {
    if (!answer.values) return {};
    const strategy::ActionValues& values = *answer.values;
    std::string text =
        "EV for this shoe\n" + Value("H", values.hit) + " " + Value("S", values.stand);
    std::string second;
    if (values.doubleDown) second = Value("D", *values.doubleDown);
    if (values.split) second += (second.empty() ? "" : " ") + Value("P", *values.split);
    if (!second.empty()) text += "\n" + second;
    const std::array<std::pair<int, std::optional<double>>, 4> offered = {
        {{kChartHit, values.hit},
         {kChartStand, values.stand},
         {kChartDouble, values.doubleDown},
         {kChartSplit, values.split}}};
    int best = kChartHit;
    double bestValue = values.hit;
    for (const auto& [code, value] : offered) {
        if (value && *value > bestValue) {
            best = code;
            bestValue = *value;
        }
    }
    if (best != advice) text += "\nShoe: " + std::string(ActionName(best)) + " is best";
    return text;
}

std::string InsuranceEvText(const EvAnswer& answer, bool indexTakes) {
    if (!answer.insurance) return {};
    std::string text = "EV for this shoe\n" + Value("Insurance", *answer.insurance);
    const bool pays = *answer.insurance > 0;
    if (pays != indexTakes) text += pays ? "\nShoe: insurance pays" : "\nShoe: insurance loses";
    return text;
}

}  // namespace vantrel

#pragma once

#include <exception>
#include <future>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "engine/card.h"
#include "engine/table.h"
#include "strategy/hand_ev.h"
#include "strategy/shoe_model.h"

namespace vantrel {

// The exact values of a decision for the cards really left: the student's hand against the up
// card, from a shoe of every card not yet seen with the up card and the hand put back.
struct EvQuestion {
    strategy::ShoeCounts shoe{};
    std::vector<Card> hand;
    int up = 0;
};

struct EvAnswer {
    std::optional<strategy::ActionValues> values;  // given that the dealer has no blackjack
    std::optional<double> insurance;               // against an ace up, per unit insured
};

// The question for the table's current hand.
EvQuestion EvQuestionOf(const Table& table);

// Worked out on a thread of its own; the first question against an up card takes some tens of
// milliseconds.
std::shared_future<EvAnswer> StartEv(EvQuestion question);

// Runs `work` on a thread of its own. Unlike std::async's, the future it gives never waits for
// the work when it is dropped: a result nobody wants any more is simply not looked at.
template <class Work>
auto RunAside(Work work) -> std::shared_future<decltype(work())> {
    std::promise<decltype(work())> promise;
    auto result = promise.get_future().share();
    std::thread([promise = std::move(promise), work = std::move(work)]() mutable {
        try {
            promise.set_value(work());
        } catch (...) {
            promise.set_exception(std::current_exception());
        }
    }).detach();
    return result;
}

// The lines shown under a verdict: the value of each action offered ("H -0.541 S -0.538"), and,
// when the best of them is not `advice` (the chart's code the verdict names), a line saying which
// play this shoe favours.
std::string EvLineText(const EvAnswer& answer, int advice);
// The same for an insurance choice: its value, and a line when its sign disagrees with the index.
std::string InsuranceEvText(const EvAnswer& answer, bool indexTakes);

}  // namespace vantrel

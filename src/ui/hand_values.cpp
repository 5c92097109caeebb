#include "ui/hand_values.h"

namespace vantrel {

HandValues::HandValues() {
    worker_.setMaxThreadCount(1);
    worker_.setExpiryTimeout(-1);
}

HandValues::~HandValues() {
    worker_.waitForDone();
}

void HandValues::Ask(std::vector<Card> hand, int upValue, int decks, Answer answer) {
    const int question = ++asked_;
    worker_.start(
        [this, hand = std::move(hand), upValue, decks, question, answer = std::move(answer)] {
            thread_local strategy::HandEv ev;
            std::optional<strategy::ActionValues> values;
            try {
                values = ev.Values(hand, upValue, decks);
            } catch (...) {
                // Only when memory ran out: the values stay unknown.
            }
            QMetaObject::invokeMethod(
                this,
                [this, question, values, answer] {
                    if (question == asked_) answer(values);
                },
                Qt::QueuedConnection);
        });
}

}  // namespace vantrel

#pragma once

#include <QObject>
#include <QThreadPool>
#include <functional>
#include <optional>
#include <vector>

#include "engine/card.h"
#include "strategy/hand_ev.h"

namespace vantrel {

// Works out the values of a hand's actions away from the screen's thread, so that the screen never
// waits for the calculator: its first question against an up card takes a moment.
class HandValues : public QObject {
  public:
    using Answer = std::function<void(const std::optional<strategy::ActionValues>&)>;

    HandValues();
    // Waits for a question under way.
    ~HandValues() override;

    // Asks for the values (see strategy::HandEv::Values); `answer` runs later on this object's
    // thread, unless another question has been asked meanwhile.
    void Ask(std::vector<Card> hand, int upValue, int decks, Answer answer);

  private:
    // One thread that is kept, with a calculator of its own that remembers what it worked out.
    QThreadPool worker_;
    int asked_ = 0;
};

}  // namespace vantrel

#pragma once

#include <string>
#include <vector>

#include "engine/table_events.h"

namespace vantrel::testing {

// Hears the table's events and writes each as one line ("visit NL5 mode 2 chips 10000 quota 100
// decks 6", "end Menu chips 9995 quota 101", "insurance S10 H08 true 6 taken right stake 10"), and
// keeps the decisions as they came.
class RecordingEvents : public TableEvents {
  public:
    std::vector<std::string> lines;
    std::vector<Decision> decisions;

    void VisitStarted(const VisitStart& visit) override;
    void DecisionJudged(const Decision& decision) override;
    void RoundSettled(const RoundSettlement& round) override;
    void CountAnswered(const CountAnswer& answer) override;
    void VisitEnded(const VisitClose& close) override;
    void InsuranceChosen(const InsuranceChoice& choice) override;

    // The lines that begin with this word ("decision").
    std::vector<std::string> Lines(const std::string& word) const;
};

}  // namespace vantrel::testing

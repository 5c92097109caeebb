#include "strategy/deck_figures.h"

#include <memory>
#include <system_error>

#include "strategy/chart_calculator.h"
#include "strategy/house_edge.h"

namespace vantrel::strategy {

namespace {

struct Calculation {
    int decks = 0;
    std::promise<StrategyTable> chart;
    std::promise<HouseEdges> edges;

    void Run() {
        bool chartSet = false;
        try {
            ChartLab lab(decks);
            const StrategyTable best = ComputeChart(lab).codes;
            chart.set_value(best);
            chartSet = true;
            edges.set_value(
                {HouseEdge(lab, best), HouseEdgeAtFlatBet(lab, best, kTableMinimumBet)});
        } catch (...) {
            // Out of memory: whoever waits learns of it rather than waiting for ever.
            if (!chartSet) chart.set_exception(std::current_exception());
            edges.set_exception(std::current_exception());
        }
    }
};

}  // namespace

std::shared_future<StrategyTable> DeckFigures::BestChart(int decks) {
    return WorkFor(decks).chart;
}

std::shared_future<HouseEdges> DeckFigures::Edges(int decks) {
    return WorkFor(decks).edges;
}

DeckFigures::Work& DeckFigures::WorkFor(int decks) {
    const std::lock_guard lock(mutex_);
    const auto known = work_.find(decks);
    if (known != work_.end()) return known->second;

    auto calculation = std::make_shared<Calculation>();
    calculation->decks = decks;
    Work work{calculation->chart.get_future().share(), calculation->edges.get_future().share(), {}};
    try {
        work.done = std::async(std::launch::async, [calculation] { calculation->Run(); });
    } catch (const std::system_error&) {
        // No thread to be had: worked out here and now, a fraction of a second, once.
        calculation->Run();
    }
    return work_.emplace(decks, std::move(work)).first->second;
}

}  // namespace vantrel::strategy

#include "strategy/chart_lab.h"

namespace vantrel::strategy {

UpCardOdds& ChartLab::Odds(int up) {
    if (!odds_[up]) odds_[up] = std::make_unique<UpCardOdds>(shoe_, up);
    return *odds_[up];
}

}  // namespace vantrel::strategy

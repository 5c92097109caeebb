#include "calc/chart_lab.h"

namespace vantrel::lab {

UpCardOdds& ChartLab::Odds(int up) {
    if (!odds_[up]) odds_[up] = std::make_unique<UpCardOdds>(shoe_, up);
    return *odds_[up];
}

}  // namespace vantrel::lab

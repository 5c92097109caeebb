#pragma once

#include <QPainter>
#include <functional>
#include <string>
#include <vector>

#include "coach/strategy_table.h"

namespace vantrel::art {

// One lecture picture: page `page` of lesson `code`, drawn onto a fresh lecture canvas.
struct LecturePage {
    std::string code;
    int page;
    std::function<void(QPainter&)> draw;
};

std::vector<LecturePage> BlackJackPages();                                // NL1
std::vector<LecturePage> GameRulesPages();                                // NL2 1-10
std::vector<LecturePage> InsurancePages();                                // NL2 11
std::vector<LecturePage> ShoeAndControlsPages();                          // NL2 12-14
std::vector<LecturePage> BasicStrategyPages(const StrategyTable& chart);  // NL4 1-12
std::vector<LecturePage> LuckPages();                                     // NL4 13
std::vector<LecturePage> CountingPages();                                 // PL1 1-5, 7, 9
std::vector<LecturePage> ShoeDepthPages();                                // PL1 6, 8
// The opening and closing pages of the lessons played at the table.
std::vector<LecturePage> TableLessonPages(const StrategyTable& chart);
// The same for the Master Course's table lessons ML2, ML3 and ML6.
std::vector<LecturePage> MasterTableLessonPages();

}  // namespace vantrel::art

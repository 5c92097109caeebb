#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "strategy/master_figures.h"

namespace vantrel::strategy {

// The Master Course's lecture texts name their figures by placeholders, "{win100}", so that no
// number is ever typed into a text: the lecture fills them from the figures for the rules in
// force when it shows the page.

// One figure as a lecture writes it ("-0.46%", "$12.40", "+2"); nothing for a name it does not
// know.
std::optional<std::string> MasterFigure(std::string_view name, const MasterFigures& figures);

// The text with every known placeholder filled; an unknown one is left as written, braces and
// all, so that it shows.
std::string FillMasterText(std::string_view text, const MasterFigures& figures);

// Whether the text names any figure, i.e. cannot be shown before the figures are known.
bool HasPlaceholders(std::string_view text);

// Every placeholder name a lecture may use.
const std::vector<std::string_view>& MasterFigureNames();

// How the course writes numbers: a true count "+2", "0", "-1"; a share of a bet or of rounds
// "+0.46%"/"12.3%"; dollars "$12.40", "-$3.10".
std::string SignedCount(int count);
std::string SignedPercent(double fraction);
std::string Percent(double fraction);
std::string Dollars(double dollars);

// An index play as the lectures name it: "16 v 10", "A7 v 2", "Insurance"; its play in words
// ("STAND"); where it applies ("true +0 or more"); and why, in one sentence, from the kind of
// play it is.
std::string IndexHand(const IndexNumber& number);
std::string PlayWord(char play);
std::string IndexCondition(const IndexNumber& number);
std::string IndexReason(const IndexNumber& number);

// The row of the by-count figures for this true count (the end rows hold every count beyond
// them); nullptr when there are none.
const CountShare* CountRow(const MasterFigures& figures, int trueCount);

}  // namespace vantrel::strategy

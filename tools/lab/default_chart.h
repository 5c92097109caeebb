#pragma once

#include <string>

namespace vantrel::lab {

// The chart a command follows when none is given, found as the trainer finds its data: under the
// current folder first (data/bs4bj.dat in a source tree, bs4bj.dat in a data folder), then in the
// installed data beside the program (../share/vantrel/bs4bj.dat). The first of these when none
// exists, so that the error names it.
std::string DefaultChartPath();

// What --chart's help says of that default.
inline constexpr char kChartOptionHelp[] =
    "the chart file to follow (default data/bs4bj.dat or bs4bj.dat here, else the installed "
    "chart, ../share/vantrel/bs4bj.dat beside the program)";

}  // namespace vantrel::lab

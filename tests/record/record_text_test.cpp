// The words the Record screen and the lab share.
#include <gtest/gtest.h>

#include "record/record_text.h"

namespace vantrel::record {
namespace {

TEST(RecordText, CellLabelsNameTheHandAsTheStudentHoldsIt) {
    const std::pair<ChartCell, const char*> cases[] = {
        {{ChartPart::Hard, 16, 10}, "Hard 16 vs 10"},
        {{ChartPart::Hard, 8, 5}, "Hard 8 or less vs 5"},
        {{ChartPart::Hard, 17, 1}, "Hard 17 or more vs A"},
        {{ChartPart::Soft, 7, 1}, "Soft 18 vs A"},
        {{ChartPart::Soft, 2, 5}, "Soft 13 vs 5"},
        {{ChartPart::Soft, 8, 6}, "Soft 19 or more vs 6"},
        {{ChartPart::Pair, 8, 6}, "Pair of 8s vs 6"},
        {{ChartPart::Pair, 1, 10}, "Pair of aces vs 10"},
    };
    for (const auto& [cell, label] : cases) EXPECT_EQ(CellLabel(cell), label);
}

}  // namespace
}  // namespace vantrel::record

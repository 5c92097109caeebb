// The true count's one rounding, and the shoes at its edges.
#include <gtest/gtest.h>

#include "strategy/count_shoe.h"
#include "strategy/true_count.h"

namespace {

struct TrueCountCase {
    const char* name;
    int runningCount;
    int cardsLeft;
    int trueCount;
};

class TrueCountRounding : public testing::TestWithParam<TrueCountCase> {};

TEST_P(TrueCountRounding, TruncatesTowardZero) {
    const TrueCountCase& row = GetParam();
    EXPECT_EQ(vantrel::strategy::TrueCount(row.runningCount, row.cardsLeft), row.trueCount);
}

INSTANTIATE_TEST_SUITE_P(
    Strategy, TrueCountRounding,
    testing::Values(TrueCountCase{"Zero", 0, 312, 0}, TrueCountCase{"PlusHalf", 1, 104, 0},
                    TrueCountCase{"MinusHalf", -1, 104, 0},
                    TrueCountCase{"JustUnderOne", 102, 5356, 0},
                    TrueCountCase{"ExactlyOne", 6, 312, 1},
                    TrueCountCase{"MinusExactlyOne", -6, 312, -1},
                    TrueCountCase{"PlusTwoPointNine", 29, 520, 2},
                    TrueCountCase{"MinusTwoPointNine", -29, 520, -2},
                    TrueCountCase{"FractionOfADeckLeft", 3, 26, 6},
                    TrueCountCase{"OneCardLeft", 1, 1, 52}, TrueCountCase{"NoCardLeft", 5, 0, 0},
                    TrueCountCase{"LargeCountNoOverflow", 100000, 52, 100000}),
    [](const testing::TestParamInfo<TrueCountCase>& info) { return info.param.name; });

// A shoe at a true count is half the decks (half a deck of one), reads that count wherever whole
// cards allow it (a half deck of one deck moves two at a time), and holds no more of a value than
// the decks do.
TEST(ShoeAtTrueCount, HalfTheShoeReadingTheCount) {
    using namespace vantrel::strategy;
    for (const int decks : {1, 2, 6, 8}) {
        for (int trueCount = -6; trueCount <= 8; ++trueCount) {
            SCOPED_TRACE(std::to_string(decks) + " decks, true " + std::to_string(trueCount));
            const ShoeCounts shoe = ShoeAtTrueCount(decks, trueCount);
            const ShoeCounts full = FullDecks(decks);
            int left = 0;
            int running = 0;  // of the cards dealt: as many high as low cards are left over
            for (int value = 1; value <= 10; ++value) {
                EXPECT_GE(shoe[value], 0);
                EXPECT_LE(shoe[value], full[value]);
                left += shoe[value];
                running += (value >= 2 && value <= 6    ? -1
                            : value == 1 || value == 10 ? 1
                                                        : 0) *
                           shoe[value];
            }
            EXPECT_EQ(left, decks == 1 ? 26 : 26 * decks);
            EXPECT_NEAR(TrueCount(running, left), trueCount, decks == 1 ? 1 : 0);
        }
    }
}

}  // namespace

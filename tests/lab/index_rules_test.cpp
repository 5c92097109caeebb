// Index plays at the table: the decision a hand is named by, the play a rule calls for, and what a
// round would have paid at 3 to 2.
#include "sim/index_rules.h"

#include <gtest/gtest.h>

#include "sim/count_tally.h"
#include "sim/quiet_view.h"

namespace vantrel::lab {
namespace {

struct DealtCase {
    const char* ranks;  // player, hole card, player, up card
    const char* hand;
    const char* up;
};

class IndexRulesAtTheTable : public testing::TestWithParam<DealtCase> {};

// A rule for the dealt decision applies from its index on, and only there.
TEST_P(IndexRulesAtTheTable, NameTheDecisionAndPlayFromTheIndexOn) {
    const DealtCase& c = GetParam();
    QuietView view;
    LessonSetup lesson{.lessonCode = "P",
                       .lessonHasTable = true,
                       .chips = 1000,
                       .lessonMode = LessonMode::FreePlay,
                       .quota = 1,
                       .maxBetSetting = 100};
    Table table(view, lesson);
    table.FormShow();
    std::vector<Card> cards;
    for (const char* rank = c.ranks; *rank; ++rank) {
        const int value = *rank == 'T' ? 10 : *rank == 'K' ? 13 : *rank == 'A' ? 1 : *rank - '0';
        cards.push_back(Card{static_cast<int>(cards.size() % 4) + 1, value});
    }
    table.shoe().StackCards(cards);
    table.l_bet005Click();
    while (table.startTimerRunning()) table.tm_startTimer();
    ASSERT_TRUE(table.actionsEnabled());
    EXPECT_EQ(DecisionHandName(table), c.hand);
    const std::vector<IndexRule> rules = {
        {"12", "2", 'S', true, 3}, {c.hand, c.up, 'D', true, 2}, {c.hand, "A", 'H', false, -1}};
    EXPECT_EQ(IndexAction(rules, table, 2), Action::DoubleDown);
    EXPECT_FALSE(IndexAction(rules, table, 1));
}

INSTANTIATE_TEST_SUITE_P(Hands, IndexRulesAtTheTable,
                         testing::Values(DealtCase{"T969", "16", "9"}, DealtCase{"A776", "A7", "6"},
                                         DealtCase{"8882", "88", "2"}, DealtCase{"TTT5", "TT", "5"},
                                         DealtCase{"T573", "17", "3"}, DealtCase{"A75A", "A5", "A"},
                                         DealtCase{"TTK5", "20", "5"}));

TEST(IndexRules, InsuranceFollowsItsIndexAlone) {
    const std::vector<IndexRule> rules = {{"16", "10", 'S', true, 0}, {"any", "A", 'I', true, 3}};
    EXPECT_FALSE(InsuresAt(rules, 2));
    EXPECT_TRUE(InsuresAt(rules, 3));
}

// A $5 blackjack pays $7 at this table; at 3 to 2 it would pay $7.50. Nothing else changes.
TEST(FullPay, OnlyAPaidBlackjackGainsTheHalfDollar) {
    const struct {
        const char* label;
        const char* result;
        int bet;
        int payout;
        long long halfDollars;
    } rows[] = {{"BJ!", "Win", 5, 12, 15},
                {"BJ!", "Win", 10, 25, 30},
                {"BJ!", "Push", 5, 5, 0},
                {"20", "Win", 5, 10, 10},
                {"BUSTED", "Lose", 5, 0, -10}};
    for (const auto& row : rows) {
        RoundSettlement round{row.bet, row.payout, 1, Card{1, 10}, "19", {}};
        round.results[0] = {row.bet, row.label, row.result, row.payout};
        EXPECT_EQ(FullPayHalfDollars(round), row.halfDollars) << row.label << ' ' << row.bet;
    }
}

}  // namespace
}  // namespace vantrel::lab

#include "chips_ledger.h"

#include <gtest/gtest.h>

namespace vantrel::soak {
namespace {

using Hand = LedgerView::Hand;

LedgerView Betting(int chips, int bet) {
    return {false, chips, {{bet, "", ""}}};
}
LedgerView Playing(int chips, std::vector<Hand> hands) {
    return {true, chips, std::move(hands)};
}

// A ledger that has seen the betting of one $25 chip out of $1000.
class ChipsLedgerTest : public ::testing::Test {
  protected:
    ChipsLedgerTest() {
        EXPECT_EQ(ledger.AfterStep(Betting(1000, 0)), "");
        EXPECT_EQ(ledger.AfterStep(Betting(975, 25)), "");
    }
    ChipsLedger ledger;
};

TEST_F(ChipsLedgerTest, ChipsThatLeaveWithoutAStakeAreAFault) {
    EXPECT_NE(ledger.AfterStep(Betting(970, 25)), "");
}

TEST_F(ChipsLedgerTest, DoublingMovesChipsIntoTheStake) {
    EXPECT_EQ(ledger.AfterStep(Playing(975, {{25, "", "12"}})), "");
    EXPECT_EQ(ledger.AfterEvent(Playing(950, {{50, "", "12"}})), "");
}

struct SettlementRow {
    const char* name;
    std::vector<Hand> hands;
    int chipsAfter;
    bool fault;
};

class Settlement : public ChipsLedgerTest, public ::testing::WithParamInterface<SettlementRow> {};

TEST_P(Settlement, PaysWhatTheShownResultsPay) {
    const SettlementRow& row = GetParam();
    int staked = 0;
    for (const Hand& hand : row.hands) staked += hand.bet;
    std::vector<Hand> playing = row.hands;
    for (Hand& hand : playing) hand.result.clear();
    EXPECT_EQ(ledger.AfterStep(Playing(1000 - staked, playing)), "");
    EXPECT_EQ(ledger.AfterStep(Playing(row.chipsAfter, row.hands)).empty(), !row.fault);
    EXPECT_EQ(ledger.roundsSettled(), row.fault ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Rounds, Settlement,
    ::testing::Values(
        SettlementRow{"PlainWin", {{25, "Win", "20"}}, 1025, false},
        SettlementRow{"BlackjackThreeToTwo", {{25, "Win", "BJ!"}}, 1037, false},
        SettlementRow{"BlackjackPaidAsPlainWin", {{25, "Win", "BJ!"}}, 1025, true},
        SettlementRow{"Push", {{25, "Push", "18"}}, 1000, false},
        SettlementRow{"Loss", {{25, "Lose", "BUSTED"}}, 975, false},
        SettlementRow{"LossPaidBack", {{25, "Lose", "17"}}, 1000, true},
        SettlementRow{"SplitWinAndLoss", {{25, "Win", "19"}, {25, "Lose", "BUSTED"}}, 1000, false},
        SettlementRow{"DoubledWin", {{50, "Win", "21"}}, 1050, false},
        SettlementRow{"OneDollarShort", {{50, "Win", "21"}}, 1049, true}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(ChipsLedgerTest, BeforeTheSettlementStepThePayoutMayBePending) {
    EXPECT_EQ(ledger.AfterEvent(Playing(975, {{25, "Win", "20"}})), "") << "not yet paid";
    EXPECT_EQ(ledger.AfterEvent(Playing(1025, {{25, "Win", "20"}})), "") << "paid";
    EXPECT_NE(ledger.AfterEvent(Playing(1000, {{25, "Win", "20"}})), "") << "neither";
    EXPECT_NE(ledger.AfterStep(Playing(975, {{25, "Win", "20"}})), "")
        << "the settlement's step comes after the payout";
}

TEST_F(ChipsLedgerTest, HalfShownResultsAreNoSettlementYet) {
    const std::vector<Hand> half = {{25, "Win", "20"}, {25, "", "19"}};
    EXPECT_EQ(ledger.AfterEvent(Playing(950, half)), "");
    EXPECT_NE(ledger.AfterEvent(Playing(1000, half)), "") << "paid before all results were shown";
}

TEST_F(ChipsLedgerTest, ChipsStayPutAfterThePayoutUntilTheNextBetting) {
    EXPECT_EQ(ledger.AfterStep(Playing(1025, {{25, "Win", "20"}})), "");
    EXPECT_EQ(ledger.AfterStep(Playing(1025, {{0, "", ""}})), "") << "the table cleared";
    EXPECT_NE(ledger.AfterEvent(Playing(1030, {{0, "", ""}})), "");
    EXPECT_EQ(ledger.AfterStep(Betting(1030, 0)), "") << "a new account with the next betting";
    EXPECT_EQ(ledger.AfterStep(Betting(1025, 5)), "");
}

TEST_F(ChipsLedgerTest, TheNextBettingStartsFromThePayout) {
    EXPECT_EQ(ledger.AfterStep(Playing(1025, {{25, "Win", "20"}})), "");
    EXPECT_EQ(ledger.AfterStep(Playing(1025, {{0, "", ""}})), "");
    EXPECT_EQ(ledger.AfterStep(Betting(1020, 5)), "") << "the first chip of the next round";
    EXPECT_NE(ledger.AfterStep(Betting(1010, 10)), "") << "$5 more left than was staked";
}

TEST_F(ChipsLedgerTest, AFaultIsReportedOnce) {
    EXPECT_NE(ledger.AfterEvent(Playing(900, {{25, "", "12"}})), "");
    EXPECT_EQ(ledger.AfterEvent(Playing(900, {{25, "", "12"}})), "");
}

TEST_F(ChipsLedgerTest, ANewVisitStartsANewAccount) {
    ledger.Forget();
    EXPECT_EQ(ledger.AfterStep(Betting(10000, 0)), "") << "the next lesson's chips";
    EXPECT_EQ(ledger.AfterStep(Betting(9900, 100)), "");
}

TEST(ChipsLedger, NegativeChipsAreAFault) {
    ChipsLedger ledger;
    EXPECT_NE(ledger.AfterEvent(Betting(-5, 0)), "");
}

}  // namespace
}  // namespace vantrel::soak

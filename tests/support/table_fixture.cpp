#include "support/table_fixture.h"

#include <sstream>

#include "engine/table_check.h"

namespace vantrel::testing {

namespace {
int StakedOnTable(const TableState& state) {
    int staked = 0;
    for (int hand = 1; hand <= kMaxHands; ++hand) staked += state.handBet[hand];
    return staked + state.insuranceBet;
}
}  // namespace

StrategyTable ChartOf(int code) {
    StrategyTable chart;
    for (auto& row : chart.hard) row.fill(code);
    for (auto& row : chart.soft) row.fill(code);
    for (auto& row : chart.pair) row.fill(code);
    return chart;
}

TableTest::TableTest() {
    table.SetSeedSource([] { return 20261206u; });
    table.SetStepObserver([this](const Table& t) {
        const std::string fault = CheckTable(t);
        if (!fault.empty()) ADD_FAILURE() << "table inconsistent: " << fault;
        CheckLedger(t);
    });
}

void TableTest::CheckLedger(const Table& t) {
    const TableState& state = t.state();
    const int chips = t.lesson().chips;
    if (chips < 0) ADD_FAILURE() << "chips went negative: " << chips;
    const bool settled = view.Visible(Control::l_p1rslt) && state.handCards[1] > 0;
    if (state.insuranceBet > 0) insuredThisRound_ = state.insuranceBet;
    if (!state.roundActive || chipsBeforeRound_ < 0) {
        // Betting: the stake of the coming round is all that has left the chips.
        chipsBeforeRound_ = chips + StakedOnTable(state);
        return;
    }
    if (!settled) {
        if (chips + StakedOnTable(state) != chipsBeforeRound_)
            ADD_FAILURE() << "chips " << chips << " + stakes " << StakedOnTable(state)
                          << " differ from " << chipsBeforeRound_ << " before the round";
        return;
    }
    int paid = 0;
    for (int hand = 1; hand <= state.handCount; ++hand) {
        const std::string& result = view.Text(ResultLabelControl(hand));
        const int bet = state.handBet[hand];
        if (result == "Win")
            paid += view.Text(HandLabelControl(hand)) == "BJ!" ? bet + bet * 3 / 2 : 2 * bet;
        else if (result == "Push")
            paid += bet;
    }
    // The insurance was paid and cleared as the round settled: it took its stake and, against a
    // dealer's blackjack, paid 2 to 1.
    const int insured = insuredThisRound_;
    insuredThisRound_ = 0;
    if (view.Text(Control::l_dhand) == "BJ!") paid += 3 * insured;
    const int expected = chipsBeforeRound_ - StakedOnTable(state) - insured + paid;
    if (chips != expected)
        ADD_FAILURE() << "after settlement chips are " << chips << ", the results pay " << expected;
    chipsBeforeRound_ = -1;  // the table is cleared next: start again from what is left
}

void TableTest::Open(LessonMode mode, int chips, int quota, int maxBet) {
    if (lesson.lessonCode.empty()) lesson.lessonCode = "NL3";
    lesson.lessonHasTable = true;
    lesson.lessonMode = mode;
    lesson.chips = chips;
    lesson.quota = quota;
    lesson.maxBetSetting = maxBet;
    table.FormShow();
    chipsBeforeRound_ = -1;
}

void TableTest::Stack(std::string_view codes) {
    std::vector<Card> cards;
    std::istringstream in{std::string(codes)};
    for (std::string code; in >> code;) cards.push_back(Card::FromCode(code));
    table.shoe().StackCards(cards);
}

void TableTest::Play(std::string_view cards, std::string_view actions,
                     std::initializer_list<int> chips) {
    // The deal takes the player's first card, the hole card, the player's second, the up card.
    std::istringstream in{std::string(cards)};
    std::string player1, player2, hole, up, more;
    in >> player1 >> player2 >> hole >> up;
    std::getline(in, more);
    Stack(player1 + " " + hole + " " + player2 + " " + up + more);
    for (int amount : chips) {
        if (amount == 5) table.l_bet005Click();
        if (amount == 25) table.l_bet025Click();
        if (amount == 100) table.l_bet100Click();
    }
    for (int tick = 0; tick < 100 && table.startTimerRunning(); ++tick) table.tm_startTimer();
    Press(actions);
}

void TableTest::Press(std::string_view actions) {
    for (char action : actions) {
        if (action == 'h') table.bbtn_hitClick();
        if (action == 's') table.bbtn_standClick();
        if (action == 'd') table.bbtn_doubleClick();
        if (action == 'p') table.bbtn_splitClick();
    }
}

void TableTest::Tick(int times) {
    for (int i = 0; i < times; ++i) table.tm_startTimer();
}

std::vector<std::string> TableTest::HandCodes(int hand) const {
    std::vector<std::string> codes;
    for (int position = 1; position <= kHandSlots; ++position)
        if (view.slotVisible[PlayerSlot(hand, position)])
            codes.push_back(view.slotPicture[PlayerSlot(hand, position)]);
    return codes;
}

std::vector<std::string> TableTest::DealerCodes() const {
    std::vector<std::string> codes;
    for (int position = 1; position <= kHandSlots; ++position)
        if (view.slotVisible[DealerSlot(position)])
            codes.push_back(view.slotPicture[DealerSlot(position)]);
    return codes;
}

}  // namespace vantrel::testing

#include "engine/table.h"

#include <array>
#include <bit>
#include <charconv>
#include <ctime>

namespace vantrel {

std::string_view ControlName(Control control) {
    static constexpr std::array<std::string_view, static_cast<int>(Control::Count)> kNames = {
        "l_dhand",  "l_p1hand",    "l_p2hand",    "l_p3hand",    "l_p4hand",  "l_p1rslt",
        "l_p2rslt", "l_p3rslt",    "l_p4rslt",    "l_bet",       "l_chip",    "l_norm",
        "l_maxbet", "img_chip005", "img_chip025", "img_chip100", "l_bet005",  "l_bet025",
        "l_bet100", "img_bet005",  "img_bet025",  "img_bet100",  "s_timeout", "l_timeout",
        "s_dmsg",   "l_dmsg",      "s_pmsg",      "l_pmsg",      "bbtn_menu"};
    return kNames[static_cast<int>(control)];
}

Table::Table(TableView& view, LessonSetup& lesson)
    : view_(view),
      shown_(view.ShowsTable()),
      lesson_(lesson),
      seedSource_([] { return static_cast<std::uint32_t>(std::time(nullptr)); }) {}

void Table::SetSeedSource(std::function<std::uint32_t()> seedSource) {
    seedSource_ = std::move(seedSource);
}

void Table::SetStepObserver(std::function<void(const Table&)> observer) {
    stepObserver_ = std::move(observer);
}

void Table::StopFlows() {
    ++visit_;
    SetStartTimer(false);
}

void Table::EndVisit(VisitEnd how) {
    StopFlows();
    if (!visitOpen_) return;
    visitOpen_ = false;
    if (events_) events_->VisitEnded({how, lesson_.chips, state_.quotaLeft});
}

int Table::Ask(std::string_view text) {
    DisarmGesture();
    const std::uint64_t visit = visit_;
    const int answer = view_.ShowMessageBox(text);
    if (visit != visit_) throw VisitEnded{};
    return answer;
}

int Table::AskCountPoint() {
    DisarmGesture();
    const std::uint64_t visit = visit_;
    const int answer = view_.AskCountPoint();
    if (visit != visit_) throw VisitEnded{};
    return answer;
}

void Table::ShowDealerMessage(std::string_view text) {
    ShowControl(Control::s_dmsg, true);
    view_.SetText(Control::l_dmsg, text);
    ShowControl(Control::l_dmsg, true);
    Wait(2000);
    ShowControl(Control::l_dmsg, false);
    ShowControl(Control::s_dmsg, false);
}

void Table::ShowPlayerMessage(std::string_view text, int ms) {
    ShowControl(Control::s_pmsg, true);
    view_.SetText(Control::l_pmsg, text);
    ShowControl(Control::l_pmsg, true);
    Wait(ms);
    ShowControl(Control::l_pmsg, false);
    ShowControl(Control::s_pmsg, false);
}

void Table::EnableActions(bool on) {
    actionsEnabled_ = on;
    if (shown_) view_.EnableActions(on);
    if (on && coaching_) coaching_->DecisionAwaited();
}

void Table::SetMoneyText(Control control, int amount) {
    if (!shown_) return;
    char text[16] = {'$'};
    const auto end = std::to_chars(text + 1, text + sizeof text, amount).ptr;
    view_.SetText(control, std::string_view(text, end - text));
}

void Table::MoveCardSlot(int from, int to) {
    const CardSlot& source = slots_[from];
    CardSlot& target = slots_[to];
    target.card = source.card;
    target.picture = source.picture;
    target.pictureCard = source.pictureCard;
    ShowPicture(to);
    ShowSlot(to);
}

void Table::ClearTable() {
    // Only the slots not yet hidden: the others hold no card and show nothing (see ShowSlot).
    constexpr std::uint64_t kAllSlots = (std::uint64_t{1} << kSlotCount) - 1;
    const std::uint64_t used = kAllSlots & ~slotsHiddenOnScreen_;
    slotsHiddenOnScreen_ = kAllSlots;
    for (std::uint64_t left = used; left != 0; left &= left - 1) {
        const int slot = std::countr_zero(left);
        slots_[slot].card = Card{};
        slots_[slot].visible = false;
        if (shown_) view_.SetSlotVisible(slot, false);
    }
    state_.dealerCards = 0;
    state_.dealerTotal = 0;
    state_.currentHand = 1;
    state_.handCount = 1;
    state_.handCards = {};
    state_.handTotal = {};
    state_.handBet = {};
    // An offer still open belongs to a round cut short by leaving the table: gone with it.
    if (state_.insuranceOpen && shown_) view_.OfferInsurance(false);
    state_.insuranceOpen = false;
    state_.insuranceBet = 0;
    if (shown_) HideRoundLabels();
    ShowTray();
    Step();
}

void Table::HideRoundLabels() {
    ShowText(Control::l_bet, "");
    for (Control stack : {Control::img_bet005, Control::img_bet025, Control::img_bet100})
        ShowControl(stack, false);
    ShowControl(Control::l_dhand, false);
    for (int hand = 1; hand <= kMaxHands; ++hand) {
        ShowControl(HandLabelControl(hand), false);
        ShowControl(ResultLabelControl(hand), false);
    }
}

void Table::ShuffleShoe() {
    shoeReady_ = false;
    ShowDealerMessage("Shuffling...");
    state_.gestureArmed = false;
    shoe_.Refill(rules.deck, rules.playper);
    ShowTray();
    shoeReady_ = true;
    Step();
    ShowDealerMessage("Bet your chips.");
}

}  // namespace vantrel

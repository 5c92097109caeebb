#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string_view>

#include "engine/action.h"
#include "engine/lesson_setup.h"
#include "engine/master_checks.h"
#include "engine/random.h"
#include "engine/shoe.h"
#include "engine/table_events.h"
#include "engine/table_state.h"
#include "engine/table_view.h"

namespace vantrel {

// The table rules the settings file holds.
struct TableRules {
    int deck = 6;
    int playper = 60;
    int gamespeed = 3;
};

// The lesson's checks that the coach plugs into the table.
class Coaching {
  public:
    virtual ~Coaching() = default;
    // Judges every accepted decision before it is carried out; aloud, moving the quota, only in
    // the strategy lesson.
    virtual void CheckDecision(Action action) = 0;
    // Asks for the running count during settlement (counting lesson).
    virtual void CountCheck() = 0;
    // The Master Course's: before a round's cards are dealt (the coach may place them), when the
    // table waits for the student's decision, and when an insurance offer is answered.
    virtual void ArrangeDeal() {}
    virtual void DecisionAwaited() {}
    virtual void CheckInsurance(bool taken) { (void)taken; }
};

// Thrown out of a wait when the table was left while waiting: the flow that waited stops there
// and changes nothing more. Caught where the screen's events enter the table.
struct VisitEnded {};

// The practice table: shoe, round flow, actions, settlement, chips and bets. Its handlers are
// named after the screen events that run them.
class Table {
  public:
    Table(TableView& view, LessonSetup& lesson);

    TableRules rules;

    void SetCoaching(Coaching* coaching) { coaching_ = coaching; }
    // The Master Course's checks; none by default, and the other courses never call them.
    void SetMasterChecks(MasterChecks* checks) { masterChecks_ = checks; }
    // Who hears what happens at the table (the student's record); none by default.
    void SetEvents(TableEvents* events) { events_ = events; }
    TableEvents* events() const { return events_; }
    // Where SetUpTable takes its seed from; the clock by default.
    void SetSeedSource(std::function<std::uint32_t()> seedSource);
    // Called after every engine step, e.g. to check the table's consistency.
    void SetStepObserver(std::function<void(const Table&)> observer);

    // Screen events.
    void FormShow() {
        Handle([this] { SetUpTable(); });
    }
    void l_bet005Click() {
        Handle([this] { BetChip(5, Control::img_bet005); });
    }
    void l_bet025Click() {
        Handle([this] { BetChip(25, Control::img_bet025); });
    }
    void l_bet100Click() {
        Handle([this] { BetChip(100, Control::img_bet100); });
    }
    // One tick of the betting countdown. A tick that only counts down on a screen nobody sees,
    // which is all but one of a simulated round's ticks, is done here, inline.
    void tm_startTimer() {
        if (!shown_ && startTimerRunning_ && state_.countdown > 1) {
            --state_.countdown;
            return;
        }
        CountdownTick();
    }
    void bbtn_hitClick();
    void bbtn_standClick();
    void bbtn_doubleClick();
    void bbtn_splitClick();
    void bbtn_menuClick();
    // Takes the insurance offered against an ace up (Master Course tables only).
    void bbtn_insuranceClick();
    // A press on the bare table surface arms a gesture; the release that follows it may act.
    void FormMouseDown(int x, int y);
    void FormMouseUp(int x, int y);
    void FormDblClick() { bbtn_doubleClick(); }
    // A press anywhere else, or a question opening, comes between a press and its release: the
    // release that reaches the table later is not that press's, so it must not act.
    void DisarmGesture() { state_.gestureArmed = false; }

    // The table is left (menu, lesson over, program quitting): the countdown stops and any flow
    // still waiting stops when its wait returns. Told to the events once per visit.
    void EndVisit(VisitEnd how);

    // What the table shows and holds.
    const TableState& state() const { return state_; }
    TableState& state() { return state_; }
    const CardSlot& slot(int index) const { return slots_[index]; }
    const Shoe& shoe() const { return shoe_; }
    Shoe& shoe() { return shoe_; }
    Random& random() { return random_; }
    TableView& view() { return view_; }
    const LessonSetup& lesson() const { return lesson_; }
    bool actionsEnabled() const { return actionsEnabled_; }
    bool menuEnabled() const { return menuEnabled_; }
    bool startTimerRunning() const { return startTimerRunning_; }

    // Waits through the screen; throws VisitEnded if the table was left meanwhile. A view that
    // nobody sees is not waited for.
    void Wait(int ms) {
        if (!shown_) return;
        const std::uint64_t visit = visit_;
        view_.Delay(ms);
        if (visit != visit_) throw VisitEnded{};
    }
    // A modal message box; throws VisitEnded if the table was left while it was open.
    int Ask(std::string_view text);
    // The count-point dialog; throws VisitEnded if the table was left while it was open.
    int AskCountPoint();
    // The keypad asking for the true count; throws VisitEnded as AskCountPoint does.
    int AskTrueCount();
    void ShowDealerMessage(std::string_view text);
    void ShowPlayerMessage(std::string_view text, int ms);

    // The current hand holds two cards of the same rank and is hand 1, 2 or 3. Asked at every
    // decision the chart judges, so inline.
    bool IsMatchingPair() const {
        const int hand = state_.currentHand;
        return hand >= 1 && hand <= 3 && state_.handCards[hand] == 2 &&
               slots_[PlayerSlot(hand, 1)].rank() == slots_[PlayerSlot(hand, 2)].rank();
    }
    // The pair card's value (1 for aces, 10 for tens and court cards), or 0 when no pair.
    int PairValue() const {
        if (!IsMatchingPair()) return 0;
        return std::min(slots_[PlayerSlot(state_.currentHand, 1)].rank(), 10);
    }

    // Engine operations, in the order a visit uses them.
    void SetUpTable();
    void ShowQuota();
    void ShuffleShoe();
    void ClearTable();
    void ShowChips();
    bool PlaceBet(int amount, int hand, bool checkMax);
    void BetChip(int amount, Control stackImage);
    void DealRound();
    void HitCurrentHand();
    void DealSplitHandSecondCard();
    // Moves on after an action; true when the round is over (dealer played, round settled).
    bool AfterAction(Action action);
    void PlayDealer();
    void SettleRound();
    void EnableActions(bool on);
    // Whether this round offers insurance: an ace up at a Master Course table.
    bool OffersInsurance() const;
    void MoveCardSlot(int from, int to);
    void ClearCardSlot(int slot) {
        slots_[slot].card = Card{};
        slots_[slot].visible = false;
        const std::uint64_t bit = std::uint64_t{1} << slot;
        if (slotsHiddenOnScreen_ & bit) return;
        slotsHiddenOnScreen_ |= bit;
        if (shown_) view_.SetSlotVisible(slot, false);
    }

  private:
    // Deals a card into a slot, adding it to a hand's cards and total. It runs for every card dealt
    // and is inlined into the round's few steps that deal (round_flow.cpp), which saves a call
    // frame a card.
    [[gnu::always_inline]] inline void DealCard(int slot, int& cards, bool faceUp, int& total);
    template <class Body>
    void Handle(Body&& body) {
        try {
            body();
        } catch (const VisitEnded&) {
            // The table was left while this event's flow waited: nothing more to do.
        }
    }

    void CountdownTick();
    // The four actions share one frame: guards, refusals, judgement, the action, what follows.
    void RunAction(Action action);
    // The first refusal that applies to the action, or an empty text when it is allowed.
    std::string_view Refusal(Action action) const;
    void CarryOut(Action action);
    void Split();
    void TurnHoleCardUp();
    void OpenInsurance();
    void TakeInsurance();
    // Ends the insurance offer, taken or not; the dealer then peeks. True when the dealer has
    // blackjack and the round has been settled.
    bool CloseInsurance(bool taken);
    // What the insurance bet pays back at settlement, its stake included; the bet is then gone.
    int SettleInsurance(bool dealerBlackjack);
    int IdleCountdown() const;
    // A hand of split aces is finished with its second card unless that card is another ace.
    bool IsFinishedSplitAce(int hand) const;
    void SetHandLabelText(int hand);
    // The bet, its chip stacks and the hand, dealer and result labels of the round just cleared.
    void HideRoundLabels();
    // Shows or hides a control, unless the screen already has it so: the engine is the only one
    // that shows and hides them, so it knows, and a round would otherwise repeat some thirty of
    // these calls (the chips, the countdown disc, the labels it clears) without changing a thing.
    void ShowControl(Control control, bool visible) {
        if (!shown_) return;
        auto& shown = controlShown_[static_cast<int>(control)];
        if (shown == static_cast<std::int8_t>(visible)) return;
        shown = static_cast<std::int8_t>(visible);
        view_.SetVisible(control, visible);
    }
    // Makes a slot visible, in the record and on the screen.
    void ShowSlot(int slot) {
        slots_[slot].visible = true;
        slotsHiddenOnScreen_ &= ~(std::uint64_t{1} << slot);
        if (shown_) view_.SetSlotVisible(slot, true);
    }
    // Shows the face or the back the slot's record holds, on a screen someone sees.
    void ShowPicture(int slot) {
        if (!shown_) return;
        const CardSlot& target = slots_[slot];
        if (target.picture == CardSlot::Picture::Face) view_.ShowCardFace(slot, target.pictureCard);
        if (target.picture == CardSlot::Picture::Back) view_.ShowCardBack(slot);
    }
    // Sets a label's text on a screen someone sees.
    void ShowText(Control control, std::string_view text) {
        if (shown_) view_.SetText(control, text);
    }
    void SetMoneyText(Control control, int amount);
    void SetStartTimer(bool running);
    // The countdown disc with the seconds left, or hidden.
    void ShowCountdown(bool visible);
    static constexpr std::array<std::int8_t, static_cast<int>(Control::Count)> UnknownControls() {
        std::array<std::int8_t, static_cast<int>(Control::Count)> unknown{};
        unknown.fill(-1);
        return unknown;
    }
    void Step() {
        if (stepObserver_) stepObserver_(*this);
    }
    // Stops whatever flow of the current visit still waits.
    void StopFlows();
    // The Master Course's end of a round, once its cards are in the tray: the true-count
    // question, and at the cut the exam's shoe count and the shuffle.
    void AfterMasterRound();
    // The discard tray as the shoe stands: shown in the Master Course only.
    void ShowTray();

    TableView& view_;
    // Whether anyone sees the view (TableView::ShowsTable), asked once.
    const bool shown_;
    LessonSetup& lesson_;
    Coaching* coaching_ = nullptr;
    MasterChecks* masterChecks_ = nullptr;
    TableEvents* events_ = nullptr;
    std::function<std::uint32_t()> seedSource_;
    std::function<void(const Table&)> stepObserver_;

    TableState state_;
    // The round being settled, as told to the events.
    RoundSettlement settlement_{};
    std::array<CardSlot, kSlotCount> slots_{};
    // Slots this table has cleared and hidden on the screen and not shown since (bit = slot
    // number). A slot gets a card only together with ShowSlot, so these hold no card either:
    // clearing them again would change nothing, and ClearTable passes them by.
    std::uint64_t slotsHiddenOnScreen_ = 0;
    // Whether the screen shows each control: 1 shown, 0 hidden, -1 not yet known.
    std::array<std::int8_t, static_cast<int>(Control::Count)> controlShown_ = UnknownControls();
    static_assert(kSlotCount <= 64, "one bit a slot in slotsHiddenOnScreen_");
    Shoe shoe_;
    Random random_;
    bool actionsEnabled_ = false;
    bool menuEnabled_ = true;
    bool startTimerRunning_ = false;
    // False from the start of a shuffle until the shoe has been refilled: no deal meanwhile.
    bool shoeReady_ = false;
    // Counts visits to the table, so a flow can tell that the table was left while it waited.
    std::uint64_t visit_ = 0;
    // A visit was started and has not been ended yet.
    bool visitOpen_ = false;
};

}  // namespace vantrel

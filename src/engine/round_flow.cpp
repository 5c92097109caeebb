// The course of a round: the deal, moving from hand to hand, the dealer's play.
#include <algorithm>

#include "engine/hand.h"
#include "engine/table.h"

namespace vantrel {

void Table::DealCard(int slot, int& cards, bool faceUp, int& total) {
    Wait(300);
    const Card card = shoe_.DrawCard(random_);
    total += CardValue(card.rank);
    CardSlot& target = slots_[slot];
    target.picture = faceUp ? CardSlot::Picture::Face : CardSlot::Picture::Back;
    if (faceUp) target.pictureCard = card;
    ShowPicture(slot);
    ShowSlot(slot);
    target.card = card;
    shoe_.Count(card);
    ++cards;
    Step();
}

void Table::DealRound() {
    state_.roundActive = true;
    if (masterChecks_ && lesson_.IsMaster()) masterChecks_->CheckBet();
    ++shoe_.roundsSinceShuffle;
    if (coaching_) coaching_->ArrangeDeal();
    DealCard(PlayerSlot(1, 1), state_.handCards[1], true, state_.handTotal[1]);
    DealCard(DealerSlot(1), state_.dealerCards, false, state_.dealerTotal);
    DealCard(PlayerSlot(1, 2), state_.handCards[1], true, state_.handTotal[1]);
    DealCard(DealerSlot(2), state_.dealerCards, true, state_.dealerTotal);
    state_.dealerUpValue = std::min(slots_[DealerSlot(2)].rank(), 10);

    const HandLabel dealer(state_.dealerTotal, state_.dealerCards, 1);
    ShowText(Control::l_dhand, dealer.text());
    SetHandLabelText(1);
    const bool playerBlackjack =
        HandLabel(state_.handTotal[1], state_.handCards[1], state_.handCount).IsBlackjack();
    // Insurance comes before the peek: the dealer looks once the student has chosen.
    if (!playerBlackjack && OffersInsurance()) {
        OpenInsurance();
        EnableActions(true);
        return;
    }
    // The dealer checks for blackjack whatever the up card.
    if (dealer.IsBlackjack() || playerBlackjack) {
        TurnHoleCardUp();
        SettleRound();
        return;
    }
    EnableActions(true);
}

void Table::TurnHoleCardUp() {
    CardSlot& hole = slots_[DealerSlot(1)];
    hole.picture = CardSlot::Picture::Face;
    hole.pictureCard = hole.card;
    ShowPicture(DealerSlot(1));
}

void Table::SetHandLabelText(int hand) {
    if (!shown_) return;
    const HandLabel label(state_.handTotal[hand], state_.handCards[hand], state_.handCount);
    view_.SetText(HandLabelControl(hand), label.text());
}

void Table::HitCurrentHand() {
    const int hand = state_.currentHand;
    const int position = std::min(state_.handCards[hand] + 1, kHandSlots);
    DealCard(PlayerSlot(hand, position), state_.handCards[hand], true, state_.handTotal[hand]);
    SetHandLabelText(hand);
}

void Table::DealSplitHandSecondCard() {
    const int hand = state_.currentHand;
    if (hand < 2) return;
    DealCard(PlayerSlot(hand, 2), state_.handCards[hand], true, state_.handTotal[hand]);
    SetHandLabelText(hand);
}

bool Table::IsFinishedSplitAce(int hand) const {
    return state_.handCount >= 2 && slots_[PlayerSlot(hand, 1)].rank() == 1 &&
           state_.handTotal[hand] != 202;
}

bool Table::AfterAction(Action action) {
    // Whether the current hand may still be open: a hit ends it only on BJ!, BUSTED or 21; a
    // split hand ends at once when it is of split aces; a stand or a double always ends it.
    bool test = action == Action::Hit ||
                (action == Action::Split && !IsFinishedSplitAce(state_.currentHand));
    bool roundOver = false;
    for (;;) {
        const bool done = !test || IsFinishedLabel(HandLabel(state_.handTotal[state_.currentHand],
                                                             state_.handCards[state_.currentHand],
                                                             state_.handCount));
        if (!done) break;
        if (state_.currentHand < state_.handCount) {
            ++state_.currentHand;
            DealSplitHandSecondCard();
            // Every hand of split aces gets one card, however play reached it.
            test = !IsFinishedSplitAce(state_.currentHand);
            continue;
        }
        roundOver = true;
        break;
    }
    if (roundOver) {
        PlayDealer();
        SettleRound();
    }
    return roundOver;
}

void Table::PlayDealer() {
    TurnHoleCardUp();
    bool draw = !DealerStands(state_.dealerTotal);
    bool allBusted = true;
    for (int hand = 1; hand <= kMaxHands; ++hand) {
        if (state_.handCards[hand] < 1) continue;
        if (!HandLabel(state_.handTotal[hand], state_.handCards[hand], state_.handCount).IsBusted())
            allBusted = false;
    }
    if (allBusted) draw = false;
    while (draw) {
        const int position = std::min(state_.dealerCards + 1, kHandSlots);
        DealCard(DealerSlot(position), state_.dealerCards, true, state_.dealerTotal);
        draw = !DealerStands(state_.dealerTotal);
    }
    if (shown_)
        view_.SetText(Control::l_dhand,
                      HandLabel(state_.dealerTotal, state_.dealerCards, 1).text());
}

}  // namespace vantrel

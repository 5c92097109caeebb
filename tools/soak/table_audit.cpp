#include "table_audit.h"

#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <cstdio>

#include "app/data_paths.h"
#include "engine/table.h"
#include "engine/table_check.h"
#include "shown_results.h"
#include "ui/mdi.h"
#include "ui/practical.h"
#include "ui/quitting.h"

namespace vantrel::soak {

namespace {

constexpr int kFaultsPrinted = 5;

std::string SlotName(int slot) {
    if (slot < kHandSlots) return "img_d" + std::to_string(slot + 1);
    return "img_p" + std::to_string(slot / kHandSlots) + "_" +
           std::to_string(slot % kHandSlots + 1);
}

std::string Money(int amount) {
    return "$" + std::to_string(amount);
}

// The chips offered beside each other: a chip is shown while it and the smaller ones can be paid.
struct ChipOffer {
    const char* image;
    const char* label;
    int threshold;
};
constexpr ChipOffer kChipOffers[] = {{"img_chip005", "l_bet005", 5},
                                     {"img_chip025", "l_bet025", 30},
                                     {"img_chip100", "l_bet100", 130}};

}  // namespace

TableAudit::TableAudit(Tf_mdi& frame, Tf_practical& screen, const std::string& appDir)
    : frame_(frame), screen_(screen), table_(screen.table()) {
    for (int slot = 0; slot < kSlotCount; ++slot)
        slots_[slot] = screen_.findChild<QLabel*>(QString::fromStdString(SlotName(slot)));
    int i = 0;
    for (const char* name : {"bbtn_hit", "bbtn_stand", "bbtn_double", "bbtn_split"})
        actions_[i++] = screen_.findChild<QPushButton*>(name);
    menu_ = screen_.findChild<QPushButton*>("bbtn_menu");
    // Every visit starts a new account: the lesson button before it may have set new chips.
    if (auto* stack = frame_.findChild<QStackedWidget*>())
        visits_ = QObject::connect(stack, &QStackedWidget::currentChanged, [this, stack] {
            if (stack->currentWidget() == &screen_) ledger_.Forget();
        });

    references_.emplace_back("back",
                             QPixmap(QString::fromStdString(CardBackPath(appDir))).toImage());
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 1; rank <= 13; ++rank) {
            const std::string code = Card{suit, rank}.code();
            references_.emplace_back(
                code, QPixmap(QString::fromStdString(CardFacePath(appDir, code))).toImage());
        }
}

TableAudit::~TableAudit() {
    QObject::disconnect(visits_);
}

void TableAudit::Audit(bool atStep) {
    // Quitting stops the countdown and leaves the rest as it was: nothing to judge any more.
    if (IsApplicationQuitting()) return;
    std::string fault = CheckTable(table_);
    if (frame_.CurrentScreen() == &screen_) {
        const LedgerView view = ReadLedger();
        const std::string ledgerFault = atStep ? ledger_.AfterStep(view) : ledger_.AfterEvent(view);
        const std::string screenFault = CheckScreen();
        for (const std::string* more : {&ledgerFault, &screenFault})
            if (!more->empty()) fault += (fault.empty() ? "" : "; ") + *more;
    }
    Report(fault, atStep);
}

LedgerView TableAudit::ReadLedger() const {
    const TableState& state = table_.state();
    LedgerView view{state.roundActive, table_.lesson().chips, {}};
    for (int hand = 1; hand <= std::min(state.handCount, kMaxHands); ++hand) {
        const auto* result = screen_.findChild<QLabel*>(QString("l_p%1rslt").arg(hand));
        const auto* label = screen_.findChild<QLabel*>(QString("l_p%1hand").arg(hand));
        view.hands.push_back({state.handBet[hand],
                              result->isHidden() ? std::string() : result->text().toStdString(),
                              label->text().toStdString()});
    }
    return view;
}

std::string TableAudit::CheckScreen() {
    std::string fault = CheckSlots();
    if (fault.empty()) fault = CheckResults();
    if (fault.empty()) fault = CheckMoney();
    if (!fault.empty()) return fault;
    for (const QPushButton* action : actions_)
        if (action->isEnabled() != table_.actionsEnabled())
            return action->objectName().toStdString() +
                   (action->isEnabled() ? " is enabled" : " is disabled") +
                   " against the engine's actions";
    if (table_.actionsEnabled() && (!table_.state().roundActive || table_.state().countCheckActive))
        return "actions are enabled outside a round's play";
    if (table_.startTimerRunning() && table_.state().roundActive)
        return "the betting countdown runs during a round";
    if (!screen_.findChild<QWidget*>("s_timeout")->isHidden() && !table_.startTimerRunning())
        return "the countdown disc is shown while the countdown is stopped";
    if (menu_->isEnabled() != table_.menuEnabled())
        return std::string("bbtn_menu is ") + (menu_->isEnabled() ? "enabled" : "disabled") +
               " against the engine";
    return {};
}

std::string TableAudit::CheckSlots() {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const CardSlot& held = table_.slot(slot);
        const bool shown = !slots_[slot]->isHidden();
        if (shown != held.visible)
            return SlotName(slot) + (shown ? " is shown over an empty slot"
                                           : " is hidden though it holds " + held.code());
        if (!held.visible) continue;
        if (held.picture == CardSlot::Picture::Back && slot != DealerSlot(1))
            return SlotName(slot) + " lies face down; only the hole card may";
        if (held.picture == CardSlot::Picture::Face && held.pictureCard != held.card)
            return SlotName(slot) + " shows " + held.pictureCard.code() + " but holds " +
                   held.code();
        const std::string expected =
            held.picture == CardSlot::Picture::Face ? held.pictureCard.code() : "back";
        const std::string onScreen = PictureName(slots_[slot]->pixmap());
        if (onScreen != expected)
            return SlotName(slot) + " shows the picture " + onScreen + " for " + expected;
    }
    return {};
}

std::string TableAudit::CheckResults() const {
    const QString dealer = screen_.findChild<QLabel*>("l_dhand")->text();
    for (int hand = 1; hand <= kMaxHands; ++hand) {
        const auto* result = screen_.findChild<QLabel*>(QString("l_p%1rslt").arg(hand));
        if (result->isHidden()) continue;
        const std::string name = "hand " + std::to_string(hand);
        if (table_.state().handCards[hand] < 1) return name + " shows a result without cards";
        if (table_.slot(DealerSlot(1)).picture != CardSlot::Picture::Face)
            return name + " shows a result while the hole card is face down";
        const std::string label =
            screen_.findChild<QLabel*>(QString("l_p%1hand").arg(hand))->text().toStdString();
        const std::optional<std::string> expected = ExpectedResult(label, dealer.toStdString());
        if (expected != result->text().toStdString())
            return name + " \"" + label + "\" against the dealer's \"" + dealer.toStdString() +
                   "\" shows \"" + result->text().toStdString() + "\"";
    }
    return {};
}

std::string TableAudit::CheckMoney() const {
    const int chips = table_.lesson().chips;
    const std::string chipText = screen_.findChild<QLabel*>("l_chip")->text().toStdString();
    if (chipText != Money(chips)) return "l_chip shows " + chipText + " for " + Money(chips);
    int staked = 0;
    for (int hand = 1; hand <= kMaxHands; ++hand) staked += table_.state().handBet[hand];
    const std::string betText = screen_.findChild<QLabel*>("l_bet")->text().toStdString();
    if (betText != (staked > 0 ? Money(staked) : ""))
        return "l_bet shows \"" + betText + "\" for stakes of " + Money(staked);
    for (const ChipOffer& offer : kChipOffers) {
        const bool offered = chips >= offer.threshold;
        for (const char* name : {offer.image, offer.label})
            if (screen_.findChild<QWidget*>(name)->isHidden() == offered)
                return std::string(name) + (offered ? " is hidden" : " is offered") + " with " +
                       Money(chips);
    }
    return {};
}

std::string TableAudit::PictureName(const QPixmap& picture) {
    if (picture.isNull()) return "none";
    const auto known = pictureNames_.find(picture.cacheKey());
    if (known != pictureNames_.end()) return known->second;
    const QImage image = picture.toImage();
    std::string name = "?";
    for (const auto& [reference, referenceImage] : references_)
        if (referenceImage == image) name = reference;
    pictureNames_.emplace(picture.cacheKey(), name);
    return name;
}

std::string TableAudit::DescribeTable() const {
    const TableState& state = table_.state();
    std::string text =
        "lesson " + table_.lesson().lessonCode + ", chips " + Money(table_.lesson().chips) +
        (state.roundActive ? ", round active" : ", betting") +
        (state.countCheckActive ? ", count check" : "") + ", hand " +
        std::to_string(state.currentHand) + " of " + std::to_string(state.handCount) + ", bets";
    for (int hand = 1; hand <= kMaxHands; ++hand) text += " " + std::to_string(state.handBet[hand]);
    const auto cards = [this](int first) {
        std::string codes;
        for (int slot = first; slot < first + kHandSlots; ++slot)
            if (table_.slot(slot).visible) codes += " " + table_.slot(slot).code();
        return codes;
    };
    text += "; dealer" + cards(DealerSlot(1));
    for (int hand = 1; hand <= state.handCount && hand <= kMaxHands; ++hand)
        text += "; hand " + std::to_string(hand) + cards(PlayerSlot(hand, 1));
    return text;
}

void TableAudit::Report(const std::string& fault, bool atStep) {
    if (fault.empty() || fault == lastFault_) {
        lastFault_ = fault;
        return;
    }
    lastFault_ = fault;
    if (++violations_ <= kFaultsPrinted) {
        std::printf("violation: %s (%s); table: %s%s%s\n", fault.c_str(),
                    atStep ? "after an engine step" : "after an event", DescribeTable().c_str(),
                    context_.empty() ? "" : "; ", context_.c_str());
        std::fflush(stdout);
    }
}

}  // namespace vantrel::soak

#pragma once

#include <future>
#include <string>
#include <string_view>

#include "engine/card.h"
#include "engine/lesson_setup.h"

namespace vantrel {

// The table screen's controls that the engine changes, named as on the screen.
enum class Control {
    l_dhand,
    l_p1hand,
    l_p2hand,
    l_p3hand,
    l_p4hand,
    l_p1rslt,
    l_p2rslt,
    l_p3rslt,
    l_p4rslt,
    l_bet,
    l_chip,
    l_norm,
    l_maxbet,
    img_chip005,
    img_chip025,
    img_chip100,
    l_bet005,
    l_bet025,
    l_bet100,
    img_bet005,
    img_bet025,
    img_bet100,
    s_timeout,
    l_timeout,
    s_dmsg,
    l_dmsg,
    s_pmsg,
    l_pmsg,
    bbtn_menu,
    Count
};

// The control's object name on the screen ("l_p1hand").
std::string_view ControlName(Control control);

inline Control HandLabelControl(int hand) {
    return static_cast<Control>(static_cast<int>(Control::l_p1hand) + hand - 1);
}
inline Control ResultLabelControl(int hand) {
    return static_cast<Control>(static_cast<int>(Control::l_p1rslt) + hand - 1);
}

// Everything the table engine asks of its screen. The Qt table screen implements it; tests use a
// recording fake, and the lab a view that draws nothing.
class TableView {
  public:
    virtual ~TableView() = default;

    // False for a view that shows the table to no one, as the lab's: the table then spares it the
    // cards, the labels, the buttons, the countdown and the waits, and only asks, speaks its
    // balloons and leaves through it.
    virtual bool ShowsTable() const { return true; }

    // Waits at least ms milliseconds; the screen keeps repainting and handling input meanwhile.
    virtual void Delay(int ms) = 0;

    virtual void SetText(Control control, std::string_view text) = 0;
    virtual void SetVisible(Control control, bool visible) = 0;
    virtual void SetEnabled(Control control, bool enabled) = 0;
    // Enables or disables bbtn_hit, bbtn_stand, bbtn_double and bbtn_split, in that order.
    virtual void EnableActions(bool on) = 0;

    // Card slots, numbered as in table_state.h.
    virtual void ShowCardFace(int slot, const Card& card) = 0;
    virtual void ShowCardBack(int slot) = 0;
    virtual void SetSlotVisible(int slot, bool visible) = 0;

    // Loads chip005/025/100.bmp into the chip buttons and the bet-box stacks.
    virtual void LoadChipBitmaps() = 0;
    // Starts or stops the 1000 ms betting-countdown timer tm_start.
    virtual void SetStartTimer(bool running) = 0;

    // A modal message box styled by the text's punctuation; returns 1 for OK, 2 for Cancel.
    virtual int ShowMessageBox(std::string_view text) = 0;
    // Opens the count-point dialog and returns the number the student entered.
    virtual int AskCountPoint() = 0;
    // The same keypad asking for the true count (Master Course).
    virtual int AskTrueCount() { return AskCountPoint(); }

    // Leaving the table: the lesson's closing page 99, or a course menu.
    virtual void ShowClosingPage() = 0;
    virtual void ShowCourseMenu(Course course) = 0;

    // The Master Course's discard tray: the cards dealt since the shuffle out of a shoe of
    // `decks` decks; hidden when `shown` is false. Views without a tray ignore it.
    virtual void ShowDiscardTray(bool shown, int cardsDealt, int decks) {
        (void)shown, (void)cardsDealt, (void)decks;
    }

    // The Master Course's. Shows or hides the insurance button.
    virtual void OfferInsurance(bool offered) { (void)offered; }
    // Shows the values of the actions once `line` is ready, if it is still the latest asked for;
    // an empty future hides them.
    virtual void ShowEvLine(std::shared_future<std::string> line) { (void)line; }
};

}  // namespace vantrel

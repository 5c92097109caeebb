#pragma once

#include <array>
#include <string_view>

namespace vantrel {

// A hand's score is carried as an encoded total: every ace adds 101, every other card its value
// (10 for ten to king). total / 100 is the number of aces, total % 100 the hard total.
// The tests below combine their conditions with & and |, not && and ||: the totals come at random
// and are read several times a round, and a branch on each condition would often be mispredicted.
// A total is never negative; divided as an unsigned number it takes fewer instructions, and the
// hard total is read several times a round.
constexpr int AceCount(int total) {
    return static_cast<int>(static_cast<unsigned>(total) / 100U);
}
constexpr int HardTotal(int total) {
    return static_cast<int>(static_cast<unsigned>(total) % 100U);
}
constexpr bool IsSoft(int total) {
    return (total >= 100) & (HardTotal(total) <= 11);
}
constexpr int BestTotal(int total) {
    return HardTotal(total) + (IsSoft(total) ? 10 : 0);
}

// The texts of the totals a label can show. The label is worked out several times a round, so it
// lives here, inline, and formats nothing.
inline constexpr std::array<std::string_view, 22> kTotalTexts = {
    "0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10",
    "11", "12", "13", "14", "15", "16", "17", "18", "19", "20", "21"};

// What the table shows over a hand: "BJ!", "BUSTED" or its best total.
class HandLabel {
  public:
    // The label of a hand of `cards` cards with encoded `total`, on a table of `hands` player
    // hands. Only the single hand of an unsplit round can read "BJ!".
    constexpr HandLabel(int total, int cards, int hands) {
        const int best = BestTotal(total);
        const bool blackjack = (total == 111) & (cards == 2) & (hands == 1);
        // A blackjack's best total is 21, so it is never busted as well.
        kind_ = static_cast<Kind>(static_cast<int>(blackjack) | (static_cast<int>(best > 21) << 1));
        number_ = kind_ == Kind::Number ? best : 0;
    }

    bool IsBlackjack() const { return kind_ == Kind::Blackjack; }
    bool IsBusted() const { return kind_ == Kind::Busted; }
    bool IsNumber() const { return kind_ == Kind::Number; }
    // The best total; meaningful only for a number label.
    int number() const { return number_; }
    constexpr std::string_view text() const {
        if (kind_ == Kind::Blackjack) return "BJ!";
        if (kind_ == Kind::Busted) return "BUSTED";
        return number_ >= 0 && number_ <= 21 ? kTotalTexts[number_] : std::string_view{};
    }

    bool operator==(const HandLabel&) const = default;

  private:
    enum class Kind { Number = 0, Blackjack = 1, Busted = 2 };
    Kind kind_ = Kind::Number;
    int number_ = 0;
};

// A player's hand is finished on "BJ!", "BUSTED" or any 21.
inline bool IsFinishedLabel(const HandLabel& label) {
    return !label.IsNumber() || label.number() == 21;
}

// The dealer stands on every 17, soft 17 included, and draws on 16 or less.
constexpr bool DealerStands(int total) {
    const int hard = HardTotal(total);
    return (hard >= 17) | ((total >= 100) & (hard >= 7) & (hard <= 11));
}

}  // namespace vantrel

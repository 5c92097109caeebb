#include "engine/hand.h"

#include <array>

namespace vantrel {

HandLabel::HandLabel(int total, int cards, int hands) {
    if (total == 111 && cards == 2 && hands == 1) {
        kind_ = Kind::Blackjack;
    } else if (total >= 100) {
        const int hard = HardTotal(total);
        if (hard >= 22)
            kind_ = Kind::Busted;
        else
            number_ = hard >= 12 ? hard : hard + 10;
    } else if (total <= 21) {
        number_ = total;
    } else {
        kind_ = Kind::Busted;
    }
}

std::string_view HandLabel::text() const {
    static constexpr std::array<std::string_view, 22> kNumbers = {
        "0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10",
        "11", "12", "13", "14", "15", "16", "17", "18", "19", "20", "21"};
    if (kind_ == Kind::Blackjack) return "BJ!";
    if (kind_ == Kind::Busted) return "BUSTED";
    return number_ >= 0 && number_ <= 21 ? kNumbers[number_] : std::string_view{};
}

}  // namespace vantrel

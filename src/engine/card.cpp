#include "engine/card.h"

#include <cctype>

namespace vantrel {

std::string Card::code() const {
    if (empty() || suit < 1 || suit > 4) return {};
    return {kSuitLetters[suit - 1], static_cast<char>('0' + rank / 10),
            static_cast<char>('0' + rank % 10)};
}

Card Card::FromCode(const std::string& code) {
    Card card;
    if (code.empty()) return card;
    for (int suit = 1; suit <= 4; ++suit)
        if (code[0] == kSuitLetters[suit - 1]) card.suit = suit;
    card.rank = RankFromCode(code);
    return card;
}

int RankFromCode(const std::string& code) {
    int rank = 0;
    for (size_t i = 1; i < code.size() && i <= 2; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(code[i]))) return 0;
        rank = rank * 10 + (code[i] - '0');
    }
    return rank;
}

}  // namespace vantrel

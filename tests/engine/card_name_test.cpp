#include "engine/card_name.h"

#include <gtest/gtest.h>

#include <set>

namespace vantrel {
namespace {

TEST(CardNameTest, NamesRankThenSuitAndTheBackAsFaceDown) {
    const std::pair<const char*, const char*> cases[] = {{"S10", "Ten of spades"},
                                                         {"H01", "Ace of hearts"},
                                                         {"D12", "Queen of diamonds"},
                                                         {"C02", "Two of clubs"},
                                                         {"", "Face down card"}};
    for (const auto& [code, name] : cases) EXPECT_EQ(CardName(Card::FromCode(code)), name) << code;
}

TEST(CardNameTest, EveryCardOfTheDeckHasANameOfItsOwn) {
    std::set<std::string> names;
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 1; rank <= 13; ++rank) names.insert(CardName(Card{suit, rank}));
    EXPECT_EQ(names.size(), 52u);
    EXPECT_FALSE(names.contains("Unknown card"));
}

}  // namespace
}  // namespace vantrel

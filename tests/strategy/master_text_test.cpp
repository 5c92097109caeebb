// The Master Course's lecture texts: every figure they name is filled from the figures in force.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "strategy/master_text.h"
#include "support/sample_master_figures.h"

namespace vantrel::strategy {
namespace {

using testing_support::SampleMasterFigures;

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(MasterText, FillsEveryPlaceholderOfEveryShippedLectureText) {
    const MasterFigures figures = SampleMasterFigures();
    int placeholders = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(VANTREL_SOURCE_DIR) + "/data/doc")) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with("ML")) continue;
        const std::string text = ReadFile(entry.path());
        placeholders += HasPlaceholders(text);
        const std::string filled = FillMasterText(text, figures);
        EXPECT_EQ(filled.find_first_of("{}"), std::string::npos) << name << ":\n" << filled;
    }
    EXPECT_GE(placeholders, 8) << "the figure pages' texts name no figures";
}

TEST(MasterText, EveryNamedFigureHasAValue) {
    const MasterFigures figures = SampleMasterFigures();
    for (std::string_view name : MasterFigureNames()) {
        const auto value = MasterFigure(name, figures);
        ASSERT_TRUE(value) << name;
        EXPECT_FALSE(value->empty()) << name;
        // Also with no figures at all in the lists, e.g. a lab that found no index.
        EXPECT_TRUE(MasterFigure(name, MasterFigures{})) << name;
    }
}

TEST(MasterText, FiguresComeFromTheFiguresGiven) {
    MasterFigures figures = SampleMasterFigures();
    const std::string text =
        "{edge0}|{edge0_3to2}|{edge_turns}|{share0}|{first_raise}|{share_raised}|{top_bet}|"
        "{win100}|{sd100}|{ramp_win100}|{ruin_bank_low}|{ruin_high}|{ins_index}|{top_play}|{cut}";
    EXPECT_EQ(FillMasterText(text, figures),
              "-0.85%|-0.45%|true +2|42.0%|+2|15.0%|$40|$6.20|$128|$4.90|$500|0.11%|+3|"
              "16 v 10, STAND at true 0 or more|60");
    figures.penetration = 75;
    figures.byCount[3].edgeAsPaid = -0.0123;
    EXPECT_EQ(FillMasterText("{cut}% {edge0}", figures), "75% -1.23%");
}

// A raised bet is paid 3 to 2 in full, so the reason quotes the 3 to 2 edge either side.
TEST(MasterText, SaysWhyTheFirstRaiseSitsWhereItDoes) {
    MasterFigures figures = SampleMasterFigures();
    EXPECT_EQ(FillMasterText("{first_raise_why}", figures),
              "Raised bets are paid 3 to 2: +0.05% at +1, +0.60% at +2.");
    figures.ramp.front().first = 1;
    EXPECT_EQ(FillMasterText("{first_raise_why}", figures),
              "Raised bets are paid 3 to 2: -0.45% at 0, +0.05% at +1.");
}

TEST(MasterText, LeavesAnUnknownPlaceholderToShow) {
    const MasterFigures figures = SampleMasterFigures();
    EXPECT_EQ(FillMasterText("a {nonsense} b {cut", figures), "a {nonsense} b {cut");
    EXPECT_TRUE(HasPlaceholders("x {cut} y"));
    EXPECT_FALSE(HasPlaceholders("no figures: +2.9 reads +2"));
}

TEST(MasterText, EndRowsHoldEveryCountBeyondThem) {
    const MasterFigures figures = SampleMasterFigures();
    EXPECT_EQ(CountRow(figures, -9)->trueCount, -3);
    EXPECT_EQ(CountRow(figures, 12)->trueCount, 6);
    EXPECT_EQ(CountRow(figures, 1)->trueCount, 1);
    EXPECT_EQ(CountRow(MasterFigures{}, 0), nullptr);
}

TEST(MasterText, ReasonsFollowTheKindOfPlay) {
    const IndexNumber stand{"16", 10, 'H', 'S', true, 0, 0};
    const IndexNumber hit{"12", 4, 'S', 'H', false, 0, 0};
    const IndexNumber doubling{"10", 10, 'H', 'D', true, 4, 0};
    const IndexNumber split{"TT", 5, 'S', 'P', true, 5, 0};
    const IndexNumber insurance{"any", 1, '-', 'I', true, 3, 0};
    std::set<std::string> reasons;
    for (const IndexNumber& play : {stand, hit, doubling, split, insurance})
        reasons.insert(IndexReason(play));
    EXPECT_EQ(reasons.size(), 5u);
    EXPECT_NE(IndexReason(stand).find("bust"), std::string::npos);
    EXPECT_NE(IndexReason(insurance).find("2 to 1"), std::string::npos);
    EXPECT_EQ(IndexHand(insurance), "Insurance");
    EXPECT_EQ(IndexHand({"A7", 1, 'S', 'D', true, 1, 0}), "A7 v A");
    EXPECT_EQ(IndexCondition(hit), "true 0 or less");
}

}  // namespace
}  // namespace vantrel::strategy

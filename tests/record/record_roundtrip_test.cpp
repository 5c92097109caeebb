// What the trainer writes comes back through the queries and the words the Record screen and the
// lab share.
#include <gtest/gtest.h>

#include "record/record_queries.h"
#include "record/record_store.h"
#include "record/record_text.h"
#include "record_samples.h"
#include "support/temp_folder.h"

namespace vantrel::record {
namespace {

class RecordRoundTrip : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(store_.Open(path_));
        WriteSampleRecord(store_);
        ASSERT_TRUE(store_.ok());
    }

    TempFolder folder_;
    std::string path_ = folder_ / "vantrel.sqlite";
    RecordStore store_;
};

TEST_F(RecordRoundTrip, SummaryCountsEveryKindOfRowPerLesson) {
    const RecordReader reader(path_);
    ASSERT_TRUE(reader.ok()) << reader.error();
    EXPECT_FALSE(IsEmpty(reader));
    const std::vector<LessonSummary> summaries = LessonSummaries(reader);
    ASSERT_EQ(summaries.size(), kRecordedLessons.size());
    const LessonSummary& nl5 = summaries[1];
    EXPECT_EQ(nl5.lessonCode, "NL5");
    EXPECT_EQ(std::tuple(nl5.visits, nl5.passes, nl5.rounds, nl5.rightDecisions, nl5.decisions),
              std::tuple(1, 1, 2, 1, 3));
    const LessonSummary& nl6 = summaries[2];
    EXPECT_EQ(std::tuple(nl6.visits, nl6.passes, nl6.rounds, nl6.rightDecisions, nl6.decisions),
              std::tuple(2, 0, 2, 0, 1));
    EXPECT_EQ(nl6.bestNet, 100);
    EXPECT_EQ(nl6.lastNet, -50);
    const LessonSummary& pl2 = summaries[3];
    EXPECT_EQ(std::tuple(pl2.visits, pl2.rightCountAnswers, pl2.countAnswers, pl2.decisions),
              std::tuple(1, 1, 2, 1));
    EXPECT_EQ(summaries[0].visits, 0);
    EXPECT_FALSE(summaries[0].bestNet);
}

TEST_F(RecordRoundTrip, MistakesAreGroupedByCellWithTheirCost) {
    const std::vector<Mistake> mistakes = MistakesByCell(RecordReader(path_));
    ASSERT_EQ(mistakes.size(), 1u);
    EXPECT_EQ(MistakeText(mistakes[0]),
              "Hard 16 vs 10: you STAND, right HIT, 3 times, 4.0 % of the bet each, $5.20 in all");
}

TEST_F(RecordRoundTrip, ExamAttemptsSetSkillBesideLuck) {
    const std::vector<ExamAttempt> attempts = ExamAttempts(RecordReader(path_));
    ASSERT_EQ(attempts.size(), 2u);
    EXPECT_EQ(attempts[0].net, 100);
    EXPECT_NEAR(attempts[0].givenUp, 4.0, 1e-9);
    EXPECT_NEAR(attempts[0].luck(), 104.0, 1e-9);
    EXPECT_EQ(attempts[1].net, -50);
    EXPECT_EQ(attempts[1].givenUp, 0);
}

// The plot's visits are one row: the counting practice's answers stand above that visit, not
// above the strategy practice played after it, which has no count answers.
TEST_F(RecordRoundTrip, ProgressPutsBothKindsOfAnswerOnOneRowOfVisits) {
    store_.BeginVisit({"NL5", LessonMode::DecisionQuota, 10000, 100, 6});
    store_.AddRound(OneHandRound(10, 20, {RightHit(10)}));
    const std::vector<VisitProgress> visits = ProgressOfLastVisits(RecordReader(path_), 3);
    const auto shares = [](const std::optional<VisitShare>& share) {
        return share ? std::pair(share->right, share->total) : std::pair(-1, -1);
    };
    std::vector<std::tuple<std::string, std::pair<int, int>, std::pair<int, int>>> rows;
    for (const VisitProgress& visit : visits)
        rows.emplace_back(visit.lessonCode, shares(visit.decisions), shares(visit.countAnswers));
    EXPECT_EQ(rows,
              (decltype(rows){
                  {"NL6", {0, 1}, {-1, -1}}, {"PL2", {1, 1}, {1, 2}}, {"NL5", {1, 1}, {-1, -1}}}));
}

TEST_F(RecordRoundTrip, RoundsKeepTheirHandsAndTheDealersHand) {
    EXPECT_EQ(QueryText(path_,
                        "SELECT group_concat(up_card || ' ' || dealer_label || ' ' || net, ', ') "
                        "FROM rounds"),
              "C13 20 -10, C13 20 20, C13 20 100, C13 20 -50");
    EXPECT_EQ(QueryText(path_, "SELECT group_concat(result || ' ' || bet, ', ') FROM round_hands"),
              "Lose 10, Win 20, Win 100, Lose 50");
}

TEST(RecordText, CellLabelsNameTheHandAsTheStudentHoldsIt) {
    const std::pair<ChartCell, const char*> cases[] = {
        {{ChartPart::Hard, 16, 10}, "Hard 16 vs 10"},
        {{ChartPart::Hard, 17, 1}, "Hard 17 or more vs A"},
        {{ChartPart::Hard, 8, 5}, "Hard 8 or less vs 5"},
        {{ChartPart::Soft, 7, 1}, "Soft 18 vs A"},
        {{ChartPart::Soft, 8, 6}, "Soft 19 or more vs 6"},
        {{ChartPart::Pair, 8, 6}, "Pair of 8s vs 6"},
        {{ChartPart::Pair, 1, 10}, "Pair of aces vs 10"},
    };
    for (const auto& [cell, label] : cases) EXPECT_EQ(CellLabel(cell), label);
}

TEST(Record, TwoCopiesWritingTheSameRecordKeepEveryRound) {
    TempFolder folder;
    RecordStore first, second;
    ASSERT_TRUE(first.Open(folder / "vantrel.sqlite"));
    ASSERT_TRUE(second.Open(folder / "vantrel.sqlite"));
    EXPECT_TRUE(IsEmpty(RecordReader(folder / "vantrel.sqlite")));
    first.BeginVisit({"NL3", LessonMode::WinQuota, 10000, 10, 6});
    second.BeginVisit({"P", LessonMode::FreePlay, 1000, 1, 6});
    for (int round = 0; round < 50; ++round) {
        first.AddRound(OneHandRound(10, 20));
        second.AddRound(OneHandRound(5, 0));
    }
    EXPECT_TRUE(first.ok() && second.ok());
    const std::vector<LessonSummary> summaries =
        LessonSummaries(RecordReader(folder / "vantrel.sqlite"));
    EXPECT_EQ(summaries.front().rounds, 50);
    EXPECT_EQ(summaries[5].lessonCode, "P");
    EXPECT_EQ(summaries[5].rounds, 50);
}

}  // namespace
}  // namespace vantrel::record

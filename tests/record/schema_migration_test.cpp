// Records written by earlier versions of the trainer open under the current one and keep
// everything they hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "record/drill_queries.h"
#include "record/record_queries.h"
#include "record/record_store.h"
#include "record/record_text.h"
#include "record/schema.h"
#include "record_samples.h"
#include "support/temp_folder.h"

namespace vantrel::record {
namespace {

std::string Fixture(const std::string& name) {
    return ReadBytes(std::string(VANTREL_RECORD_FIXTURES) + "/" + name);
}

// Makes a database file from SQL text, the way an earlier version left it.
void MakeDatabase(const std::string& path, const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK)
        << sqlite3_errmsg(db);
    sqlite3_close(db);
}

std::string SchemaOf(const std::string& path) {
    return QueryText(path,
                     "SELECT group_concat(sql, ';') FROM (SELECT sql FROM sqlite_schema "
                     "WHERE sql IS NOT NULL ORDER BY name)");
}

TEST(SchemaSteps, TheFirstStepStillMakesTheFrozenFirstSchema) {
    TempFolder folder;
    MakeDatabase(folder / "frozen.sqlite", Fixture("schema_v1.sql"));
    MakeDatabase(folder / "step1.sqlite", std::string(SchemaSteps()[0]));
    EXPECT_EQ(SchemaOf(folder / "step1.sqlite"), SchemaOf(folder / "frozen.sqlite"));
}

TEST(SchemaSteps, AFirstVersionRecordOpensWithItsRowsAndTakesNewOnes) {
    TempFolder folder;
    const std::string path = folder / "vantrel.sqlite";
    MakeDatabase(path, "PRAGMA journal_mode = WAL;" + Fixture("schema_v1.sql") +
                           Fixture("rows_v1.sql") + "PRAGMA user_version = 1;");
    RecordStore store;
    ASSERT_TRUE(store.Open(path)) << store.TakeMessage();
    EXPECT_EQ(QueryText(path, "PRAGMA user_version"), std::to_string(LatestSchemaVersion()));
    EXPECT_EQ(store.setAsidePath(), "");

    store.BeginVisit({"NL5", LessonMode::DecisionQuota, 10000, 100, 6});
    store.AddRound(OneHandRound(10, 0, {StandOnSixteenAgainstTen(10)}));
    const RecordReader reader(path);
    const std::vector<LessonSummary> summaries = LessonSummaries(reader);
    EXPECT_EQ(std::tuple(summaries[1].visits, summaries[1].passes, summaries[1].decisions),
              std::tuple(2, 1, 2));
    EXPECT_EQ(summaries[2].lastNet, -200);
    EXPECT_EQ(std::tuple(summaries[3].countAnswers, summaries[3].rightCountAnswers),
              std::tuple(1, 1));
    const std::vector<Mistake> mistakes = MistakesByCell(reader);
    ASSERT_EQ(mistakes.size(), 2u);
    EXPECT_EQ(MistakeText(mistakes[0]),
              "Hard 12 vs 6: you HIT, right STAND, 1 time, 10.0 % of the bet each, $20.00 in all");
    EXPECT_EQ(mistakes[1].count, 2);
}

// The drills keep their schedule in tables a first-version record lacks. The first drill session
// on such a record takes in the mistakes made at its table; the next one only those made since.
TEST(SchemaSteps, AFirstVersionRecordTakesDrillsFromItsTableMistakes) {
    TempFolder folder;
    const std::string path = folder / "vantrel.sqlite";
    MakeDatabase(path,
                 Fixture("schema_v1.sql") + Fixture("rows_v1.sql") + "PRAGMA user_version = 1;");
    RecordStore store;
    ASSERT_TRUE(store.Open(path)) << store.TakeMessage();
    const ChartCell hard16Against10{ChartPart::Hard, 16, 10};
    const ChartCell hard12Against6{ChartPart::Hard, 12, 6};

    DrillState state = LoadDrillState(RecordReader(path));
    EXPECT_EQ(state.session, 1);
    EXPECT_TRUE(state.cells.empty());
    EXPECT_EQ(state.missedAtTable, (std::vector<ChartCell>{hard12Against6, hard16Against10}));
    store.BeginDrill({1, state.lastDecisionId, {{hard16Against10, 1, 1}, {hard12Against6, 1, 1}}});
    DecisionEntry answer = StandOnSixteenAgainstTen(1);
    answer.right = true;
    store.AddDrillAnswer({answer, 2.5, {hard16Against10, 2, 3}});
    store.EndDrill({1, 1, 2.5});
    store.AddCountDown({52, 0, 2, 2, 31.5});
    store.AddCountDown({52, 500, -1, 3, 26.0});
    store.AddCountDown({52, 300, 4, 4, 15.6});
    store.BeginVisit({"NL5", LessonMode::DecisionQuota, 10000, 100, 6});
    store.AddRound(OneHandRound(10, 0, {StandOnSixteenAgainstTen(10)}));

    const RecordReader reader(path);
    state = LoadDrillState(reader);
    EXPECT_EQ(state.session, 2);
    EXPECT_EQ(state.cells,
              (std::vector<CellProgress>{{hard12Against6, 1, 1}, {hard16Against10, 2, 3}}));
    EXPECT_EQ(state.missedAtTable, std::vector<ChartCell>{hard16Against10});
    const DrillSummary drills = StrategyDrillSummary(reader);
    EXPECT_EQ(std::tuple(drills.sessions, drills.answers, drills.right), std::tuple(1, 1, 1));
    const CountDownSummary countDowns = CountDowns(reader);
    EXPECT_EQ(std::tuple(countDowns.attempts, countDowns.right), std::tuple(3, 2));
    EXPECT_EQ(countDowns.bestDeck, 31.5);  // the faster run was at a set pace
    EXPECT_EQ(countDowns.bestHalfDeck, std::nullopt);
}

TEST(SchemaSteps, ARecordOfANewerTrainerIsLeftAsItIs) {
    TempFolder folder;
    const std::string path = folder / "vantrel.sqlite";
    MakeDatabase(path, Fixture("schema_v1.sql") + "PRAGMA user_version = " +
                           std::to_string(LatestSchemaVersion() + 1) + ";");
    const std::string bytes = ReadBytes(path);
    RecordStore store;
    EXPECT_FALSE(store.Open(path));
    EXPECT_NE(store.TakeMessage().find(path + " cannot be opened (it was written by a newer"),
              std::string::npos);
    store.BeginVisit({"NL3", LessonMode::WinQuota, 10000, 10, 6});
    EXPECT_EQ(ReadBytes(path), bytes);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"vantrel.sqlite"});
}

// A record kept before decisions had true counts: its rows stay and read as before, its mistakes
// as the chart's; a deviation made since is a mistake of its own, named by its true count.
TEST(SchemaSteps, AnAdviceValueRecordKeepsItsRowsAndTakesDeviations) {
    TempFolder folder;
    const std::string path = folder / "vantrel.sqlite";
    MakeDatabase(path, std::string(SchemaSteps()[0]) + Fixture("rows_v1.sql") +
                           std::string(SchemaSteps()[1]) + std::string(SchemaSteps()[2]) +
                           "UPDATE decisions SET ev_advice = ev_best; PRAGMA user_version = 3;");
    const std::string countBefore = QueryText(path, "SELECT count(*) FROM decisions");
    const std::vector<Mistake> before = MistakesByCell(RecordReader(path));

    RecordStore store;
    ASSERT_TRUE(store.Open(path)) << store.TakeMessage();
    EXPECT_EQ(QueryText(path, "PRAGMA user_version"), std::to_string(LatestSchemaVersion()));
    EXPECT_EQ(QueryText(path, "SELECT count(*) FROM decisions"), countBefore);
    EXPECT_EQ(QueryText(path,
                        "SELECT count(*) FROM decisions WHERE deviation = 0 AND "
                        "true_count IS NULL"),
              countBefore);
    std::vector<std::string> textsBefore;
    for (const Mistake& mistake : before) textsBefore.push_back(MistakeText(mistake));
    std::vector<std::string> textsAfter;
    for (const Mistake& mistake : MistakesByCell(RecordReader(path)))
        textsAfter.push_back(MistakeText(mistake));
    EXPECT_EQ(textsAfter, textsBefore);

    // 16 vs 10 hit at true +2, where the index play stands; twice, and once at +3.
    DecisionEntry deviation = StandOnSixteenAgainstTen(10);
    deviation.action = Action::Hit;
    deviation.advice = kChartStand;
    deviation.evTaken = -0.50;
    deviation.evAdvice = -0.54;
    deviation.trueCount = 2;
    deviation.deviation = true;
    DecisionEntry chartMistake = StandOnSixteenAgainstTen(10);
    chartMistake.trueCount = -1;
    DecisionEntry atThree = deviation;
    atThree.trueCount = 3;
    store.BeginVisit({"ML5", LessonMode::IndexQuota, 10000, 100, 6});
    store.AddRound(OneHandRound(10, 0, {deviation, deviation, chartMistake, atThree}));

    // Each priced in a shoe at its true count: the further past the index, the dearer.
    std::map<int, double> costAt;
    int chartStands = 0;
    for (const Mistake& mistake : MistakesByCell(RecordReader(path))) {
        if (mistake.deviation) {
            EXPECT_TRUE(mistake.priced);
            costAt[*mistake.trueCount] = mistake.averageCostPercent;
            EXPECT_EQ(MistakeText(mistake).rfind(mistake.trueCount == 2
                                                     ? "Hard 16 vs 10 at true +2: you HIT, right "
                                                       "STAND, 2 times, "
                                                     : "Hard 16 vs 10 at true +3: you HIT, right "
                                                       "STAND, 1 time, ",
                                                 0),
                      0u)
                << MistakeText(mistake);
        }
        if (!mistake.deviation && mistake.taken == Action::Stand &&
            mistake.cell == ChartCell{ChartPart::Hard, 16, 10})
            chartStands += mistake.count;
    }
    ASSERT_EQ(costAt.size(), 2u);
    EXPECT_GT(costAt[2], 0.0);
    EXPECT_GT(costAt[3], costAt[2]);
    // The chart's own mistake at a true count joins the same cell's mistakes kept before.
    int chartStandsBefore = 0;
    for (const Mistake& mistake : before)
        if (mistake.taken == Action::Stand && mistake.cell == ChartCell{ChartPart::Hard, 16, 10})
            chartStandsBefore += mistake.count;
    EXPECT_EQ(chartStands, chartStandsBefore + 1);
}

// A record of the version before insurance choices and the index drill's answers: its rows stay,
// its missed index play reads unpriced, and it takes both new kinds of answer. An insurance
// choice is a mistake of its own; the index drill's schedule is each cell's latest answer and
// leaves the strategy drill's alone.
TEST(SchemaSteps, ATrueCountRecordKeepsItsRowsAndTakesInsuranceAndIndexDrills) {
    TempFolder folder;
    const std::string path = folder / "vantrel.sqlite";
    std::string laterSteps;
    for (int step = 1; step < 4; ++step) laterSteps += std::string(SchemaSteps()[step]);
    MakeDatabase(path, std::string(SchemaSteps()[0]) + Fixture("rows_v1.sql") + laterSteps +
                           "INSERT INTO decisions (visit_id, taken_at, hand, cards, up_card, "
                           "chart_part, chart_row, chart_column, action, advice, is_right, "
                           "ev_taken, ev_best, ev_advice, stake, true_count, deviation) VALUES "
                           "(1, 0, 1, 'S10 H06', 'C13', 1, 16, 10, 1, 2, 0, -0.50, -0.50, -0.54, "
                           "10, 2, 1); PRAGMA user_version = 4;");
    const std::string countBefore = QueryText(path, "SELECT count(*) FROM decisions");
    std::vector<std::string> textsBefore;
    for (const Mistake& mistake : MistakesByCell(RecordReader(path)))
        textsBefore.push_back(MistakeText(mistake));
    ASSERT_NE(std::find_if(textsBefore.begin(), textsBefore.end(),
                           [](const std::string& text) {
                               return text.starts_with(
                                   "Hard 16 vs 10 at true +2: you HIT, right STAND, 1 time, ");
                           }),
              textsBefore.end());

    RecordStore store;
    ASSERT_TRUE(store.Open(path)) << store.TakeMessage();
    EXPECT_EQ(QueryText(path, "PRAGMA user_version"), std::to_string(LatestSchemaVersion()));
    EXPECT_EQ(QueryText(path, "SELECT count(*) FROM decisions"), countBefore);

    store.BeginVisit({"ML5", LessonMode::IndexQuota, 10000, 100, 6});
    const std::vector<Card> hand = {Card{1, 10}, Card{2, 6}};
    store.AddInsuranceChoice({hand, 1, true, false, 10});
    store.AddInsuranceChoice({hand, 1, true, false, 20});
    store.AddInsuranceChoice({hand, 4, true, true, 10});
    store.AddInsuranceChoice({hand, 4, false, false, 10});
    std::vector<std::string> textsAfter;
    for (const Mistake& mistake : MistakesByCell(RecordReader(path)))
        textsAfter.push_back(MistakeText(mistake));
    std::vector<std::string> expected = textsBefore;
    expected.push_back("Insurance vs A at true +1: you TOOK, right NO, 2 times");
    expected.push_back("Insurance vs A at true +4: you DECLINED, right TAKE, 1 time");
    EXPECT_EQ(textsAfter, expected);

    const ChartCell hard16Against10{ChartPart::Hard, 16, 10};
    const ChartCell hard12Against3{ChartPart::Hard, 12, 3};
    const auto answer = [&](int session, const ChartCell& cell, int trueCount, Action action,
                            bool right, CellProgress progress) {
        store.AddIndexDrillAnswer({session, 6, hand, Card{3, 13}, cell, trueCount, action,
                                   kChartStand, right, 1.5, progress});
    };
    answer(1, hard16Against10, -1, Action::Hit, false, {hard16Against10, 1, 2});
    answer(1, hard12Against3, 3, Action::Stand, true, {hard12Against3, 2, 3});
    answer(2, hard16Against10, 1, Action::Stand, true, {hard16Against10, 2, 4});
    const IndexDrillState state = LoadIndexDrillState(RecordReader(path));
    EXPECT_EQ(state.session, 3);
    EXPECT_EQ(state.cells,
              (std::vector<CellProgress>{{hard12Against3, 2, 3}, {hard16Against10, 2, 4}}));
    EXPECT_EQ(QueryText(path,
                        "SELECT group_concat(true_count || ':' || action || ':' || is_right, ' ') "
                        "FROM index_drill_answers"),
              "-1:1:0 3:2:1 1:2:1");
    EXPECT_TRUE(LoadDrillState(RecordReader(path)).cells.empty());
}

}  // namespace
}  // namespace vantrel::record

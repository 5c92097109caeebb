// Bad files and faults: nothing stops a lesson, and nothing the student played is lost.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <functional>

#include <gtest/gtest.h>

#include "record/record_queries.h"
#include "record/record_store.h"
#include "record/set_aside.h"
#include "record_samples.h"
#include "support/file_size_limit.h"
#include "support/temp_folder.h"
#include "support/unprivileged_user.h"

namespace vantrel::record {
namespace {

using testing::AsUnprivilegedUser;

void MakeRecord(const std::string& path, int rounds) {
    RecordStore store;
    ASSERT_TRUE(store.Open(path));
    store.BeginVisit({"NL5", LessonMode::DecisionQuota, 10000, 100, 6});
    for (int round = 0; round < rounds; ++round) {
        store.AddRound(OneHandRound(10, 20, {StandOnSixteenAgainstTen(10)}));
    }
}

// A damaged record's name once set aside: vantrel.damaged-YYYYMMDD-HHMMSS.sqlite.
bool IsSetAsideName(const std::string& path) {
    const std::string name = std::filesystem::path(path).filename().string();
    const std::string_view pattern = "vantrel.damaged-########-######.sqlite";  // # a digit
    return std::equal(
        name.begin(), name.end(), pattern.begin(), pattern.end(), [](char c, char wanted) {
            return wanted == '#' ? std::isdigit(static_cast<unsigned char>(c)) != 0 : c == wanted;
        });
}

void RunSql(const std::string& path, const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

// Not a database, pages overwritten in the middle, another program's database, a record with a
// negative version, and another program's database claiming to be a first-version record.
TEST(DamagedRecord, IsKeptAsideUntouchedAndANewRecordStarted) {
    const std::function<void(const std::string&)> damages[] = {
        [](const std::string& path) {
            WriteBytes(path, std::string(4096, 'x') + "the student's shopping list");
        },
        [](const std::string& path) {
            MakeRecord(path, 400);
            std::string bytes = ReadBytes(path);
            bytes.replace(bytes.size() / 2, 3000, 3000, '\x55');
            WriteBytes(path, bytes);
        },
        MakeOtherDatabase,
        [](const std::string& path) {
            MakeRecord(path, 3);
            RunSql(path, "PRAGMA user_version = -1");
        },
        [](const std::string& path) {
            MakeOtherDatabase(path);
            RunSql(path, "PRAGMA user_version = 1");
        }};
    for (const auto& damage : damages) {
        TempFolder folder;
        const std::string path = folder / "vantrel.sqlite";
        damage(path);
        const std::string damaged = ReadBytes(path);

        RecordStore store;
        ASSERT_TRUE(store.Open(path)) << store.TakeMessage();
        const std::string aside = store.setAsidePath();
        EXPECT_TRUE(IsSetAsideName(aside)) << aside;
        EXPECT_EQ(ReadBytes(aside), damaged);
        const std::string message = store.TakeMessage();
        EXPECT_NE(message.find(path), std::string::npos) << message;
        EXPECT_NE(message.find(aside), std::string::npos) << message;
        EXPECT_EQ(store.TakeMessage(), "");

        store.BeginVisit({"NL3", LessonMode::WinQuota, 10000, 10, 6});
        store.AddRound(OneHandRound(10, 20));
        EXPECT_TRUE(store.ok());
        EXPECT_EQ(LessonSummaries(RecordReader(path))[0].rounds, 1);
    }
}

TEST(SetAside, NeverReplacesAFileAndTakesTheLogAlong) {
    TempFolder folder;
    const std::string path = folder / "vantrel.sqlite";
    const std::time_t when = 1767225600;
    WriteBytes(path, "damaged");
    WriteBytes(path + "-wal", "its log");
    WriteBytes(SetAsideName(path, when, 1), "set aside before");

    const std::string aside = SetAside(path, when);
    EXPECT_EQ(aside, SetAsideName(path, when, 2));
    EXPECT_EQ(ReadBytes(aside), "damaged");
    EXPECT_EQ(ReadBytes(aside + "-wal"), "its log");
    EXPECT_EQ(ReadBytes(SetAsideName(path, when, 1)), "set aside before");
    EXPECT_EQ(folder.Entries().size(), 3u);
}

// A new record in a read-only folder, a record there, and a read-only record.
TEST(RecordCannotBeWritten, TheLessonGoesOnAndTheStudentIsToldOnce) {
    const struct {
        bool recordExists;
        mode_t folderMode, fileMode;
        const char* reason;
    } cases[] = {{false, 0555, 0, "its folder cannot be written"},
                 {true, 0555, 0644, "its folder cannot be written"},
                 {true, 0755, 0444, "the file is read-only"}};
    for (const auto& c : cases) {
        TempFolder folder;
        const std::string path = folder / "vantrel.sqlite";
        if (c.recordExists) {
            MakeRecord(path, 3);
            ASSERT_TRUE(AsUnprivilegedUser::HandOver(path, c.fileMode));
        }
        const std::string before = ReadBytes(path);
        ASSERT_TRUE(AsUnprivilegedUser::HandOver(folder.path(), c.folderMode));

        std::string first, second;
        {
            AsUnprivilegedUser user;
            RecordStore store;
            EXPECT_FALSE(store.Open(path));
            store.BeginVisit({"NL5", LessonMode::DecisionQuota, 10000, 100, 6});
            store.AddRound(OneHandRound(10, 20, {RightHit(10)}));
            store.AddCountAnswer({.runningCount = 1, .answer = 1, .seconds = 1});
            store.EndVisit({VisitEnding::Menu, 10010, 99});
            EXPECT_FALSE(store.ok());
            first = store.TakeMessage();
            second = store.TakeMessage();
        }
        EXPECT_NE(first.find("The record " + path + " cannot be opened (" + c.reason),
                  std::string::npos)
            << first;
        EXPECT_EQ(second, "");
        EXPECT_EQ(ReadBytes(path), before);
    }
}

// The disk fills up in the middle of a lesson: no file may grow past a small size. The round
// that does not fit is put off, changing nothing, and goes in once there is room again.
TEST(RecordFull, ARoundThatDoesNotFitIsPutOffAndGoesInLater) {
    TempFolder folder;
    const std::string path = folder / "vantrel.sqlite";
    RecordStore store;
    ASSERT_TRUE(store.Open(path));
    store.BeginVisit({"NL5", LessonMode::DecisionQuota, 10000, 100, 6});
    const RoundEntry round = OneHandRound(10, 20, {RightHit(10)});
    int written = 0;
    {
        const testing::FileSizeLimit diskFull(256 * 1024);
        while (written < 5000 && store.AddRound(round) == Outcome::Written) ++written;
    }
    ASSERT_LT(written, 5000);
    const std::string message = store.TakeMessage();
    EXPECT_NE(message.find("The record " + path + " cannot be written just now (writing a round: "),
              std::string::npos)
        << message;
    EXPECT_EQ(store.AddRound(round), Outcome::Written);
    EXPECT_EQ(store.TakeMessage(), "");
    store.Close();
    EXPECT_EQ(QueryText(path, "PRAGMA integrity_check"), "ok");
    EXPECT_EQ(QueryText(path, "SELECT count(*) FROM rounds"), std::to_string(written + 1));
}

// A child writes rounds as fast as it can and reports each committed one through a pipe, until
// it is killed in the middle of its burst.
TEST(RecordCrash, KillingTheWriterKeepsEveryCommittedRoundAndAConsistentFile) {
    TempFolder folder;
    const std::string path = folder / "vantrel.sqlite";
    int reports[2];
    ASSERT_EQ(pipe(reports), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(reports[0]);
        RecordStore store;
        if (!store.Open(path)) _exit(1);
        store.BeginVisit({"P", LessonMode::FreePlay, 1000, 1, 6});
        for (int round = 1;; ++round) {
            store.AddRound(OneHandRound(round, 0, {RightHit(round), RightHit(round)}));
            if (!store.ok() || write(reports[1], &round, sizeof round) != sizeof round) _exit(2);
        }
    }
    close(reports[1]);
    int committed = 0;
    for (int round; committed < 300 && read(reports[0], &round, sizeof round) == sizeof round;) {
        committed = round;
    }
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    for (int round; read(reports[0], &round, sizeof round) == sizeof round;) committed = round;
    close(reports[0]);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself: " << status;
    ASSERT_GE(committed, 300);

    EXPECT_EQ(QueryText(path, "PRAGMA integrity_check"), "ok");
    const std::string upTo = std::to_string(committed);
    EXPECT_EQ(QueryText(path, ("SELECT count(*) FROM rounds WHERE stake <= " + upTo).c_str()),
              upTo);
    // A round is there with both its decisions or not at all.
    EXPECT_EQ(QueryText(path, "SELECT 2 * (SELECT count(*) FROM rounds) = count(*) FROM decisions"),
              "1");
    RecordStore store;
    EXPECT_TRUE(store.Open(path));
    EXPECT_EQ(store.setAsidePath(), "");
}

}  // namespace
}  // namespace vantrel::record

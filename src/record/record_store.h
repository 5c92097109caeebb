#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>

#include "record/entries.h"
#include "record/record_file.h"

namespace vantrel::record {

// Milliseconds since 1970, UTC: what the record's rows are stamped with.
std::int64_t NowMs();

// What became of a write: written (or nothing to write); not written for now, as the file is
// locked, full or failing, so the same write should be tried again later; or never, as the record
// cannot be used in this run.
enum class Outcome { Written, Later, Never };

// The student's record, written as the table plays: one transaction per settled round (with
// its decisions) and per count answer, and a small write when a visit begins and ends; in the
// drills, one per answer and per count-down.
//
// Nothing here throws or stops a lesson. A write that fails for a reason that may pass changes
// nothing and answers Later; the caller keeps it and tries it again. When the file cannot be used
// at all, the store keeps a message naming the file and every later write does nothing. All calls
// may come from any thread; they are serialised inside.
class RecordStore {
  public:
    RecordStore();
    ~RecordStore();
    RecordStore(const RecordStore&) = delete;
    RecordStore& operator=(const RecordStore&) = delete;

    // Opens the record at `path`, creating it or bringing its schema up to date. A damaged file
    // (not a database, or failing its integrity check) is renamed aside with a time stamp and a
    // new record is started. The check reads the whole file (about 0.1 s of processor time for
    // 100,000 decisions), so call this from a worker thread, not before the first window shows;
    // writes made meanwhile from another thread wait for it.
    // A write waits `busyTimeoutMs` for another connection's transaction before it is put off.
    // Returns false when the record cannot be used; writes then answer Never, or Later when
    // mayOpenLater().
    bool Open(const std::string& path, int busyTimeoutMs = kBusyTimeoutMs);
    // True after an Open that failed for a reason that may pass: try Open again later.
    bool mayOpenLater() const;

    // Closes the record; later writes are no-ops. The destructor closes it too.
    void Close();

    // True when the record is open and nothing has failed.
    bool ok() const;

    // What the student should be told, each thing once per store: the first failure ("The
    // record /path/vantrel.sqlite cannot be written (...)"), the first write put off, and that a
    // damaged record was set aside. Empty when there is nothing new to tell.
    std::string TakeMessage();

    // Where a damaged record was moved by Open; empty when none was.
    std::string setAsidePath() const;

    // The visit the following rounds and answers belong to; a visit still open is left open
    // (it reads as unfinished). Rounds and answers outside a visit are not recorded.
    // Each write is stamped `at`: a write put off and tried again keeps the time of the event.
    Outcome BeginVisit(const VisitStart& visit, std::int64_t at = NowMs());
    Outcome EndVisit(const VisitEnd& visit, std::int64_t at = NowMs());

    Outcome AddRound(const RoundEntry& round, std::int64_t at = NowMs());
    // Decisions of a round the student left before it was settled (Menu).
    Outcome AddUnsettledDecisions(std::span<const DecisionEntry> decisions,
                                  std::int64_t at = NowMs());
    Outcome AddCountAnswer(const CountAnswerEntry& answer, std::int64_t at = NowMs());
    Outcome AddInsuranceChoice(const InsuranceEntry& choice, std::int64_t at = NowMs());

    // The drills, outside any table visit. Answers belong to the drill session begun last; a
    // session left before its end stays without one.
    Outcome BeginDrill(const DrillStart& start, std::int64_t at = NowMs());
    Outcome AddDrillAnswer(const DrillAnswerEntry& answer, std::int64_t at = NowMs());
    Outcome EndDrill(const DrillEnd& end, std::int64_t at = NowMs());
    Outcome AddCountDown(const CountDownEntry& countDown, std::int64_t at = NowMs());
    // The index drill's answers carry their session; the drill has no other rows.
    Outcome AddIndexDrillAnswer(const IndexDrillAnswerEntry& answer, std::int64_t at = NowMs());

  private:
    struct Connection;

    // Runs `write` in one transaction; on a failure rolls back, and stops recording unless the
    // failure may pass.
    template <class Write>
    Outcome Transaction(const char* what, Write&& write);
    void Fail(const std::string& message);
    void PutOff(const std::string& message);
    void Tell(const std::string& message);

    mutable std::mutex mutex_;
    std::unique_ptr<Connection> connection_;
    std::string path_;
    std::string untold_;  // what TakeMessage hands out next
    bool failureTold_ = false;
    bool putOffTold_ = false;
    bool failed_ = false;
    bool mayOpenLater_ = false;
    std::string setAsidePath_;
    std::int64_t visitId_ = 0;
    std::int64_t drillId_ = 0;
};

}  // namespace vantrel::record

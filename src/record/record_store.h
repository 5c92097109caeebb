#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>

#include "record/entries.h"

namespace vantrel::record {

// The student's record, written as the table plays: one transaction per settled round (with
// its decisions) and per count answer, and a small write when a visit begins and ends; in the
// drills, one per answer and per count-down.
//
// Nothing here throws or stops a lesson. When the file cannot be opened or written, the store
// keeps a message naming the file and every later write does nothing. All calls may come from
// any thread; they are serialised inside.
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
    // Returns false when the record cannot be used; writes are then no-ops.
    bool Open(const std::string& path);

    // Closes the record; later writes are no-ops. The destructor closes it too.
    void Close();

    // True when the record is open and nothing has failed.
    bool ok() const;

    // What the student should be told, each thing once per store: the first failure ("The
    // record /path/vantrel.sqlite cannot be written (...)") and that a damaged record was set
    // aside. Empty when there is nothing new to tell.
    std::string TakeMessage();

    // Where a damaged record was moved by Open; empty when none was.
    std::string setAsidePath() const;

    // The visit the following rounds and answers belong to; a visit still open is left open
    // (it reads as unfinished). Rounds and answers outside a visit are not recorded.
    void BeginVisit(const VisitStart& visit);
    void EndVisit(const VisitEnd& visit);

    void AddRound(const RoundEntry& round);
    // Decisions of a round the student left before it was settled (Menu).
    void AddUnsettledDecisions(std::span<const DecisionEntry> decisions);
    void AddCountAnswer(const CountAnswerEntry& answer);

    // The drills, outside any table visit. Answers belong to the drill session begun last; a
    // session left before its end stays without one.
    void BeginDrill(const DrillStart& start);
    void AddDrillAnswer(const DrillAnswerEntry& answer);
    void EndDrill(const DrillEnd& end);
    void AddCountDown(const CountDownEntry& countDown);

  private:
    struct Connection;

    // Runs `write` in one transaction; on any failure rolls back and stops recording.
    template <class Write>
    void Transaction(const char* what, Write&& write);
    void Fail(const std::string& message);
    void Tell(const std::string& message);

    mutable std::mutex mutex_;
    std::unique_ptr<Connection> connection_;
    std::string path_;
    std::string untold_;  // what TakeMessage hands out next
    bool failureTold_ = false;
    bool failed_ = false;
    std::string setAsidePath_;
    std::int64_t visitId_ = 0;
    std::int64_t drillId_ = 0;
};

}  // namespace vantrel::record

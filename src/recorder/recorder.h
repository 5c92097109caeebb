#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "engine/table_events.h"
#include "record/entries.h"

namespace vantrel {

// Keeps the student's record as the table plays. It hears the table's events on the table's
// thread, copies them and returns at once; its own thread opens the record (which checks the
// whole file), values each decision for the DECK in force and writes a round with its decisions
// in one transaction when the round is settled. The table never waits for it.
//
// When the record cannot be opened or written the lessons go on unrecorded, and TakeMessage
// hands out, once, a sentence naming the file for the student.
class Recorder : public TableEvents {
  public:
    explicit Recorder(std::string path);
    // Writes everything heard so far, then closes the record.
    ~Recorder() override;
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    const std::string& path() const { return path_; }

    void VisitStarted(const VisitStart& visit) override;
    void DecisionJudged(const Decision& decision) override;
    void RoundSettled(const RoundSettlement& round) override;
    void CountAnswered(const CountAnswer& answer) override;
    void VisitEnded(const VisitClose& close) override;

    // The drills, heard from their screens. A drill answer is valued for the session's decks
    // as a table decision is.
    void DrillStarted(record::DrillStart start);
    void DrillAnswered(const Decision& decision, double seconds, const CellProgress& progress);
    void DrillEnded(const record::DrillEnd& end);
    void CountDownDone(const record::CountDownEntry& countDown);

    // What the student should be told about the record and has not been yet; empty when nothing.
    std::string TakeMessage();
    // Waits until everything heard so far is written, at most `limit`; true when it is.
    bool WaitUntilWritten(std::chrono::milliseconds limit);

  private:
    struct Writer;
    using Task = std::function<void(Writer&)>;

    void Post(Task task);
    void Work();

    std::string path_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Task> tasks_;
    bool busy_ = false;
    bool stopping_ = false;
    std::string message_;
    std::thread thread_;
};

}  // namespace vantrel

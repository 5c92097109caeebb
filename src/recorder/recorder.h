#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "engine/table_events.h"
#include "record/entries.h"
#include "record/record_file.h"

namespace vantrel {

// Keeps the student's record as the table plays. It hears the table's events on the table's
// thread, copies them and returns at once; its own thread opens the record (which checks the
// whole file), values each decision for the DECK in force and writes a round with its decisions
// in one transaction when the round is settled. The table never waits for it.
//
// A record that cannot be written just now (locked by another program, a full disk, an I/O
// error) holds up nothing: what was heard waits in memory, in order, and is tried again with
// growing pauses until it is written, opening included. At most kMaxWaiting rounds and answers
// wait; past that the oldest are let go, and the student is told how many. When the record
// cannot be used at all the lessons go on unrecorded. TakeMessage hands out each thing the
// student should know, once, in sentences naming the file.
class Recorder : public TableEvents {
  public:
    static constexpr int kMaxWaiting = 10000;
    static constexpr std::chrono::milliseconds kFirstPause{250};
    static constexpr std::chrono::milliseconds kLongestPause{30000};

    // How the writer waits, how long one write waits for a lock and how many rounds and answers
    // may wait. The program takes the defaults; tests pass a virtual clock's pause, which
    // returns at once.
    struct Options {
        int busyTimeoutMs = record::kBusyTimeoutMs;
        std::function<void(std::chrono::milliseconds)> pause;
        int maxWaiting = kMaxWaiting;
    };

    explicit Recorder(std::string path) : Recorder(std::move(path), Options{}) {}
    Recorder(std::string path, Options options);
    // Writes everything heard so far, then closes the record; writes still held up get one last
    // try.
    ~Recorder() override;
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    const std::string& path() const { return path_; }

    void VisitStarted(const VisitStart& visit) override;
    void DecisionJudged(const Decision& decision) override;
    void RoundSettled(const RoundSettlement& round) override;
    void CountAnswered(const CountAnswer& answer) override;
    void VisitEnded(const VisitClose& close) override;
    void InsuranceChosen(const InsuranceChoice& choice) override;

    // The drills, heard from their screens. A drill answer is valued for the session's decks
    // as a table decision is.
    void DrillStarted(record::DrillStart start);
    void DrillAnswered(const Decision& decision, double seconds, const CellProgress& progress);
    void DrillEnded(const record::DrillEnd& end);
    void CountDownDone(const record::CountDownEntry& countDown);
    // The index drill's answers, each with its session and schedule.
    void IndexDrillAnswered(record::IndexDrillAnswerEntry answer);

    // What the student should be told about the record and has not been yet; empty when nothing.
    std::string TakeMessage();
    // Waits until everything heard so far is written, or waits for the record to be writable
    // again, at most `limit`; true when it is written.
    bool WaitUntilWritten(std::chrono::milliseconds limit);

  private:
    struct Writer;
    using Task = std::function<void(Writer&)>;

    void Post(Task task);
    void Work();
    // The next task; an empty one when the writes waiting for the record are due to be tried
    // again; none when the recorder stops.
    std::optional<Task> NextTask(const Writer& writer);
    void Publish(const std::string& message);

    std::string path_;
    Options options_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Task> tasks_;
    bool busy_ = false;
    bool heldUp_ = false;  // the record held the last writes up
    bool stopping_ = false;
    std::string message_;
    std::thread thread_;
};

}  // namespace vantrel

#include "recorder/recorder.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "coach/judge.h"
#include "record/entries.h"
#include "record/record_store.h"
#include "strategy/hand_ev.h"

namespace vantrel {

namespace {

constexpr int kWriterNice = 10;

record::VisitEnding EndingOf(VisitEnd how) {
    switch (how) {
        case VisitEnd::Passed:
            return record::VisitEnding::Passed;
        case VisitEnd::NoChips:
            return record::VisitEnding::NoChips;
        case VisitEnd::Quit:
            return record::VisitEnding::ProgramQuit;
        case VisitEnd::Menu:
            break;
    }
    return record::VisitEnding::Menu;
}

// The best of the actions the table offered on this hand, whatever the chips: a hand of split
// aces may only stand or split again, and a pair splits only while fewer than four hands are
// on the table.
double BestOffered(const strategy::ActionValues& values, const Decision& decision) {
    const bool splitAces = decision.hands >= 2 && decision.cardCount == 2 &&
                           decision.cards[0].rank == 1 && decision.cards[1].rank == 1;
    double best = values.stand;
    if (!splitAces) best = std::max(best, values.hit);
    if (!splitAces && values.doubleDown) best = std::max(best, *values.doubleDown);
    if (decision.cell.part == ChartPart::Pair && decision.hands < kMaxHands && values.split)
        best = std::max(best, *values.split);
    return best;
}

// One entry written through a store method, stamped with the time given.
template <class Entry>
auto Writing(record::Outcome (record::RecordStore::*write)(const Entry&, std::int64_t),
             Entry entry) {
    return [write, entry = std::move(entry)](record::RecordStore& store, std::int64_t at) {
        return (store.*write)(entry, at);
    };
}

}  // namespace

// What the recorder's thread keeps: the record, the calculator, the round in play and the writes
// that wait for the record.
struct Recorder::Writer {
    // A write, stamped with the time given.
    using Write = std::function<record::Outcome(record::RecordStore&, std::int64_t)>;
    // A write waiting its turn, with the time it was heard. Rounds and answers may be let go when
    // too many wait; the marks of a visit or a drill begun or ended are few and never are, so
    // that what is kept stays in its visit.
    struct Waiting {
        Write write;
        std::int64_t at = 0;
        bool mayLetGo = false;
    };

    Writer(const std::string& recordPath, int waitingAtMost)
        : path(recordPath), maxWaiting(waitingAtMost) {}

    const std::string path;
    const int maxWaiting;
    record::RecordStore store;
    strategy::HandEv ev;
    int decks = 6;                 // of the table visit
    int drillDecks = 6;            // of the strategy drill
    bool keepsTrueCounts = false;  // the visit's lesson is the Master Course's
    std::vector<record::DecisionEntry> roundDecisions;
    std::deque<Waiting> waiting;
    int waitingEntries = 0;  // of `waiting`, the rounds and answers
    int letGo = 0;           // rounds and answers let go since the record was last written
    bool letGoTold = false;
    std::chrono::milliseconds pause{0};  // before the next try; zero while nothing is held up
    std::chrono::steady_clock::time_point nextTry;
    std::string message;  // for the student, beside the store's

    record::DecisionEntry Entry(const Decision& decision, int deckSetting) {
        record::DecisionEntry entry;
        entry.hand = decision.hand;
        const int shown = std::min(decision.cardCount, Decision::kMaxCards);
        entry.cards.assign(decision.cards.begin(), decision.cards.begin() + shown);
        entry.upCard = decision.upCard;
        entry.cell = decision.cell;
        entry.action = decision.action;
        entry.advice = decision.advice;
        entry.right = decision.right;
        entry.stake = decision.stake;
        if (keepsTrueCounts) entry.trueCount = decision.trueCount;
        entry.deviation = decision.deviation;
        // A hand of more cards than the table's slots is not fully known: no values.
        if (shown == decision.cardCount) {
            const int up = std::min(decision.upCard.rank, 10);
            if (const auto values = ev.Values(entry.cards, up, deckSetting)) {
                entry.evTaken = values->Of(decision.action);
                entry.evBest = BestOffered(*values, decision);
                if (const auto advice = Judgement{decision.cell, decision.advice}.AdvisedAction())
                    entry.evAdvice = values->Of(*advice);
            }
        }
        return entry;
    }

    // Queues a write behind those that wait; a mark when it may not be let go.
    void Keep(Write write, bool mark = false) {
        waiting.push_back({std::move(write), record::NowMs(), !mark});
        if (mark || ++waitingEntries <= maxWaiting) return;
        const auto oldest = std::find_if(waiting.begin(), waiting.end(),
                                         [](const Waiting& w) { return w.mayLetGo; });
        waiting.erase(oldest);
        --waitingEntries;
        ++letGo;
        if (!std::exchange(letGoTold, true))
            Say("The record " + path + " has held back " + std::to_string(maxWaiting) +
                " rounds and answers while it cannot be written. From now on the oldest of them "
                "are let go, and you will be told how many.");
    }

    // Decisions of a round that was never settled are kept on their own.
    void KeepUnsettled() {
        if (roundDecisions.empty()) return;
        Keep([decisions = std::move(roundDecisions)](record::RecordStore& store, std::int64_t at) {
            return store.AddUnsettledDecisions(decisions, at);
        });
        roundDecisions.clear();
    }

    // Writes what waits, in order, until the record puts a write off; opens the record first
    // when that was put off. Then waits longer before the next try.
    void Flush(int busyTimeoutMs) {
        if (store.mayOpenLater() && !store.Open(path, busyTimeoutMs) && store.mayOpenLater())
            return PutOff();
        for (; !waiting.empty(); waiting.pop_front()) {
            const Waiting& next = waiting.front();
            if (next.write(store, next.at) == record::Outcome::Later) return PutOff();
            if (next.mayLetGo) --waitingEntries;
        }
        pause = std::chrono::milliseconds(0);
        if (letGo > 0)
            Say("The record " + path + " can be written again. Everything held back has been " +
                "written but the " + std::to_string(std::exchange(letGo, 0)) +
                " oldest rounds and answers, which could not be kept.");
    }

    void PutOff() {
        pause = std::clamp(pause * 2, kFirstPause, kLongestPause);
        nextTry = std::chrono::steady_clock::now() + pause;
    }

    bool heldUp() const { return pause.count() > 0; }

    void Say(const std::string& text) { message += message.empty() ? text : "\n\n" + text; }
};

Recorder::Recorder(std::string path, Options options)
    : path_(std::move(path)), options_(std::move(options)), busy_(true) {
    thread_ = std::thread([this] { Work(); });
}

Recorder::~Recorder() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void Recorder::Post(Task task) {
    {
        std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
    }
    changed_.notify_all();
}

void Recorder::Work() {
    // The record waits for the screens, never the other way round: opening a large record reads
    // it whole, and on a busy machine that must not slow the window's first showing.
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kWriterNice);
    Writer writer(path_, options_.maxWaiting);
    if (!writer.store.Open(path_, options_.busyTimeoutMs) && writer.store.mayOpenLater())
        writer.PutOff();
    for (;;) {
        Publish(writer.store.TakeMessage());
        Publish(std::exchange(writer.message, {}));
        std::optional<Task> task = NextTask(writer);
        if (!task) break;
        if (*task) (*task)(writer);
        // While the record holds writes up, new ones join them until the next try.
        if (!*task || !writer.heldUp()) writer.Flush(options_.busyTimeoutMs);
    }
    // Stopping: one last try at what is held up.
    writer.KeepUnsettled();
    writer.Flush(options_.busyTimeoutMs);
    writer.store.Close();
}

std::optional<Recorder::Task> Recorder::NextTask(const Writer& writer) {
    std::unique_lock lock(mutex_);
    const bool heldUp = writer.heldUp();
    if (heldUp && std::chrono::steady_clock::now() >= writer.nextTry) return Task();
    if (tasks_.empty()) {
        if (stopping_) return std::nullopt;
        if (heldUp && options_.pause) {
            lock.unlock();
            options_.pause(writer.pause);
            return Task();
        }
        // Everything heard is written, or waits for the next try.
        busy_ = false;
        heldUp_ = heldUp;
        changed_.notify_all();
        const auto wake = [this] { return stopping_ || !tasks_.empty(); };
        if (heldUp)
            changed_.wait_until(lock, writer.nextTry, wake);
        else
            changed_.wait(lock, wake);
        if (tasks_.empty()) return stopping_ ? std::nullopt : std::optional(Task());
    }
    Task task = std::move(tasks_.front());
    tasks_.pop_front();
    busy_ = true;
    return task;
}

void Recorder::Publish(const std::string& message) {
    if (message.empty()) return;
    std::lock_guard lock(mutex_);
    message_ += message_.empty() ? message : "\n\n" + message;
}

std::string Recorder::TakeMessage() {
    std::lock_guard lock(mutex_);
    return std::exchange(message_, {});
}

bool Recorder::WaitUntilWritten(std::chrono::milliseconds limit) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, limit, [this] { return !busy_ && tasks_.empty(); }) && !heldUp_;
}

void Recorder::VisitStarted(const VisitStart& visit) {
    record::VisitStart entry{std::string(visit.lessonCode), visit.mode, visit.chips, visit.quota,
                             visit.decks};
    Post([entry = std::move(entry)](Writer& writer) {
        writer.KeepUnsettled();
        writer.decks = entry.decks;
        writer.keepsTrueCounts = entry.lessonCode.starts_with('M');
        writer.Keep(Writing(&record::RecordStore::BeginVisit, entry), true);
    });
}

void Recorder::DecisionJudged(const Decision& decision) {
    Post([decision](Writer& writer) {
        writer.roundDecisions.push_back(writer.Entry(decision, writer.decks));
    });
}

void Recorder::RoundSettled(const RoundSettlement& round) {
    record::RoundEntry entry;
    entry.upCard = round.upCard;
    entry.dealerLabel = std::string(round.dealerLabel);
    for (int hand = 0; hand < round.hands; ++hand) {
        const SettledHand& result = round.results[hand];
        entry.hands.push_back(
            {result.bet, std::string(result.label), std::string(result.result), result.payout});
    }
    Post([entry = std::move(entry)](Writer& writer) mutable {
        entry.decisions = std::move(writer.roundDecisions);
        writer.roundDecisions.clear();
        writer.Keep(Writing(&record::RecordStore::AddRound, std::move(entry)));
    });
}

void Recorder::CountAnswered(const CountAnswer& answer) {
    const record::CountAnswerEntry entry{answer.count, answer.answer, answer.seconds};
    Post([entry](Writer& writer) {
        writer.Keep(Writing(&record::RecordStore::AddCountAnswer, entry));
    });
}

void Recorder::VisitEnded(const VisitClose& close) {
    const record::VisitEnd entry{EndingOf(close.how), close.chips, close.quotaLeft};
    Post([entry](Writer& writer) {
        writer.KeepUnsettled();
        writer.Keep(Writing(&record::RecordStore::EndVisit, entry), true);
    });
}

void Recorder::InsuranceChosen(const InsuranceChoice& choice) {
    const record::InsuranceEntry entry{{choice.cards.begin(), choice.cards.end()},
                                       choice.trueCount,
                                       choice.taken,
                                       choice.right,
                                       choice.stake};
    Post([entry](Writer& writer) {
        if (writer.keepsTrueCounts)
            writer.Keep(Writing(&record::RecordStore::AddInsuranceChoice, entry));
    });
}

void Recorder::DrillStarted(record::DrillStart start) {
    Post([start = std::move(start)](Writer& writer) {
        writer.drillDecks = start.decks;
        writer.Keep(Writing(&record::RecordStore::BeginDrill, start), true);
    });
}

void Recorder::DrillAnswered(const Decision& decision, double seconds,
                             const CellProgress& progress) {
    Post([decision, seconds, progress](Writer& writer) {
        const record::DrillAnswerEntry answer{writer.Entry(decision, writer.drillDecks), seconds,
                                              progress};
        writer.Keep(Writing(&record::RecordStore::AddDrillAnswer, answer));
    });
}

void Recorder::DrillEnded(const record::DrillEnd& end) {
    Post(
        [end](Writer& writer) { writer.Keep(Writing(&record::RecordStore::EndDrill, end), true); });
}

void Recorder::CountDownDone(const record::CountDownEntry& countDown) {
    Post([countDown](Writer& writer) {
        writer.Keep(Writing(&record::RecordStore::AddCountDown, countDown));
    });
}

void Recorder::IndexDrillAnswered(record::IndexDrillAnswerEntry answer) {
    Post([answer = std::move(answer)](Writer& writer) {
        writer.Keep(Writing(&record::RecordStore::AddIndexDrillAnswer, answer));
    });
}

}  // namespace vantrel

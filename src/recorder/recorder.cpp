#include "recorder/recorder.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

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

}  // namespace

// What the recorder's thread keeps: the record, the calculator and the round in play.
struct Recorder::Writer {
    record::RecordStore store;
    strategy::HandEv ev;
    int decks = 6;       // of the table visit
    int drillDecks = 6;  // of the strategy drill
    std::vector<record::DecisionEntry> roundDecisions;

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
        // A hand of more cards than the table's slots is not fully known: no values.
        if (shown == decision.cardCount) {
            const int up = std::min(decision.upCard.rank, 10);
            if (const auto values = ev.Values(entry.cards, up, deckSetting)) {
                entry.evTaken = values->Of(decision.action);
                entry.evBest = BestOffered(*values, decision);
            }
        }
        return entry;
    }

    // Decisions of a round that was never settled are kept on their own.
    void KeepUnsettled() {
        if (roundDecisions.empty()) return;
        store.AddUnsettledDecisions(roundDecisions);
        roundDecisions.clear();
    }
};

Recorder::Recorder(std::string path) : path_(std::move(path)), busy_(true) {
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
    Writer writer;
    writer.store.Open(path_);
    for (;;) {
        if (std::string message = writer.store.TakeMessage(); !message.empty()) {
            std::lock_guard lock(mutex_);
            message_ += message_.empty() ? message : "\n\n" + message;
        }
        Task task;
        {
            std::unique_lock lock(mutex_);
            if (tasks_.empty()) {
                busy_ = false;
                changed_.notify_all();
                changed_.wait(lock, [this] { return stopping_ || !tasks_.empty(); });
                if (tasks_.empty()) break;  // stopping, with everything heard written
            }
            task = std::move(tasks_.front());
            tasks_.pop_front();
            busy_ = true;
        }
        task(writer);
    }
    writer.KeepUnsettled();
    writer.store.Close();
}

std::string Recorder::TakeMessage() {
    std::lock_guard lock(mutex_);
    return std::exchange(message_, {});
}

bool Recorder::WaitUntilWritten(std::chrono::milliseconds limit) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, limit, [this] { return !busy_ && tasks_.empty(); });
}

void Recorder::VisitStarted(const VisitStart& visit) {
    record::VisitStart entry{std::string(visit.lessonCode), visit.mode, visit.chips, visit.quota,
                             visit.decks};
    Post([entry = std::move(entry)](Writer& writer) {
        writer.KeepUnsettled();
        writer.decks = entry.decks;
        writer.store.BeginVisit(entry);
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
        writer.store.AddRound(entry);
    });
}

void Recorder::CountAnswered(const CountAnswer& answer) {
    const record::CountAnswerEntry entry{answer.count, answer.answer, answer.seconds};
    Post([entry](Writer& writer) { writer.store.AddCountAnswer(entry); });
}

void Recorder::VisitEnded(const VisitClose& close) {
    const record::VisitEnd entry{EndingOf(close.how), close.chips, close.quotaLeft};
    Post([entry](Writer& writer) {
        writer.KeepUnsettled();
        writer.store.EndVisit(entry);
    });
}

void Recorder::DrillStarted(record::DrillStart start) {
    Post([start = std::move(start)](Writer& writer) {
        writer.drillDecks = start.decks;
        writer.store.BeginDrill(start);
    });
}

void Recorder::DrillAnswered(const Decision& decision, double seconds,
                             const CellProgress& progress) {
    Post([decision, seconds, progress](Writer& writer) {
        writer.store.AddDrillAnswer({writer.Entry(decision, writer.drillDecks), seconds, progress});
    });
}

void Recorder::DrillEnded(const record::DrillEnd& end) {
    Post([end](Writer& writer) { writer.store.EndDrill(end); });
}

void Recorder::CountDownDone(const record::CountDownEntry& countDown) {
    Post([countDown](Writer& writer) { writer.store.AddCountDown(countDown); });
}

}  // namespace vantrel

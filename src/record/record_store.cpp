#include "record/record_store.h"

#include <chrono>
#include <exception>
#include <optional>
#include <utility>

#include "record/decision_columns.h"
#include "record/drill_writes.h"
#include "record/record_file.h"
#include "record/statement.h"

namespace vantrel::record {

std::int64_t NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

namespace {

std::string_view EndingText(VisitEnding ending) {
    switch (ending) {
        case VisitEnding::Passed:
            return "passed";
        case VisitEnding::Menu:
            return "menu";
        case VisitEnding::NoChips:
            return "no chips";
        case VisitEnding::ProgramQuit:
            return "quit";
    }
    return "menu";
}

}  // namespace

// The open database and the statements every write uses, prepared once.
struct RecordStore::Connection {
    explicit Connection(sqlite3* database) : db(database) {}
    ~Connection() {
        // The statements are finalised first, so that closing checkpoints the log and removes it.
        statements.reset();
        sqlite3_close(db);
    }

    struct Statements {
        explicit Statements(sqlite3* db)
            : beginVisit(db,
                         "INSERT INTO visits (lesson, mode, decks, started_at, chips_start, "
                         "quota_start) VALUES (?, ?, ?, ?, ?, ?)"),
              endVisit(db,
                       "UPDATE visits SET ended_at = ?, ending = ?, chips_end = ?, quota_end = ? "
                       "WHERE id = ?"),
              addRound(db,
                       "INSERT INTO rounds (visit_id, settled_at, stake, payout, net, hands, "
                       "up_card, dealer_label) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
              addHand(db,
                      "INSERT INTO round_hands (round_id, hand, bet, label, result, payout) "
                      "VALUES (?, ?, ?, ?, ?, ?)"),
              addDecision(db,
                          "INSERT INTO decisions (visit_id, round_id, taken_at, hand, cards, "
                          "up_card, chart_part, chart_row, chart_column, action, advice, "
                          "is_right, ev_taken, ev_best, ev_advice, true_count, deviation, "
                          "stake) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
              addCountAnswer(db,
                             "INSERT INTO count_answers (visit_id, answered_at, running_count, "
                             "answer, is_right, seconds) VALUES (?, ?, ?, ?, ?, ?)") {}
        Statement beginVisit, endVisit, addRound, addHand, addDecision, addCountAnswer;
    };

    sqlite3* db;
    std::optional<Statements> statements;

    void AddDecisions(std::int64_t visitId, std::optional<std::int64_t> roundId, std::int64_t now,
                      std::span<const DecisionEntry> decisions) {
        Statement& add = statements->addDecision;
        for (const DecisionEntry& decision : decisions) {
            add.Bind(1, visitId);
            roundId ? add.Bind(2, *roundId) : add.BindNull(2);
            add.Bind(3, now).Bind(4, decision.hand);
            BindDecisionColumns(add, 5, decision).Bind(18, decision.stake).Run();
        }
    }
};

RecordStore::RecordStore() = default;

RecordStore::~RecordStore() = default;

bool RecordStore::Open(const std::string& path, int busyTimeoutMs) {
    std::lock_guard lock(mutex_);
    connection_.reset();
    path_ = path;
    failed_ = false;
    mayOpenLater_ = false;
    visitId_ = 0;
    drillId_ = 0;
    WritableRecord record = OpenWritableRecord(path, busyTimeoutMs);
    setAsidePath_ = record.setAside;
    if (!record.db) {
        if (record.mayPass) {
            mayOpenLater_ = true;
            PutOff(record.error);
        } else {
            Fail(record.error);
        }
        return false;
    }
    connection_ = std::make_unique<Connection>(record.db);
    try {
        connection_->statements.emplace(record.db);
    } catch (const SqlError& error) {
        connection_.reset();
        Fail(CannotOpenMessage(path, error.message));
        return false;
    }
    if (!setAsidePath_.empty()) {
        Tell("The record " + path + " was damaged. It has been kept as " + setAsidePath_ +
             ", and a new record has been started.");
    }
    return true;
}

bool RecordStore::mayOpenLater() const {
    std::lock_guard lock(mutex_);
    return mayOpenLater_;
}

void RecordStore::Close() {
    std::lock_guard lock(mutex_);
    connection_.reset();
    visitId_ = 0;
    drillId_ = 0;
}

bool RecordStore::ok() const {
    std::lock_guard lock(mutex_);
    return connection_ && !failed_;
}

std::string RecordStore::TakeMessage() {
    std::lock_guard lock(mutex_);
    return std::exchange(untold_, {});
}

std::string RecordStore::setAsidePath() const {
    std::lock_guard lock(mutex_);
    return setAsidePath_;
}

void RecordStore::Tell(const std::string& message) {
    untold_ += untold_.empty() ? message : "\n\n" + message;
}

void RecordStore::Fail(const std::string& message) {
    failed_ = true;
    connection_.reset();
    if (!failureTold_) Tell(message);
    failureTold_ = true;
}

void RecordStore::PutOff(const std::string& message) {
    if (!putOffTold_) Tell(message);
    putOffTold_ = true;
}

template <class Write>
Outcome RecordStore::Transaction(const char* what, Write&& write) {
    if (!connection_ || failed_) return mayOpenLater_ ? Outcome::Later : Outcome::Never;
    sqlite3* db = connection_->db;
    try {
        Execute(db, "BEGIN IMMEDIATE");
        try {
            write(*connection_);
            Execute(db, "COMMIT");
        } catch (...) {
            sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
            throw;
        }
        return Outcome::Written;
    } catch (const SqlError& error) {
        const std::string reason = what + (": " + error.message);
        if (MayPass(error.code)) {
            PutOff(CannotWriteNowMessage(path_, reason));
            return Outcome::Later;
        }
        Fail(CannotWriteMessage(path_, reason));
    } catch (const std::exception& error) {
        Fail(CannotWriteMessage(path_, what + (": " + std::string(error.what()))));
    }
    return Outcome::Never;
}

Outcome RecordStore::BeginVisit(const VisitStart& visit, std::int64_t at) {
    std::lock_guard lock(mutex_);
    visitId_ = 0;
    return Transaction("writing a visit", [&](Connection& connection) {
        connection.statements->beginVisit.Bind(1, visit.lessonCode)
            .Bind(2, static_cast<int>(visit.mode))
            .Bind(3, visit.decks)
            .Bind(4, at)
            .Bind(5, visit.chips)
            .Bind(6, visit.quota)
            .Run();
        visitId_ = sqlite3_last_insert_rowid(connection.db);
    });
}

Outcome RecordStore::EndVisit(const VisitEnd& visit, std::int64_t at) {
    std::lock_guard lock(mutex_);
    if (visitId_ == 0) return Outcome::Written;
    const Outcome outcome = Transaction("ending a visit", [&](Connection& connection) {
        connection.statements->endVisit.Bind(1, at)
            .Bind(2, EndingText(visit.ending))
            .Bind(3, visit.chips)
            .Bind(4, visit.quota)
            .Bind(5, visitId_)
            .Run();
    });
    if (outcome != Outcome::Later) visitId_ = 0;
    return outcome;
}

Outcome RecordStore::AddRound(const RoundEntry& round, std::int64_t at) {
    std::lock_guard lock(mutex_);
    if (visitId_ == 0) return Outcome::Written;
    return Transaction("writing a round", [&](Connection& connection) {
        int stake = 0;
        int payout = 0;
        for (const HandEntry& hand : round.hands) {
            stake += hand.bet;
            payout += hand.payout;
        }
        connection.statements->addRound.Bind(1, visitId_)
            .Bind(2, at)
            .Bind(3, stake)
            .Bind(4, payout)
            .Bind(5, payout - stake)
            .Bind(6, static_cast<int>(round.hands.size()))
            .Bind(7, round.upCard.code())
            .Bind(8, round.dealerLabel)
            .Run();
        const std::int64_t roundId = sqlite3_last_insert_rowid(connection.db);
        int number = 0;
        for (const HandEntry& hand : round.hands) {
            connection.statements->addHand.Bind(1, roundId)
                .Bind(2, ++number)
                .Bind(3, hand.bet)
                .Bind(4, hand.label)
                .Bind(5, hand.result)
                .Bind(6, hand.payout)
                .Run();
        }
        connection.AddDecisions(visitId_, roundId, at, round.decisions);
    });
}

Outcome RecordStore::AddUnsettledDecisions(std::span<const DecisionEntry> decisions,
                                           std::int64_t at) {
    std::lock_guard lock(mutex_);
    if (visitId_ == 0 || decisions.empty()) return Outcome::Written;
    return Transaction("writing decisions", [&](Connection& connection) {
        connection.AddDecisions(visitId_, std::nullopt, at, decisions);
    });
}

Outcome RecordStore::AddCountAnswer(const CountAnswerEntry& answer, std::int64_t at) {
    std::lock_guard lock(mutex_);
    if (visitId_ == 0) return Outcome::Written;
    return Transaction("writing a count answer", [&](Connection& connection) {
        connection.statements->addCountAnswer.Bind(1, visitId_)
            .Bind(2, at)
            .Bind(3, answer.runningCount)
            .Bind(4, answer.answer)
            .Bind(5, answer.right() ? 1 : 0)
            .Bind(6, answer.seconds)
            .Run();
    });
}

Outcome RecordStore::AddInsuranceChoice(const InsuranceEntry& choice, std::int64_t at) {
    std::lock_guard lock(mutex_);
    if (visitId_ == 0) return Outcome::Written;
    return Transaction("writing an insurance choice", [&](Connection& connection) {
        Statement(connection.db,
                  "INSERT INTO insurance_choices (visit_id, taken_at, cards, true_count, taken, "
                  "is_right, stake) VALUES (?, ?, ?, ?, ?, ?, ?)")
            .Bind(1, visitId_)
            .Bind(2, at)
            .Bind(3, CardsText(choice.cards))
            .Bind(4, choice.trueCount)
            .Bind(5, choice.taken ? 1 : 0)
            .Bind(6, choice.right ? 1 : 0)
            .Bind(7, choice.stake)
            .Run();
    });
}

Outcome RecordStore::BeginDrill(const DrillStart& start, std::int64_t at) {
    std::lock_guard lock(mutex_);
    drillId_ = 0;
    return Transaction("writing a drill", [&](Connection& connection) {
        drillId_ = InsertDrillSession(connection.db, start, at);
    });
}

Outcome RecordStore::AddDrillAnswer(const DrillAnswerEntry& answer, std::int64_t at) {
    std::lock_guard lock(mutex_);
    if (drillId_ == 0) return Outcome::Written;
    return Transaction("writing a drill answer", [&](Connection& connection) {
        InsertDrillAnswer(connection.db, drillId_, answer, at);
    });
}

Outcome RecordStore::EndDrill(const DrillEnd& end, std::int64_t at) {
    std::lock_guard lock(mutex_);
    if (drillId_ == 0) return Outcome::Written;
    const Outcome outcome = Transaction("ending a drill", [&](Connection& connection) {
        EndDrillSession(connection.db, drillId_, end, at);
    });
    if (outcome != Outcome::Later) drillId_ = 0;
    return outcome;
}

Outcome RecordStore::AddCountDown(const CountDownEntry& countDown, std::int64_t at) {
    std::lock_guard lock(mutex_);
    return Transaction("writing a count-down", [&](Connection& connection) {
        InsertCountDown(connection.db, countDown, at);
    });
}

Outcome RecordStore::AddIndexDrillAnswer(const IndexDrillAnswerEntry& answer, std::int64_t at) {
    std::lock_guard lock(mutex_);
    return Transaction("writing an index drill answer", [&](Connection& connection) {
        InsertIndexDrillAnswer(connection.db, answer, at);
    });
}

}  // namespace vantrel::record

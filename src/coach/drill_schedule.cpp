#include "coach/drill_schedule.h"

#include <algorithm>

namespace vantrel {

namespace {

// Sessions a cell waits after a right answer, by the box it then lies in.
constexpr std::array<int, CellProgress::kTopBox + 1> kWait = {0, 1, 2, 4, 8, 16, 32};

// Of the cells that are candidates, one of those that `better` (a strict order) puts first, at
// random.
template <class Candidate, class Better>
int RandomBest(int count, Candidate&& candidate, Better&& better, Random& random) {
    std::vector<int> best;
    for (int i = 0; i < count; ++i) {
        if (!candidate(i)) continue;
        if (!best.empty() && better(best.front(), i)) continue;
        if (!best.empty() && better(i, best.front())) best.clear();
        best.push_back(i);
    }
    return best.empty() ? -1 : best[random.RandomBelow(static_cast<int>(best.size()))];
}

}  // namespace

DrillSchedule::DrillSchedule(int session, const std::vector<CellProgress>& known, Random& random)
    : DrillSchedule(session, known, random,
                    std::vector<ChartCell>(JudgedCells().begin(), JudgedCells().end())) {}

DrillSchedule::DrillSchedule(int session, const std::vector<CellProgress>& known, Random& random,
                             const std::vector<ChartCell>& cells)
    : session_(session), random_(random), cells_(cells.size()) {
    for (std::size_t i = 0; i < cells.size(); ++i) cells_[i].progress.cell = cells[i];
    for (const CellProgress& progress : known) {
        const int i = IndexOf(progress.cell);
        if (i >= 0) cells_[i].progress = progress;
    }
}

int DrillSchedule::IndexOf(const ChartCell& cell) const {
    for (int i = 0; i < CellCount(); ++i)
        if (cells_[i].progress.cell == cell) return i;
    return -1;
}

void DrillSchedule::MissedAtTable(const ChartCell& cell) {
    const int i = IndexOf(cell);
    if (i < 0) return;
    cells_[i].progress.box = 1;
    cells_[i].progress.dueSession = session_;
    if (std::find(tableMisses_.begin(), tableMisses_.end(), i) == tableMisses_.end())
        tableMisses_.push_back(i);
}

bool DrillSchedule::IsDue(int i) const {
    const CellInSession& c = cells_[i];
    if (c.done) return false;
    if (c.missed) return true;
    return c.progress.box > 0 && c.progress.dueSession <= session_;
}

int DrillSchedule::DueCount() const {
    int due = 0;
    for (int i = 0; i < CellCount(); ++i) due += IsDue(i) ? 1 : 0;
    return due;
}

const CellProgress& DrillSchedule::ProgressOf(const ChartCell& cell) const {
    return cells_[std::max(IndexOf(cell), 0)].progress;
}

ChartCell DrillSchedule::Next() {
    ++cardsAsked_;
    int next = TableMissDue();
    if (next < 0) next = MissedCellDue();
    const bool dueFit = DueCount() < kSessionCards - cardsAsked_ + 1;
    if (next < 0 && dueFit && cardsAsked_ % kNewEvery == 0) next = NewCell();
    if (next < 0) next = DueCell();
    if (next < 0) next = NewCell();
    if (next < 0) next = LeastRecentlyDueCell();
    asked_ = next < 0 ? random_.RandomBelow(CellCount()) : next;
    return cells_[asked_].progress.cell;
}

CellProgress DrillSchedule::Answer(bool right) {
    if (asked_ < 0) return {};
    CellInSession& asked = cells_[asked_];
    CellProgress& progress = asked.progress;
    if (!right) {
        asked.missed = true;
        asked.againAtCard = std::min(cardsAsked_ + kAgainAfter + 1, kSessionCards);
        progress.box = 1;
        progress.dueSession = session_ + 1;
    } else {
        asked.done = true;
        // Right again after a miss of this session: still due first thing in the next one.
        if (!asked.missed)
            progress.box = std::min(std::max(progress.box, 1) + 1, CellProgress::kTopBox);
        progress.dueSession = session_ + kWait[progress.box];
    }
    return progress;
}

int DrillSchedule::TableMissDue() const {
    for (const int i : tableMisses_)
        if (!cells_[i].done && !cells_[i].missed) return i;
    return -1;
}

int DrillSchedule::MissedCellDue() const {
    int found = -1;
    for (int i = 0; i < CellCount(); ++i) {
        const CellInSession& c = cells_[i];
        if (c.missed && !c.done && c.againAtCard <= cardsAsked_ &&
            (found < 0 || c.againAtCard < cells_[found].againAtCard))
            found = i;
    }
    return found;
}

int DrillSchedule::NewCell() {
    return RandomBest(
        CellCount(),
        [this](int i) {
            return cells_[i].progress.box == 0 && !cells_[i].done && !cells_[i].missed;
        },
        [](int, int) { return false; }, random_);
}

int DrillSchedule::DueCell() {
    // The session from which a cell would be a whole wait late.
    const auto rank = [this](int i) {
        const CellProgress& progress = cells_[i].progress;
        return progress.dueSession + kWait[progress.box];
    };
    return RandomBest(
        CellCount(),
        [this](int i) {
            const CellInSession& c = cells_[i];
            return c.progress.box > 0 && !c.done && !c.missed && c.progress.dueSession <= session_;
        },
        [&rank](int a, int b) { return rank(a) < rank(b); }, random_);
}

int DrillSchedule::LeastRecentlyDueCell() {
    return RandomBest(
        CellCount(), [this](int i) { return !cells_[i].done && !cells_[i].missed; },
        [this](int a, int b) {
            return cells_[a].progress.dueSession < cells_[b].progress.dueSession;
        },
        random_);
}

}  // namespace vantrel

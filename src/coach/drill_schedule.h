#pragma once

#include <array>
#include <vector>

#include "coach/chart_cells.h"
#include "engine/chart_cell.h"
#include "engine/random.h"

namespace vantrel {

// How well the student knows one chart cell, in Leitner boxes: box 0 holds the cells never
// asked, box 1 the cells last answered wrong, and each right answer in a row moves a cell one box
// up, to kTopBox at most. A cell is due again from drill session `dueSession` on.
struct CellProgress {
    static constexpr int kTopBox = 6;
    ChartCell cell;
    int box = 0;
    int dueSession = 0;
    bool operator==(const CellProgress&) const = default;
};

// Which chart cell a strategy drill asks next. Drill sessions are numbered from 1 and hold
// kSessionCards cards. The mistakes made at the table since the last session come first, the
// latest first. Within a session, a cell missed comes back after kAgainAfter other cards, and a
// cell answered right is done for the session. A cell missed in a drill is due in the next
// session; a cell right n times in a row waits 2, 4, 8, 16 and then 32 sessions: the better known,
// the more rarely asked. Due cells are asked by how soon they would be a whole wait late. Cells
// never asked come in, one card in kNewEvery, only while the due cells fit in what is left of the
// session, so that the reviews never pile up; they fill the session when nothing else is due.
class DrillSchedule {
  public:
    static constexpr int kSessionCards = 20;
    static constexpr int kAgainAfter = 3;
    static constexpr int kNewEvery = 3;

    // The session `session` begins, with what the record knows of the cells: every judged chart
    // cell, or only `cells` (e.g. the index plays' cells).
    DrillSchedule(int session, const std::vector<CellProgress>& known, Random& random);
    DrillSchedule(int session, const std::vector<CellProgress>& known, Random& random,
                  const std::vector<ChartCell>& cells);

    // A decision at the table that was wrong: the cell is due in this session, before every
    // other cell and after the table's mistakes given before it. Give the latest first.
    void MissedAtTable(const ChartCell& cell);

    // The cell of the next card.
    ChartCell Next();
    // Takes the answer to the cell asked last; returns the cell's progress as it now stands.
    CellProgress Answer(bool right);

    int session() const { return session_; }
    // The cells still to ask in this session before any new one: the due cells and the mistakes.
    int DueCount() const;
    const CellProgress& ProgressOf(const ChartCell& cell) const;

  private:
    struct CellInSession {
        CellProgress progress;
        bool done = false;    // answered right in this session
        bool missed = false;  // answered wrong in this session
        int againAtCard = 0;  // missed and not yet answered right: asked again from this card on
    };

    // The cells to choose from, each rule in turn; -1 when a rule finds none.
    int TableMissDue() const;
    int MissedCellDue() const;
    int NewCell();
    int DueCell();
    int LeastRecentlyDueCell();

    int session_;
    Random& random_;
    bool IsDue(int i) const;
    int IndexOf(const ChartCell& cell) const;
    int CellCount() const { return static_cast<int>(cells_.size()); }

    std::vector<CellInSession> cells_;
    std::vector<int> tableMisses_;  // cell indices, the latest mistake first
    int cardsAsked_ = 0;
    int asked_ = -1;  // the index of the cell asked last
};

}  // namespace vantrel

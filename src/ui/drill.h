#pragma once

#include <QElapsedTimer>
#include <memory>
#include <optional>

#include "coach/chart_cells.h"
#include "coach/drill_schedule.h"
#include "coach/strategy_table.h"
#include "engine/action.h"
#include "engine/random.h"
#include "record/entries.h"
#include "strategy/hand_ev.h"
#include "strategy/master_figures.h"
#include "ui/hand_values.h"
#include "ui/pictures.h"
#include "ui/screen.h"

class QLabel;
class QPushButton;

namespace vantrel {

// The strategy drill: sessions of kSessionCards two-card hands against an up card, the cells
// chosen by the student's schedule. Each answer, by button or key (H, S, D, P), is judged at once
// as the table judges the first hand of a round, shown with the value of every action for the
// decks in force, and kept in the record. For a moment after the verdict keys and clicks are
// dropped, so that a key meant for this card cannot skip the next; then any key or click brings
// the next card.
class Tf_drill : public Screen {
    Q_OBJECT
  public:
    // How long the verdict stands before a key or click may move on.
    static constexpr int kVerdictHoldMs = 500;

    Tf_drill(Session& session, Tf_mdi& mdi);

    // Activation: a new session.
    void FormShow() override;
    void ApplicationQuitting() override { ++run_; }
    // In the index mode, the index play of the card asked; nullptr otherwise.
    const strategy::IndexNumber* AskedIndexPlay() const {
        return indexMode_ ? indexPlay_ : nullptr;
    }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent*) override {}

  private:
    // Asking: the answer buttons wait. Holding: the verdict stands and input is dropped.
    // Moving on: any key or click brings the next card, or the score after the last. Finished:
    // the score stands; any key or click starts another session.
    enum class Phase { Preparing, Asking, Holding, MovingOn, Finished };

    void StartSession();
    bool TakeJudgingChart(int run);
    void NextCard();
    void Answer(Action action);
    void AnswerIndexPlay(Action action, int run);
    // A hand of the cell whose own best play is the chart's advice, where the cell has one.
    DrillHand HandToAsk(const ChartCell& cell);
    void ShowValues();
    // One line where the hand's own best play is not the chart's, which goes by the total.
    void ShowChartNote(std::optional<double> best);
    void ShowScore();
    void MoveOn();
    void ShowBalloon(const QString& text);
    void bbtn_backClick();

    Phase phase_ = Phase::Preparing;
    int run_ = 0;  // counts the sessions begun and left: a flow that waited stops when it moved
    Random random_;
    std::unique_ptr<DrillSchedule> schedule_;
    std::optional<record::DrillStart> unrecordedStart_;  // until the session's first answer
    StrategyTable chart_;
    Pictures pictures_;
    HandValues values_;
    strategy::HandEv ev_;  // for choosing the hands
    std::optional<strategy::ActionValues> shownValues_;
    bool valuesKnown_ = false;
    DrillHand hand_;
    int cards_ = 0;
    int right_ = 0;
    double sessionSeconds_ = 0;  // from the first card to the last answer
    QElapsedTimer sessionClock_;
    QElapsedTimer cardClock_;
    QPushButton* bbtn_split_;
    // The index mode: the figures it drills by, the play and the true count of the card asked.
    QPushButton* bbtn_index_;
    bool indexMode_ = false;
    std::shared_ptr<const strategy::MasterFigures> figures_;
    const strategy::IndexNumber* indexPlay_ = nullptr;
    int trueCount_ = 0;
    int indexSession_ = 1;  // the index drill's own session number
};

}  // namespace vantrel

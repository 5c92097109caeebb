#pragma once

#include <QElapsedTimer>
#include <QTimer>

#include "engine/random.h"
#include "engine/shoe.h"
#include "ui/pictures.h"
#include "ui/screen.h"

namespace vantrel {

// The count-down drill: one deck or half of one dealt card by card at a chosen pace, or at the
// student's own (any key or click the next card); then the running count is asked on the course's
// count-point keypad, and the answer and the time taken are shown against the target of
// kTargetSecondsPerDeck a deck and kept in the record. "Back", here or on the keypad, leaves the
// drill and keeps nothing of a count-down not answered.
class Tf_countdown : public Screen {
    Q_OBJECT
  public:
    static constexpr int kTargetSecondsPerDeck = 30;

    Tf_countdown(Session& session, Tf_mdi& mdi);

    void FormShow() override;
    void ApplicationQuitting() override { StopDealing(); }

    // The cards dealt so far, with their running count.
    const Shoe& shoe() const { return shoe_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void ShowChoices();
    void bbtn_startClick();
    // The next card, or the question once the last one has had its time.
    void DealNext();
    void StopDealing();
    void AskTheCount(double seconds);
    void ShowResult(int answer, double seconds);
    void bbtn_backClick();

    int cards_ = 52;
    int paceMs_ = 500;  // 0: the student's own pace
    bool dealing_ = false;
    int dealt_ = 0;
    Random random_;
    Shoe shoe_;
    Pictures pictures_;
    QTimer pace_;
    QElapsedTimer clock_;
};

}  // namespace vantrel

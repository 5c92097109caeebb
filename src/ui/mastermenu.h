#pragma once

#include <QTimer>

#include "ui/screen.h"

class QLabel;

namespace vantrel {

// The Master Course menu: the true count, betting by it, index plays, and the exam on skill.
// Its lessons wait until the figures they teach and judge by are known.
class Tf_mastermenu : public Screen {
    Q_OBJECT
  public:
    Tf_mastermenu(Session& session, Tf_mdi& mdi);

    void FormShow() override;

  private:
    // Enables the lessons once the figures are known, and says why they wait until then.
    void ShowFiguresState();

    QLabel* l_figures_;
    QTimer figuresPoll_;
};

}  // namespace vantrel

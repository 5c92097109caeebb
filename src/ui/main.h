#pragma once

#include "ui/screen.h"

class QLabel;

namespace vantrel {

// The start screen: the title picture, and the way into the course or out of the program.
class Tf_main : public Screen {
    Q_OBJECT
  public:
    Tf_main(Session& session, Tf_mdi& mdi);

    // Runs once, when the start screen is first shown: finds the data directory, shows the title
    // and loads the settings and the strategy chart. Until it has run no screen does any work.
    void SetUp();

  private:
    void bbtn_goodluckClick();

    QLabel* img_title_;
};

}  // namespace vantrel

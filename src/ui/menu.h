#pragma once

#include "ui/screen.h"

class QPushButton;

namespace vantrel {

// The General Course menu: the six lessons of the General Course.
class Tf_menu : public Screen {
    Q_OBJECT
  public:
    Tf_menu(Session& session, Tf_mdi& mdi);

    void FormShow() override;

    // The way to the Professional Course; once shown it stays.
    void ShowProButton();

  private:
    QPushButton* bbtn_pro_;
};

}  // namespace vantrel

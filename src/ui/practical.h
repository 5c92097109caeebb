#pragma once

#include "ui/screen.h"

namespace vantrel {

// The practice table.
class Tf_practical : public Screen {
    Q_OBJECT
  public:
    Tf_practical(Session& session, Tf_mdi& mdi);

    void FormShow() override {}
};

}  // namespace vantrel

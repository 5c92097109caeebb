#pragma once

#include "ui/screen.h"

namespace vantrel {

// The Professional Course menu: counting, its practice, the second exam and the free-play room.
class Tf_promenu : public Screen {
    Q_OBJECT
  public:
    Tf_promenu(Session& session, Tf_mdi& mdi);

    void FormShow() override;
};

}  // namespace vantrel

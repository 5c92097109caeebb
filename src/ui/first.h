#pragma once

#include "ui/screen.h"

class QPlainTextEdit;

namespace vantrel {

// The introduction: the terms a new student agrees to before the course opens.
class Tf_first : public Screen {
    Q_OBJECT
  public:
    Tf_first(Session& session, Tf_mdi& mdi);

    void FormShow() override;

  private:
    void bbtn_okClick();

    QPlainTextEdit* m_first_;
};

}  // namespace vantrel

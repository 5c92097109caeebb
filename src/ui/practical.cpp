#include "ui/practical.h"

namespace vantrel {

Tf_practical::Tf_practical(Session& session, Tf_mdi& mdi) : Screen(session, mdi, "Practice") {
    setObjectName("Tf_practical");
}

}  // namespace vantrel

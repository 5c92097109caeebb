#include "ui/quitting.h"

namespace vantrel {

namespace {
bool quitting = false;
}  // namespace

void MarkApplicationQuitting() {
    quitting = true;
}

bool IsApplicationQuitting() {
    return quitting;
}

}  // namespace vantrel

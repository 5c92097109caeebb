#pragma once

#include <iosfwd>

#include "strategy/master_figures.h"

namespace vantrel::lab {

// `master`'s report: every figure the Master Course quotes, as a person reads it.
void WriteMasterReport(std::ostream& out, const strategy::MasterFigures& figures);

}  // namespace vantrel::lab

#pragma once

namespace vantrel::lab {

// `vantrel-lab bench --ev`: prints what the shared calculator's questions cost.
int RunEvBench();

}  // namespace vantrel::lab

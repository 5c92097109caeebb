#pragma once

#include <QString>

class QLabel;

namespace vantrel {

// Writes what a lesson came to (the Master Exam's figures, a line each) onto its closing page's
// picture, below the page's heading; on a plain page when the picture is missing.
void DrawClosingReport(QLabel* picture, const QString& report);

}  // namespace vantrel

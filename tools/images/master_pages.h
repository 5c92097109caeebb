#pragma once

#include <QImage>
#include <string>
#include <vector>

#include "lecture_pages.h"
#include "strategy/master_figures.h"

namespace vantrel::art {

// The Master Course's lectures, "True Count & Betting" (ML1) and "Index Plays" (ML4). Their
// figures are the lab's for the rules in force, known only when the program runs: the build
// draws the pages that need none, and for each figure page a picture saying the figures are
// being worked out, which the lecture shows until it can draw the page from them.
std::vector<LecturePage> MasterPages();

bool IsMasterFigurePage(const std::string& code, int page);

// A figure page drawn from the figures, scale device pixels to a design pixel; a null image for a
// page that is not one.
QImage MasterFigurePage(const std::string& code, int page, const strategy::MasterFigures& figures,
                        qreal scale = 1);

}  // namespace vantrel::art

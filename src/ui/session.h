#pragma once

#include <memory>
#include <string>

#include "app/app_state.h"
#include "app/progress_paths.h"
#include "app/settings.h"
#include "app/view_scale.h"
#include "engine/lesson_setup.h"
#include "strategy/deck_figures.h"
#include "strategy/judging_chart.h"
#include "strategy/master_figures.h"

namespace vantrel {

class Recorder;
class MasterFiguresWork;

// The state the screens share for the life of the program.
struct Session {
    AppState appState = AppState::Starting;
    std::string appDir;         // the data directory: the current directory at start-up
    Installation installation;  // where progress is kept; an installed copy's data directory
    Settings settings;
    // The window's scale as the settings file holds it, and as the window was made with at start.
    ViewScale viewScale = ViewScale::Desktop;
    ViewScale startViewScale = ViewScale::Desktop;
    strategy::ChartFile chartFile;  // its chart is the lectures' chart
    // The calculator's figures for the decks that the Rules screen and the table ask about.
    strategy::DeckFigures deckFigures;
    LessonSetup lesson;
    // Where the lecture returns to: 1 the General Course menu, 2 the Professional Course menu,
    // 3 the Record screen (a chart page opened from a mistake), 4 the Master Course menu.
    int returnMenu = 1;
    // Keeps the student's record as the table plays; none in a run that records nothing.
    std::shared_ptr<Recorder> recorder;
    // The Master Course's figures for the DECK and PLAYPER in force; null until they are known.
    std::shared_ptr<const strategy::MasterFigures> masterFigures;
    // What the last lesson's closing page adds to its text (the Master Exam's figures).
    std::string closingReport;
    // Gets them (ui/master_figures_request.h); going, it stops the work.
    std::shared_ptr<MasterFiguresWork> masterFiguresWork;
    bool toldProgressNotKept = false;  // with no home folder, the student is told once
};

}  // namespace vantrel

#pragma once

#include <string>

#include "app/app_state.h"
#include "app/progress_paths.h"
#include "app/settings.h"
#include "engine/lesson_setup.h"
#include "strategy/deck_figures.h"
#include "strategy/judging_chart.h"

namespace vantrel {

// The state the screens share for the life of the program.
struct Session {
    AppState appState = AppState::Starting;
    std::string appDir;         // the data directory: the current directory at start-up
    Installation installation;  // where progress is kept; an installed copy's data directory
    Settings settings;
    strategy::ChartFile chartFile;  // its chart is the lectures' chart
    // The calculator's figures for the decks that the Rules screen and the table ask about.
    strategy::DeckFigures deckFigures;
    LessonSetup lesson;
    int returnMenu = 1;  // the menu the lecture returns to: 1 General, 2 Professional
};

}  // namespace vantrel

#pragma once

#include <string>

namespace vantrel {

struct Session;

// The Master Course's figures (session.masterFigures) for the DECK and PLAYPER in force, for any
// screen. A screen asks, then polls until they are known, showing the wait text meanwhile:
//
//     RequestMasterFigures(session());       // when shown; again after the settings change
//     if (!MasterFiguresReady(session())) {  // disable what needs them, show
//         ...                                 // MasterFiguresWaitText(session()), and look
//     }                                       // again on a QTimer, e.g. every 250 ms
//
// The figures are read from a file kept before (beside the settings file, or shipped with the
// data for the default settings) or worked out by the lab's library on threads of their own, at
// a low priority, about half a minute on two cores, and then kept beside the settings file when
// its folder exists. session.masterFigures is null while they are not known and is set on the
// user-interface thread (from Qt's event loop) when they are. Nothing here waits for the work.

// Starts getting the figures for the settings in force unless they are known or on their way;
// drops figures for other settings, and stops the work for them.
void RequestMasterFigures(Session& session);

// Whether session.masterFigures hold the figures for the DECK and PLAYPER in force.
bool MasterFiguresReady(const Session& session);

// What a waiting screen says: "Working out the figures… 40 %", or that they could not be worked
// out (or were never asked for); empty when they are ready.
std::string MasterFiguresWaitText(const Session& session);

// The file that keeps the figures of a shoe: "master-6-60.txt" in the data folder, or beside the
// settings file "vantrel.INI" as "vantrel.master-6-60.txt".
std::string MasterFiguresFileName(int decks, int penetration);
std::string KeptMasterFiguresPath(const std::string& settingsFile, int decks, int penetration);

}  // namespace vantrel

#pragma once

namespace vantrel {

struct Session;

// Starts keeping the student's record where the progress paths put it, beside the settings file,
// once its folder exists: at start-up, or after the save that made the folder. The recorder
// opens it on its own thread. Does nothing when the record is kept already.
void StartRecording(Session& session);

// Tells the student, in a message box naming the file, what went wrong with the record and has
// not been told yet: at most once a run that it cannot be kept. Called only at calm moments:
// when a course menu, the Record screen or the table (before it is set up) comes to the front.
void TellRecordTrouble(Session& session);

}  // namespace vantrel

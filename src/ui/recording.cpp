#include "ui/recording.h"

#include <filesystem>

#include "recorder/recorder.h"
#include "ui/message_box.h"
#include "ui/session.h"

namespace vantrel {

void StartRecording(Session& session) {
    const std::string& record = session.installation.progress.record;
    if (session.recorder || record.empty()) return;
    // The progress folder is made by the first save, for the user alone; until then there is
    // nowhere to keep a record, and nothing is made.
    std::error_code ignored;
    if (!std::filesystem::is_directory(std::filesystem::path(record).parent_path(), ignored))
        return;
    session.recorder = std::make_shared<Recorder>(record);
}

void TellRecordTrouble(Session& session) {
    if (!session.recorder) return;
    const std::string message = session.recorder->TakeMessage();
    if (!message.empty()) ShowMessageBox(QString::fromStdString(message));
}

}  // namespace vantrel

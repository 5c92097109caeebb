#include "ui/recording.h"

#include "recorder/recorder.h"
#include "ui/message_box.h"
#include "ui/session.h"

namespace vantrel {

void StartRecording(Session& session) {
    session.recorder = std::make_shared<Recorder>(session.installation.progress.record);
}

void TellRecordTrouble(Session& session) {
    if (!session.recorder) return;
    const std::string message = session.recorder->TakeMessage();
    if (!message.empty()) ShowMessageBox(QString::fromStdString(message));
}

}  // namespace vantrel

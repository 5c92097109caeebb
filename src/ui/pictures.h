#pragma once

#include <QPixmap>
#include <QStringList>
#include <map>
#include <string>
#include <utility>

#include "engine/card.h"

class QWidget;

namespace vantrel {

struct Session;

// The card and chip pictures of the data directory for the screen that shows them, each file read
// once for the screen's pixel density (ReadPicture). A file that cannot be read is noted and drawn
// as a plain card with its name, so that a screen stays usable.
class Pictures {
  public:
    Pictures(const Session& session, const QWidget& screen) : session_(session), screen_(screen) {}

    QPixmap Picture(const std::string& path);
    QPixmap Face(const Card& card);
    QPixmap Back();
    // Reads every card picture now, so that a missing one is reported once, before it is needed.
    void ReadCards();

    // Names the pictures that could not be read since the last report in one message box.
    void ReportMissing();

  private:
    const Session& session_;
    const QWidget& screen_;
    // By path and device pixel ratio: a window moved to a screen of another density reads again.
    std::map<std::pair<std::string, qreal>, QPixmap> pictures_;
    QStringList missing_;
};

}  // namespace vantrel

#pragma once

#include <QPixmap>
#include <QStringList>
#include <map>
#include <string>

#include "engine/card.h"

namespace vantrel {

struct Session;

// The card and chip pictures of the data directory, each file read once. A file that cannot be
// read is noted and drawn as a plain card with its name, so that a screen stays usable.
class Pictures {
  public:
    explicit Pictures(const Session& session) : session_(session) {}

    QPixmap Picture(const std::string& path);
    QPixmap Face(const Card& card);
    QPixmap Back();
    // Reads every card picture now, so that a missing one is reported once, before it is needed.
    void ReadCards();

    // Names the pictures that could not be read since the last report in one message box.
    void ReportMissing();

  private:
    const Session& session_;
    std::map<std::string, QPixmap> pictures_;
    QStringList missing_;
};

}  // namespace vantrel

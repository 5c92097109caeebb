#pragma once

#include <QImage>
#include <QObject>
#include <QPixmap>
#include <QString>
#include <array>
#include <map>
#include <string>
#include <vector>

#include "chips_ledger.h"
#include "engine/table_state.h"

class QLabel;
class QPushButton;
class QWidget;

namespace vantrel {
class Table;
class Tf_mdi;
class Tf_practical;
}  // namespace vantrel

namespace vantrel::soak {

// Checks the table screen and its engine from outside, after every engine step and after every
// other event: the table's own consistency check, the chips ledger, and that the screen shows
// what the engine holds. Counts the faults and prints the first few with the table's state.
class TableAudit {
  public:
    TableAudit(Tf_mdi& frame, Tf_practical& screen, const std::string& appDir);
    ~TableAudit();
    TableAudit(const TableAudit&) = delete;
    TableAudit& operator=(const TableAudit&) = delete;

    void AfterStep() { Audit(true); }
    void AfterEvent() { Audit(false); }

    // Printed with every reported fault, e.g. the seed that reproduces the run.
    void SetContext(std::string context) { context_ = std::move(context); }

    int violations() const { return violations_; }
    int roundsSettled() const { return ledger_.roundsSettled(); }

  private:
    void Audit(bool atStep);
    LedgerView ReadLedger() const;
    std::string CheckScreen();
    std::string CheckSlots();
    std::string CheckResults() const;
    std::string CheckMoney() const;
    // The data file a picture came from: a card code, "back", or "?" for none of them.
    std::string PictureName(const QPixmap& picture);
    std::string DescribeTable() const;
    void Report(const std::string& fault, bool atStep);

    Tf_mdi& frame_;
    Tf_practical& screen_;
    const Table& table_;
    std::array<QLabel*, kSlotCount> slots_{};
    std::array<QPushButton*, 4> actions_{};
    QPushButton* menu_ = nullptr;
    std::vector<std::pair<std::string, QImage>> references_;
    std::map<qint64, std::string> pictureNames_;
    QMetaObject::Connection visits_;
    ChipsLedger ledger_;
    std::string context_;
    std::string lastFault_;
    int violations_ = 0;
};

}  // namespace vantrel::soak

#pragma once

#include <QString>
#include <QTimer>
#include <array>
#include <future>
#include <memory>
#include <string>

#include "coach/chart_gate.h"
#include "coach/coach.h"
#include "engine/table.h"
#include "engine/table_view.h"
#include "master/master_coach.h"
#include "ui/pictures.h"
#include "ui/screen.h"

class QLabel;
class QPushButton;

namespace vantrel {

class DiscardTray;

// The practice table: draws what the table engine shows and passes the student's clicks,
// gestures, keys and timer ticks to it.
class Tf_practical : public Screen, public TableView {
    Q_OBJECT
  public:
    Tf_practical(Session& session, Tf_mdi& mdi);

    // Activation: sets the table up for the current lesson.
    void FormShow() override;
    void ApplicationQuitting() override;

    Table& table() { return table_; }

    // What the engine asks of the screen.
    void Delay(int ms) override;
    void SetText(Control control, std::string_view text) override;
    void SetVisible(Control control, bool visible) override;
    void SetEnabled(Control control, bool enabled) override;
    void EnableActions(bool on) override;
    void ShowCardFace(int slot, const Card& card) override;
    void ShowCardBack(int slot) override;
    void SetSlotVisible(int slot, bool visible) override;
    void LoadChipBitmaps() override;
    void SetStartTimer(bool running) override;
    int ShowMessageBox(std::string_view text) override;
    int AskCountPoint() override;
    void ShowClosingPage() override;
    void ShowCourseMenu(Course course) override;
    void ShowDiscardTray(bool shown, int cardsDealt, int decks) override;
    int AskTrueCount() override;

    MasterCoach& masterCoach() { return masterCoach_; }
    void OfferInsurance(bool offered) override;
    void ShowEvLine(std::shared_future<std::string> line) override;

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildLayout();
    void ConnectControls();
    bool OnSurface(const QMouseEvent* event) const;
    // The click handler of a chip picture or of the "BET" label beside it; null for any other.
    using ChipHandler = void (Table::*)();
    ChipHandler ChipClick(const QObject* control) const;
    template <typename T>
    T* Find(const QString& name) const {
        return findChild<T*>(name, Qt::FindDirectChildrenOnly);
    }

    Pictures pictures_;
    // The chart of the current visit, fixed at its set-up: later rules wait for the next visit.
    StrategyTable judgingChart_;
    Table table_;
    Coach coach_;
    ChartGate chartGate_;
    MasterCoach masterCoach_;
    // The Master Course's figures of the current visit, kept for as long as it lasts.
    std::shared_ptr<const strategy::MasterFigures> visitFigures_;
    DiscardTray* tray_ = nullptr;
    QTimer tm_start_;
    // Looks for the values after a deviation, worked out off this thread, until they are ready.
    QTimer evPoll_;
    std::shared_future<std::string> pendingEv_;
    std::array<QWidget*, static_cast<int>(Control::Count)> controls_{};
    std::array<QLabel*, kSlotCount> slots_{};
    std::array<QPushButton*, 4> actions_{};
    int waitsRunning_ = 0;  // Delay calls not yet returned, nested in each other
};

}  // namespace vantrel

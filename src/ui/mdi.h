#pragma once

#include <QMainWindow>
#include <map>

class QStackedWidget;

namespace vantrel {

struct Session;
class Screen;
class Tf_cpin;
class Tf_menu;

enum class ScreenId {
    First,
    Menu,
    ProMenu,
    MasterMenu,
    Lecture,
    Practical,
    Rules,
    Record,
    Drill,
    CountDown,
    Main
};

// The frame window: a fixed 632 x 453 client area hosting one full-size screen at a time.
class Tf_mdi : public QMainWindow {
    Q_OBJECT
  public:
    explicit Tf_mdi(Session& session);

    // Start-up hands over each screen as it is created, and the count-point dialog last.
    void AddScreen(ScreenId id, Screen* screen);
    void SetCountDialog(Tf_cpin* dialog);

    // Brings the screen to the front and then runs its activation handler. Nothing else
    // activates a screen, so a message box closing over it never does.
    void ShowScreen(ScreenId id);
    Screen* CurrentScreen() const;

    // Quits without asking and without saving: every screen gets to stop, pending waits end and
    // every event loop returns.
    void QuitApplication();

    Tf_cpin& CountDialog();
    Tf_menu& GeneralMenu();

    // Places the window in the middle of its screen's available area.
    void CenterOnScreen();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    Session& session_;
    QStackedWidget* stack_;
    std::map<ScreenId, Screen*> screens_;
    Tf_cpin* countDialog_ = nullptr;
};

}  // namespace vantrel

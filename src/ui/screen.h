#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <optional>

#include "app/view_scale.h"

class QLabel;

namespace vantrel {

struct Session;
class Tf_mdi;

// A full-size screen of the frame, with the common look: dark green-blue background and a black
// title band whose outline colour belongs to the screen.
class Screen : public QWidget {
    Q_OBJECT
  public:
    Screen(Session& session, Tf_mdi& mdi, const QString& caption, QColor outline = Qt::white);

    // The activation handler: the frame calls it each time it brings this screen to the front.
    // It does its work only while the application is running.
    virtual void FormShow() {}

    // The student quits: a last chance to stop what this screen is doing.
    virtual void ApplicationQuitting() {}

  protected:
    // The arrow keys move the focus from control to control in layout order, as Tab does.
    void keyPressEvent(QKeyEvent* event) override;

    bool IsRunning() const;
    Session& session() const { return session_; }
    Tf_mdi& mdi() const { return mdi_; }
    QLabel* titleLabel() const { return title_; }
    // Saves the settings where progress is kept, with the window's scale when one is given, in one
    // write; a failure is shown in an error box.
    bool SaveProgressOrShowError(std::optional<ViewScale> viewScale = std::nullopt);

  private:
    Session& session_;
    Tf_mdi& mdi_;
    QLabel* title_;
};

// Shift, Control, Alt, Meta and the like: pressed alone they are not "any key".
bool IsModifierKey(int key);

}  // namespace vantrel

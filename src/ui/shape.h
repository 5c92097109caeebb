#pragma once

#include <QColor>
#include <QWidget>

namespace vantrel {

// A drawn shape control: rectangle, rounded rectangle or circle, with an optional fill and an
// outline of a given width. It takes no part in mouse handling beyond being a control.
class Shape : public QWidget {
    Q_OBJECT
  public:
    enum class Form { Rectangle, RoundRect, Circle };

    Shape(QWidget* parent, Form form, QColor fill, QColor outline, int outlineWidth);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Form form_;
    QColor fill_;  // invalid: no fill
    QColor outline_;
    int outlineWidth_;
};

}  // namespace vantrel

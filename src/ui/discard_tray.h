#pragma once

#include <QWidget>

namespace vantrel {

// The Master Course's discard tray beside the dealer: the cards dealt since the shuffle as a
// stack of card edges, its height their share of the shoe, marked every half deck with the
// decks dealt beside each whole deck, as a real tray is read.
class DiscardTray : public QWidget {
    Q_OBJECT
  public:
    explicit DiscardTray(QWidget* parent);

    void SetCards(int cardsDealt, int decks);
    int cardsDealt() const { return cardsDealt_; }
    // The stack's height in pixels: what the student reads.
    int StackHeight() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QRect Inside() const;

    int cardsDealt_ = 0;
    int decks_ = 0;
};

}  // namespace vantrel

#include "ui/discard_tray.h"

#include <QPainter>
#include <algorithm>

#include "ui/fonts.h"
#include "ui/table_colours.h"

namespace vantrel {

namespace {
constexpr int kScaleWidth = 22;  // the deck numbers left of the tray
constexpr int kHalfDeck = 26;
}  // namespace

DiscardTray::DiscardTray(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void DiscardTray::SetCards(int cardsDealt, int decks) {
    cardsDealt_ = std::max(cardsDealt, 0);
    decks_ = std::max(decks, 0);
    setAccessibleName(QString("Discard tray: %1 cards of %2 decks").arg(cardsDealt_).arg(decks_));
    update();
}

QRect DiscardTray::Inside() const {
    return QRect(kScaleWidth + 3, 2, width() - kScaleWidth - 6, height() - 4);
}

int DiscardTray::StackHeight() const {
    const int total = decks_ * 52;
    if (total <= 0) return 0;
    return static_cast<int>(
        std::min<long long>(Inside().height(), 1LL * Inside().height() * cardsDealt_ / total));
}

void DiscardTray::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect inside = Inside();
    // The tray: a dark box with a light rim.
    p.setPen(QPen(kPaleYellow, 1));
    p.setBrush(QColor(0, 40, 40));
    p.drawRect(inside.adjusted(-2, -2, 1, 1));
    // The cards: cream edges, a thin shadow every other pixel row.
    const int stack = StackHeight();
    if (stack > 0) {
        const QRect cards(inside.left(), inside.bottom() + 1 - stack, inside.width(), stack);
        p.fillRect(cards, QColor(250, 246, 232));
        p.setPen(QColor(190, 184, 170));
        for (int y = cards.bottom(); y >= cards.top(); y -= 2)
            p.drawLine(cards.left(), y, cards.right(), y);
    }
    if (decks_ <= 0) return;
    // The marks: a long one and the number of decks dealt at each deck, a short one between.
    p.setFont(GothicFont(10, true));
    const int total = decks_ * 52;
    for (int half = 1; half < 2 * decks_; ++half) {
        const int y = inside.bottom() + 1 - inside.height() * half * kHalfDeck / total;
        const bool deck = half % 2 == 0;
        p.setPen(QPen(kLightYellow, 1));
        p.drawLine(inside.left() - 3, y, inside.left() + (deck ? 10 : 5), y);
        if (deck)
            p.drawText(QRect(0, y - 6, kScaleWidth, 12), Qt::AlignRight | Qt::AlignVCenter,
                       QString::number(half / 2));
    }
}

}  // namespace vantrel

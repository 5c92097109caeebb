#include "ui/table_reading.h"

#include <QLabel>

#include "engine/table_state.h"
#include "ui/practical_layout.h"

namespace vantrel {

namespace {

QLabel* Label(QWidget* table, const QString& name) {
    return table->findChild<QLabel*>(name, Qt::FindDirectChildrenOnly);
}

// A label that shows nothing says nothing.
void Name(QLabel* label, const QString& name) {
    label->setAccessibleName(label->text().isEmpty() ? QString() : name);
}

}  // namespace

void NameHands(QWidget* table, const TableState& state) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const int position = slot % kHandSlots + 1;
        const int hand = slot / kHandSlots;
        Label(table, SlotName(slot))
            ->setAccessibleDescription(hand == 0 ? QString("Dealer's card %1").arg(position)
                                                 : QString("Hand %1, card %2, bet $%3")
                                                       .arg(hand)
                                                       .arg(position)
                                                       .arg(state.handBet[hand]));
    }
    QLabel* dealer = Label(table, "l_dhand");
    Name(dealer, "Dealer's hand: " + dealer->text());
    for (int hand = 1; hand <= kMaxHands; ++hand) {
        QLabel* label = Label(table, QString("l_p%1hand").arg(hand));
        Name(label, QString("Player hand %1: %2, bet $%3")
                        .arg(hand)
                        .arg(label->text())
                        .arg(state.handBet[hand]));
        QLabel* result = Label(table, QString("l_p%1rslt").arg(hand));
        Name(result, QString("Hand %1: %2").arg(hand).arg(result->text()));
    }
}

}  // namespace vantrel

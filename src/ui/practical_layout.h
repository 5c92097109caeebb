#pragma once

#include <QString>

class QWidget;

namespace vantrel {

// Places every control of the table screen at its fixed position, named as the table's rules
// name it, from the back (decoration, cards) to the front (balloons).
void BuildTableLayout(QWidget* table);

// The object name of a card slot: "img_d1" .. "img_d7", "img_p1_1" .. "img_p4_7".
QString SlotName(int slot);

}  // namespace vantrel

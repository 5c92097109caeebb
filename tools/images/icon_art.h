#pragma once

#include <QImage>

class QPainter;

namespace vantrel::art {

// The program's icon for the desktop menu, in the title's look: the ace of spades and the king of
// hearts fanned on the felt, with a chip, in a rounded square. Square, at any size; designed on a
// 256 grid.
QImage IconImage(int size);

// The same icon painted on any device (an SVG generator for the scalable icon), size × size.
void PaintIcon(QPainter& painter, int size);

}  // namespace vantrel::art

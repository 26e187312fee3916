#ifndef ARROWGLYPHS_H
#define ARROWGLYPHS_H

class QAbstractButton;

// The arrows of the panel's scroll and step buttons.  Every such button gets
// its arrows here, so they look alike on every screen and dialog: one arrow
// for a small move, two for a large one, drawn from a font the panel has.
namespace ArrowGlyphs {

enum Direction { Up, Down };

void setArrows(QAbstractButton *button, Direction direction, int count);

} // namespace ArrowGlyphs

#endif // ARROWGLYPHS_H

#include "arrowglyphs.h"

#include <QAbstractButton>
#include <QString>

namespace ArrowGlyphs {

void setArrows(QAbstractButton *button, Direction direction, int count)
{
    const QChar arrow(direction == Up ? 0x2191 : 0x2193); // upwards / downwards arrow
    button->setText(QString(count, arrow));
    button->setStyleSheet(QStringLiteral("font: 8pt \"DejaVu Sans\""));
}

} // namespace ArrowGlyphs

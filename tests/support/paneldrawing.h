#ifndef PANELDRAWING_H
#define PANELDRAWING_H

#include <QFontInfo>
#include <QString>
#include <QWidget>

// The forms are laid out for their texts as the panel draws them: in the
// font that answers for their Arial, Liberation Sans (Arial's metrics), at
// 100 dots per inch.  The screenshots are drawn so; a platform that draws
// at another density, or another font, makes every text wider or narrower
// and cuts labels.  Qt takes the density from the platform (the offscreen
// platform's own is 100, an X server's what it reports) unless QT_FONT_DPI
// pins it; the tests pin it and check here that nothing moved it.
namespace PanelDrawing {

constexpr int Dpi = 100;

// Empty when `widget` draws as the panel does, else what differs.
inline QString mismatch(const QWidget &widget)
{
    if (widget.logicalDpiX() != Dpi || widget.logicalDpiY() != Dpi)
        return QStringLiteral("texts are drawn at %1 x %2 dpi, not at the panel's %3 (QT_FONT_DPI=%3 pins it)")
            .arg(widget.logicalDpiX())
            .arg(widget.logicalDpiY())
            .arg(Dpi);
    const QString arial = QFontInfo(QFont(QStringLiteral("Arial"))).family();
    if (arial != QLatin1String("Liberation Sans"))
        return QStringLiteral("the forms' Arial is drawn in %1, not in Liberation Sans (fonts-liberation)").arg(arial);
    return {};
}

} // namespace PanelDrawing

#endif // PANELDRAWING_H

#ifndef LOOKS_H
#define LOOKS_H

#include <QString>

class QWidget;

// The looks by which the screens show states, and the switch that shows them.
//
// A state is shown by a style sheet: a mode lamp lit, a button struck
// through, the status line's colours, the blinking header.  Setting a style
// sheet makes Qt parse it and polish the widget anew, which costs more than
// the rest of a frame, and most of the panel's sheets differ only in their
// colours.  So show() puts the colours a sheet sets (a push button's or
// label's background, any widget's text colour) in the widget's palette, as
// the sheet sets them, and sets only the rest of the sheet as its style
// sheet: sheets that differ only in colours are switched without a sheet
// parsed anew.  The palette a sheet gives a widget is learnt the first time
// the widget shows it, by setting the whole sheet once.  A label with a
// background fills it as its own, and a push button that its bevel covers
// paints opaquely, which spares the widgets behind them a repaint.
//
// The promise: a push button or label shown a sheet here looks, to the pixel,
// as a stock widget of its class, geometry, font and text given that sheet
// with setStyleSheet(), in the panel's style, whatever it showed before,
// enabled or not, held down or not, with the focus or without.  That holds
// for sheets that are plain lists of declarations with plain values (colour
// names, #rrggbb, sizes, weights, text decorations): every look below, every
// look of a screen and every sheet a form gives.  A sheet with a selector or
// a function, such as rgb(), is set as it is.  Other widgets take only their
// text colour from the palette; nothing is promised for them.
//
// The caller's part: once a widget has shown a sheet here, its look goes
// through show() and setHighlighted() only.  Its palette, its background
// filling and its style sheet are the switch's: a sheet set behind its back
// is what shown() reports, but how it looks is not promised until the next
// show().  The state of the look is read with shown(), never styleSheet().
//
// GUI thread only.
namespace Looks {

// The looks every screen shares, each spelled here once: the lit look (its
// colour, and the declaration that setHighlighted() puts over a sheet and
// that a screen's own lit sheets are made of) and the whole sheets of the
// status line and of the header's blinking, made once (a refresh runs after
// every frame, the header blinks every 500 ms).  A screen's own looks stand
// in its own file.

// A lamp, a held button, an active row: lime.
inline const QString LitColour = QStringLiteral("lime");
inline const QString Lit = QStringLiteral("background-color: ") + LitColour;

// The status line: a fault in white on red, a warning on yellow, a status on
// silver, "Seaworthy" in white on blue.
inline const QString Error = QStringLiteral("background-color: red; font-weight: bold; color: white; font-size:10pt");
inline const QString Warning = QStringLiteral("background-color: yellow; font-size:10pt");
inline const QString Status = QStringLiteral("background-color: silver; font-size:10pt");
inline const QString Seaworthy = QStringLiteral("background-color: blue; font-weight: bold; color: white; font-size:10pt");

// The header's blink phases: the message button's text on yellow, then in
// yellow (gone); the fire label's text in white on red, then in red (gone).
inline const QString MessageTextShown = QStringLiteral("background-color: yellow; font-weight: bold; ");
inline const QString MessageTextGone = MessageTextShown + QStringLiteral("color: yellow");
inline const QString FireBlink = QStringLiteral("background-color: red; font-size: 10pt; font-weight: bold; color: %1");
inline const QString FireTextShown = FireBlink.arg(QStringLiteral("white"));
inline const QString FireTextGone = FireBlink.arg(QStringLiteral("red"));

// Shows `sheet` on `widget` as its look; a widget highlighted stays so, with
// the lit look over the new sheet.  Switches only when what the widget shows
// changes.
void show(QWidget *widget, const QString &sheet);

// A widget's lit state (a lamp, a held button): while `on`, the widget shows
// its sheet (the last shown, else its form's) with the lit look over it.
void setHighlighted(QWidget *widget, bool on);

// The sheet a widget shows: its look, lit where highlighted, or the sheet set
// on it since.
QString shown(const QWidget *widget);

// Lets a push button that still shows its form's sheet paint opaquely where
// its bevel covers it; show() does so for every sheet it shows.
void paintOpaquely(QWidget *widget);

} // namespace Looks

#endif // LOOKS_H

#include "looks.h"

#include <QApplication>
#include <QHash>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QStyle>

namespace {

// What a highlighted widget shows over its sheet.
const QString LitOver = QStringLiteral("; ") + Looks::Lit;

// What the switch keeps of a widget: its look (the sheet shown through
// show(), or its form's) and whether it is lit, the sheet that shows, the
// sheet set as its style sheet for that, and the palettes of the sheets it
// has shown.  (Kept beside the widget rather than as its properties: a
// property is looked up by name among the class's own first, which costs
// more than the rest of a refresh.)
struct SheetState
{
    QString look;
    bool lit = false;
    QString shown;
    QString set;
    QHash<QString, QPalette> palettes;
};

QHash<const QWidget *, SheetState> &sheetStates()
{
    static QHash<const QWidget *, SheetState> states;
    return states;
}

SheetState *sheetStateOf(const QWidget *widget)
{
    auto &states = sheetStates();
    const auto found = states.find(widget);
    return found == states.end() ? nullptr : &found.value();
}

// The state of a widget whose style sheet is still the one the switch set.
SheetState *currentStateOf(const QWidget *widget)
{
    SheetState *state = sheetStateOf(widget);
    return state && state->set == widget->styleSheet() ? state : nullptr;
}

SheetState &sheetStateFor(QWidget *widget)
{
    auto &states = sheetStates();
    auto found = states.find(widget);
    if (found == states.end()) {
        found = states.insert(widget, SheetState());
        QObject::connect(widget, &QObject::destroyed, [widget] { sheetStates().remove(widget); });
    }
    return found.value();
}

// Push buttons and labels paint their background and text from the palette
// as their style sheet sets it (a label's background filled as the widget's
// own); other widgets only their text.
bool paintsBackgroundFromPalette(const QWidget *widget)
{
    return qobject_cast<const QPushButton *>(widget) || qobject_cast<const QLabel *>(widget);
}

bool inPalette(const QWidget *widget, const QString &property)
{
    return property == QLatin1String("color")
           || (property == QLatin1String("background-color") && paintsBackgroundFromPalette(widget));
}

bool hasBackground(const QWidget *widget, const QString &styleSheet)
{
    return paintsBackgroundFromPalette(widget) && styleSheet.contains(QLatin1String("background-color"));
}

// The sheet without the declarations the palette carries; false when the
// sheet is not a plain list of declarations with plain values.
bool sheetWithoutColours(const QWidget *widget, const QString &styleSheet, QString *rest)
{
    if (styleSheet.contains(QLatin1Char('{')) || styleSheet.contains(QLatin1Char('(')))
        return false;
    QStringList kept;
    const auto declarations = styleSheet.splitRef(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QStringRef &declaration : declarations) {
        const QStringRef trimmed = declaration.trimmed();
        if (trimmed.isEmpty())
            continue;
        if (!inPalette(widget, trimmed.left(trimmed.indexOf(QLatin1Char(':'))).trimmed().toString().toLower()))
            kept << trimmed.toString();
    }
    *rest = kept.join(QStringLiteral("; "));
    return true;
}

// The sheet's palette and background, off the widget.
void dropSheetPalette(QWidget *widget)
{
    widget->setPalette(QPalette());
    if (qobject_cast<QLabel *>(widget))
        widget->setAutoFillBackground(false);
}

// The palette a sheet gives the widget, learnt the first time by setting it.
QPalette paletteOf(QWidget *widget, const QString &styleSheet)
{
    QHash<QString, QPalette> &palettes = sheetStateFor(widget).palettes;
    const auto known = palettes.constFind(styleSheet);
    if (known != palettes.constEnd())
        return known.value();
    dropSheetPalette(widget);
    widget->setStyleSheet(styleSheet);
    widget->ensurePolished();
    QPalette palette = widget->palette();
    // A plain background also gives the shades of a button's bevel and of a
    // label's frame, as the sheet paints them.
    const QBrush background = palette.brush(QPalette::Active, QPalette::Window);
    if (hasBackground(widget, styleSheet) && background.style() == Qt::SolidPattern) {
        const QColor colour = background.color();
        palette.setBrush(QPalette::Light, colour.lighter(115));
        palette.setBrush(QPalette::Midlight, colour.lighter(107));
        palette.setBrush(QPalette::Dark, colour.darker(150));
        palette.setBrush(QPalette::Shadow, colour.darker(300));
    }
    palettes.insert(styleSheet, palette);
    return palette;
}

// A widget that paints all of its rectangle is painted on its own: the
// widgets behind it are not painted again when it changes.  In the panel's
// style ("Windows") a push button paints its bevel over all of it, unless its
// sheet gives it borders of its own, which may leave corners open; a label
// that fills its background with an opaque colour counts as opaque by itself.
void setOpaquePainting(QWidget *widget, const QString &styleSheet)
{
    if (qobject_cast<QPushButton *>(widget)) {
        const bool bevelCoversIt = QApplication::style()->objectName().compare(QLatin1String("windows"), Qt::CaseInsensitive) == 0;
        widget->setAttribute(Qt::WA_OpaquePaintEvent, bevelCoversIt && !styleSheet.contains(QLatin1String("border")));
    }
}

// Shows `look` as the look of a widget, lit or not; `state` is its current
// state, if it has one.
void showLook(QWidget *widget, SheetState *state, const QString &look, bool lit)
{
    const QString styleSheet = lit ? look + LitOver : look;
    if ((state ? state->shown : widget->styleSheet()) == styleSheet) {
        if (state) {
            state->look = look;
            state->lit = lit;
        }
        return;
    }
    const bool palettesSet = sheetStateOf(widget) != nullptr;
    QString rest;
    if (sheetWithoutColours(widget, styleSheet, &rest)) {
        const QPalette palette = paletteOf(widget, styleSheet);
        if (widget->styleSheet() != rest)
            widget->setStyleSheet(rest);
        widget->setPalette(palette);
        if (qobject_cast<QLabel *>(widget))
            widget->setAutoFillBackground(hasBackground(widget, styleSheet));
    } else {
        if (palettesSet)
            dropSheetPalette(widget);
        widget->setStyleSheet(styleSheet);
        rest = styleSheet;
    }
    SheetState &shownState = sheetStateFor(widget);
    shownState.look = look;
    shownState.lit = lit;
    shownState.shown = styleSheet;
    shownState.set = rest;
    setOpaquePainting(widget, styleSheet);
}

} // namespace

void Looks::show(QWidget *widget, const QString &sheet)
{
    SheetState *state = currentStateOf(widget);
    showLook(widget, state, sheet, state && state->lit);
}

void Looks::setHighlighted(QWidget *widget, bool on)
{
    SheetState *state = currentStateOf(widget);
    showLook(widget, state, state ? state->look : widget->styleSheet(), on);
}

QString Looks::shown(const QWidget *widget)
{
    const SheetState *state = currentStateOf(widget);
    return state ? state->shown : widget->styleSheet();
}

void Looks::paintOpaquely(QWidget *widget)
{
    setOpaquePainting(widget, widget->styleSheet());
}

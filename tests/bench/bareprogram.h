#ifndef BAREPROGRAM_H
#define BAREPROGRAM_H

#include <QByteArray>
#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QWidget>

#include <vector>

class QDataStream;

// What the panel is measured against: the least a Qt Widgets program of the
// panel's size does with a controller frame.  It reads the frame as the link
// does (start byte, length, sum) and then makes the change asked for: none,
// one label's text, one button's style sheet, or both.
class BareProgram
{
public:
    enum Change { Nothing, Text, Style, TextAndStyle };

    BareProgram();

    QWidget &window() { return top; }
    void frame(const QByteArray &bytes, Change change);

private:
    QWidget top;
    QLabel *label;
    QPushButton *button;
    QByteArray payload;
    bool phase = false;
};

// The panel's screens as plain widgets: every widget of the real screen stack
// with its class, geometry, texts, fonts, palettes, frames and style sheets,
// but none of the screens' code.  Start-up is measured against a program that
// builds these pages; what it spends reading their description is not counted.
namespace PageCopy {

// One widget as described: its parent's place in the list (-1 for the window)
// and what it shows.
struct Widget
{
    int parent = -1;
    int kind = 0;
    QString name;
    QRect geometry;
    QString styleSheet;
    bool enabled = true;
    bool hidden = false;
    bool ownFont = false;
    QFont font;
    bool ownPalette = false;
    QPalette palette;
    int frameShape = 0;
    int frameShadow = 0;
    int lineWidth = 0;
    int midLineWidth = 0;
    QString text;
    int alignment = 0;
    bool wordWrap = false;
    int currentPage = 0;
};

// Writes the widgets under `root` (the real main window).
void describe(QWidget *root, QDataStream &out);
// Reads the description back, parents before their children.
std::vector<Widget> read(QDataStream &in);
// Builds a window from what was read; it is shown full screen.
QWidget *build(const std::vector<Widget> &widgets);

} // namespace PageCopy

#endif // BAREPROGRAM_H

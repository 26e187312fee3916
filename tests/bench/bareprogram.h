#ifndef BAREPROGRAM_H
#define BAREPROGRAM_H

#include <QByteArray>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QWidget>

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
// with its class, geometry, texts, fonts, frames and style sheets, but none of
// the screens' code.  Start-up is measured against a program that builds
// these pages.
namespace PageCopy {

// Writes the widgets under `root` (the real main window).
void describe(QWidget *root, QDataStream &out);
// Builds a window from the description; it is shown full screen.
QWidget *build(QDataStream &in);

} // namespace PageCopy

#endif // BAREPROGRAM_H

#include "bareprogram.h"

#include <QDataStream>
#include <QFrame>
#include <QListWidget>
#include <QMainWindow>
#include <QStackedWidget>

#include <vector>

BareProgram::BareProgram()
    : label(new QLabel(QStringLiteral("Door closed"), &top))
    , button(new QPushButton(QStringLiteral("Push\nButton"), &top))
{
    top.resize(240, 320);
    label->setGeometry(90, 10, 141, 21);
    button->setGeometry(90, 130, 61, 41);
    top.show();
}

void BareProgram::frame(const QByteArray &bytes, Change change)
{
    // '?', N, then N bytes: type, N - 2 payload bytes, sum.
    if (bytes.size() < 4 || bytes.at(0) != '?')
        return;
    const int length = static_cast<quint8>(bytes.at(1));
    if (bytes.size() < length + 2)
        return;
    quint8 sum = 0;
    for (int i = 0; i < length + 1; ++i)
        sum += static_cast<quint8>(bytes.at(i));
    if (sum != static_cast<quint8>(bytes.at(length + 1)))
        return;
    payload = bytes.mid(3, length - 2);

    phase = !phase;
    if (change == Text || change == TextAndStyle)
        label->setText(phase ? QStringLiteral("Door open") : QStringLiteral("Door closed"));
    if (change == Style || change == TextAndStyle)
        button->setStyleSheet(phase ? QStringLiteral("background-color: lime;") : QString());
}

namespace PageCopy {

namespace {

enum Kind { Window, Plain, Stack, List, Button, Label, Frame };

Kind kindOf(const QWidget *widget)
{
    if (qobject_cast<const QMainWindow *>(widget))
        return Window;
    if (qobject_cast<const QStackedWidget *>(widget))
        return Stack;
    if (qobject_cast<const QListWidget *>(widget))
        return List;
    if (qobject_cast<const QPushButton *>(widget))
        return Button;
    if (qobject_cast<const QLabel *>(widget))
        return Label;
    if (qobject_cast<const QFrame *>(widget))
        return Frame;
    return Plain;
}

void write(QWidget *widget, int parent, int &count, QDataStream &out)
{
    const int self = count++;
    const Kind kind = kindOf(widget);
    out << parent << static_cast<int>(kind) << widget->objectName() << widget->geometry() << widget->styleSheet()
        << widget->isEnabled() << widget->isHidden();
    const bool ownFont = widget->testAttribute(Qt::WA_SetFont);
    out << ownFont;
    if (ownFont)
        out << widget->font();
    const bool ownPalette = widget->testAttribute(Qt::WA_SetPalette);
    out << ownPalette;
    if (ownPalette)
        out << widget->palette();
    if (auto *frame = qobject_cast<QFrame *>(widget))
        out << static_cast<int>(frame->frameShape()) << static_cast<int>(frame->frameShadow()) << frame->lineWidth()
            << frame->midLineWidth();
    if (auto *button = qobject_cast<QPushButton *>(widget))
        out << button->text();
    if (auto *label = qobject_cast<QLabel *>(widget))
        out << label->text() << static_cast<int>(label->alignment()) << label->wordWrap();
    if (auto *stack = qobject_cast<QStackedWidget *>(widget))
        out << stack->currentIndex();

    QList<QWidget *> children;
    if (kind == Window)
        children << static_cast<QMainWindow *>(widget)->centralWidget();
    else if (kind != List && kind != Button && kind != Label)
        children = widget->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget *child : qAsConst(children))
        write(child, self, count, out);
}

} // namespace

void describe(QWidget *root, QDataStream &out)
{
    QByteArray body;
    QDataStream bodyOut(&body, QIODevice::WriteOnly);
    int count = 0;
    write(root, -1, count, bodyOut);
    out << count << body;
}

QWidget *build(QDataStream &in)
{
    int count = 0;
    QByteArray body;
    in >> count >> body;
    QDataStream data(body);
    std::vector<QWidget *> made;
    QMainWindow *window = nullptr;
    std::vector<std::pair<QStackedWidget *, int>> stacks;
    for (int i = 0; i < count; ++i) {
        int parent = -1, kind = 0;
        QString name, styleSheet;
        QRect geometry;
        bool enabled = true, hidden = false, ownFont = false, ownPalette = false;
        data >> parent >> kind >> name >> geometry >> styleSheet >> enabled >> hidden >> ownFont;
        QFont font;
        if (ownFont)
            data >> font;
        data >> ownPalette;
        QPalette palette;
        if (ownPalette)
            data >> palette;

        QWidget *parentWidget = parent >= 0 ? made[static_cast<size_t>(parent)] : nullptr;
        QWidget *widget = nullptr;
        switch (kind) {
        case Window: widget = window = new QMainWindow; break;
        case Stack: widget = new QStackedWidget(parentWidget); break;
        case List: widget = new QListWidget(parentWidget); break;
        case Button: widget = new QPushButton(parentWidget); break;
        case Label: widget = new QLabel(parentWidget); break;
        case Frame: widget = new QFrame(parentWidget); break;
        default: widget = new QWidget(parentWidget); break;
        }
        if (auto *frame = qobject_cast<QFrame *>(widget)) {
            int shape = 0, shadow = 0, lineWidth = 0, midLineWidth = 0;
            data >> shape >> shadow >> lineWidth >> midLineWidth;
            frame->setFrameShape(static_cast<QFrame::Shape>(shape));
            frame->setFrameShadow(static_cast<QFrame::Shadow>(shadow));
            frame->setLineWidth(lineWidth);
            frame->setMidLineWidth(midLineWidth);
        }
        if (auto *button = qobject_cast<QPushButton *>(widget)) {
            QString text;
            data >> text;
            button->setText(text);
        }
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            QString text;
            int alignment = 0;
            bool wordWrap = false;
            data >> text >> alignment >> wordWrap;
            label->setText(text);
            label->setAlignment(static_cast<Qt::Alignment>(alignment));
            label->setWordWrap(wordWrap);
        }
        if (auto *stack = qobject_cast<QStackedWidget *>(widget)) {
            int current = 0;
            data >> current;
            stacks.emplace_back(stack, current);
        }
        widget->setObjectName(name);
        if (ownFont)
            widget->setFont(font);
        if (ownPalette)
            widget->setPalette(palette);
        widget->setStyleSheet(styleSheet);
        widget->setEnabled(enabled);
        if (parentWidget && kind != Window) {
            if (auto *stack = qobject_cast<QStackedWidget *>(parentWidget))
                stack->addWidget(widget);
            else if (parentWidget == window)
                window->setCentralWidget(widget);
        }
        widget->setGeometry(geometry);
        if (hidden)
            widget->hide();
        made.push_back(widget);
    }
    for (const auto &stack : stacks)
        stack.first->setCurrentIndex(stack.second);
    if (window)
        window->showFullScreen();
    return window;
}

} // namespace PageCopy

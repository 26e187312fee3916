#include "bareprogram.h"

#include <QDataStream>
#include <QFrame>
#include <QListView>
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
    if (qobject_cast<const QListView *>(widget))
        return List;
    if (qobject_cast<const QPushButton *>(widget))
        return Button;
    if (qobject_cast<const QLabel *>(widget))
        return Label;
    if (qobject_cast<const QFrame *>(widget))
        return Frame;
    return Plain;
}

QDataStream &operator<<(QDataStream &out, const Widget &w)
{
    out << w.parent << w.kind << w.name << w.geometry << w.styleSheet << w.enabled << w.hidden << w.ownFont;
    if (w.ownFont)
        out << w.font;
    out << w.ownPalette;
    if (w.ownPalette)
        out << w.palette;
    return out << w.frameShape << w.frameShadow << w.lineWidth << w.midLineWidth << w.text << w.alignment << w.wordWrap
               << w.currentPage;
}

QDataStream &operator>>(QDataStream &in, Widget &w)
{
    in >> w.parent >> w.kind >> w.name >> w.geometry >> w.styleSheet >> w.enabled >> w.hidden >> w.ownFont;
    if (w.ownFont)
        in >> w.font;
    in >> w.ownPalette;
    if (w.ownPalette)
        in >> w.palette;
    return in >> w.frameShape >> w.frameShadow >> w.lineWidth >> w.midLineWidth >> w.text >> w.alignment >> w.wordWrap
              >> w.currentPage;
}

void write(QWidget *widget, int parent, int &count, QDataStream &out)
{
    const int self = count++;
    const Kind kind = kindOf(widget);
    Widget described;
    described.parent = parent;
    described.kind = kind;
    described.name = widget->objectName();
    described.geometry = widget->geometry();
    described.styleSheet = widget->styleSheet();
    described.enabled = widget->isEnabled();
    described.hidden = widget->isHidden();
    described.ownFont = widget->testAttribute(Qt::WA_SetFont);
    if (described.ownFont)
        described.font = widget->font();
    described.ownPalette = widget->testAttribute(Qt::WA_SetPalette);
    if (described.ownPalette)
        described.palette = widget->palette();
    if (auto *frame = qobject_cast<QFrame *>(widget)) {
        described.frameShape = frame->frameShape();
        described.frameShadow = frame->frameShadow();
        described.lineWidth = frame->lineWidth();
        described.midLineWidth = frame->midLineWidth();
    }
    if (auto *button = qobject_cast<QPushButton *>(widget))
        described.text = button->text();
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        described.text = label->text();
        described.alignment = static_cast<int>(label->alignment());
        described.wordWrap = label->wordWrap();
    }
    if (auto *stack = qobject_cast<QStackedWidget *>(widget))
        described.currentPage = stack->currentIndex();
    out << described;

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

std::vector<Widget> read(QDataStream &in)
{
    int count = 0;
    QByteArray body;
    in >> count >> body;
    QDataStream data(body);
    std::vector<Widget> widgets(static_cast<size_t>(count));
    for (Widget &widget : widgets)
        data >> widget;
    return widgets;
}

// A stack's pages are made as a form makes them: each page whole, with its
// widgets and style sheets, and then put in the stack (which polishes it
// again, under its new parent).
QWidget *build(const std::vector<Widget> &widgets)
{
    std::vector<QWidget *> made;
    QMainWindow *window = nullptr;
    std::vector<std::pair<QStackedWidget *, int>> stacks;
    std::vector<std::pair<QStackedWidget *, QWidget *>> pages;
    for (const Widget &described : widgets) {
        QWidget *parentWidget = described.parent >= 0 ? made[static_cast<size_t>(described.parent)] : nullptr;
        auto *stack = qobject_cast<QStackedWidget *>(parentWidget);
        QWidget *madeIn = stack ? nullptr : parentWidget;
        QWidget *widget = nullptr;
        switch (described.kind) {
        case Window: widget = window = new QMainWindow; break;
        case Stack: widget = new QStackedWidget(madeIn); break;
        case List: widget = new QListWidget(madeIn); break;
        case Button: widget = new QPushButton(madeIn); break;
        case Label: widget = new QLabel(madeIn); break;
        case Frame: widget = new QFrame(madeIn); break;
        default: widget = new QWidget(madeIn); break;
        }
        if (auto *frame = qobject_cast<QFrame *>(widget)) {
            frame->setFrameShape(static_cast<QFrame::Shape>(described.frameShape));
            frame->setFrameShadow(static_cast<QFrame::Shadow>(described.frameShadow));
            frame->setLineWidth(described.lineWidth);
            frame->setMidLineWidth(described.midLineWidth);
        }
        if (auto *button = qobject_cast<QPushButton *>(widget))
            button->setText(described.text);
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            label->setText(described.text);
            label->setAlignment(static_cast<Qt::Alignment>(described.alignment));
            label->setWordWrap(described.wordWrap);
        }
        if (auto *madeStack = qobject_cast<QStackedWidget *>(widget))
            stacks.emplace_back(madeStack, described.currentPage);
        widget->setObjectName(described.name);
        if (described.ownFont)
            widget->setFont(described.font);
        if (described.ownPalette)
            widget->setPalette(described.palette);
        widget->setStyleSheet(described.styleSheet);
        widget->setEnabled(described.enabled);
        if (stack)
            pages.emplace_back(stack, widget);
        else if (parentWidget && parentWidget == window)
            window->setCentralWidget(widget);
        widget->setGeometry(described.geometry);
        if (described.hidden)
            widget->hide();
        made.push_back(widget);
    }
    for (const auto &page : pages)
        page.first->addWidget(page.second);
    for (const auto &stack : stacks)
        stack.first->setCurrentIndex(stack.second);
    if (window)
        window->showFullScreen();
    return window;
}

} // namespace PageCopy

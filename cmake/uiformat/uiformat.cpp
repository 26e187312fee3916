// uiformat: keeps designer forms and lists of overrides in the layout
// Designer writes, so that saving a form in Designer shows only what was
// changed in it.
//
//     uiformat <file or folder>...           puts each file into that layout
//     uiformat --check <file or folder>...   names each file that is not, and fails
//
// A folder stands for the forms (*.ui) and lists of overrides
// (*.overrides.xml) in it, at any depth.
//
// Designer writes a form through QXmlStreamWriter, formatting with an indent
// of one space, and so does this: the XML declaration, then one element a
// line, each one space deeper than its parent, a text on its element's line
// with Designer's escapes, and a comment on a line of its own.  A form's
// widget has its properties in the order Designer writes them: the order its
// class declares them in, a base class's first.  Everything else keeps its
// order, in a list of overrides the properties too.

#include <QCoreApplication>
#include <QDialog>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QListView>
#include <QMainWindow>
#include <QPushButton>
#include <QStackedWidget>
#include <QStringList>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>
#include <climits>
#include <cstdio>

namespace {

// An element, or a comment.
struct Node
{
    bool comment = false;
    QString name;
    QXmlStreamAttributes attributes;
    QString text;                // an element's text, or the comment's
    QList<Node> children;
};

Node commentNode(const QXmlStreamReader &reader)
{
    Node comment;
    comment.comment = true;
    comment.text = reader.text().toString();
    return comment;
}

// Reads the element the reader has just entered, to its end.  The text
// between elements is layout, not content: an element holds either text or
// elements and comments.
Node readElement(QXmlStreamReader &reader)
{
    Node element;
    element.name = reader.qualifiedName().toString();
    element.attributes = reader.attributes();
    while (reader.readNext() != QXmlStreamReader::EndElement && !reader.hasError()) {
        if (reader.isStartElement())
            element.children.append(readElement(reader));
        else if (reader.isComment())
            element.children.append(commentNode(reader));
        else if (reader.isCharacters())
            element.text += reader.text();
    }
    if (!element.children.isEmpty() && !element.text.trimmed().isEmpty())
        reader.raiseError(QStringLiteral("<%1> holds text beside elements").arg(element.name));
    return element;
}

// The document's comments and root element, in their order.
QList<Node> parse(QXmlStreamReader &reader)
{
    QList<Node> document;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement())
            document.append(readElement(reader));
        else if (reader.isComment())
            document.append(commentNode(reader));
    }
    return document;
}

// The classes whose properties the forms set (add one here when a form first
// uses it); Designer's line is a frame with an orientation of its own.  A
// custom widget is ordered as the class it extends.
const QMetaObject *metaObjectOf(const QString &className)
{
    static const QHash<QString, const QMetaObject *> classes = {
        {QStringLiteral("QWidget"), &QWidget::staticMetaObject},
        {QStringLiteral("QFrame"), &QFrame::staticMetaObject},
        {QStringLiteral("Line"), &QFrame::staticMetaObject},
        {QStringLiteral("QLabel"), &QLabel::staticMetaObject},
        {QStringLiteral("QPushButton"), &QPushButton::staticMetaObject},
        {QStringLiteral("QListView"), &QListView::staticMetaObject},
        {QStringLiteral("QStackedWidget"), &QStackedWidget::staticMetaObject},
        {QStringLiteral("QDialog"), &QDialog::staticMetaObject},
        {QStringLiteral("QMainWindow"), &QMainWindow::staticMetaObject},
    };
    return classes.value(className);
}

QString attribute(const Node &node, const QString &name)
{
    return node.attributes.value(name).toString();
}

QString childText(const Node &node, const QString &name)
{
    for (const Node &child : node.children) {
        if (!child.comment && child.name == name)
            return child.text;
    }
    return QString();
}

// Sorts the properties of widget and of the widgets in it into the order of
// their class's meta-object, keeping the order of those it lacks (dynamic
// properties, a line's orientation) after them.  False, with a message in
// error, for a class it does not know.
bool orderProperties(Node &widget, const QHash<QString, QString> &extends, QString *error)
{
    QString className = attribute(widget, QStringLiteral("class"));
    for (int step = 0; !metaObjectOf(className) && extends.contains(className) && step < extends.size(); ++step)
        className = extends.value(className);
    const QMetaObject *meta = metaObjectOf(className);
    if (!meta) {
        *error = QStringLiteral("widget %1: uiformat does not know the properties of %2")
                     .arg(attribute(widget, QStringLiteral("name")), className);
        return false;
    }
    const auto order = [meta](const Node &property) {
        const int index = attribute(property, QStringLiteral("stdset")) == QLatin1String("0")
            ? -1
            : meta->indexOfProperty(attribute(property, QStringLiteral("name")).toLatin1().constData());
        return index < 0 ? INT_MAX : index;
    };

    QList<int> places;
    QList<Node> properties;
    for (int i = 0; i < widget.children.size(); ++i) {
        Node &child = widget.children[i];
        if (child.comment)
            continue;
        if (child.name == QLatin1String("property")) {
            places.append(i);
            properties.append(child);
        } else if (child.name == QLatin1String("widget") && !orderProperties(child, extends, error)) {
            return false;
        }
    }
    std::stable_sort(properties.begin(), properties.end(),
                     [&](const Node &a, const Node &b) { return order(a) < order(b); });
    for (int i = 0; i < places.size(); ++i)
        widget.children[places.at(i)] = properties.at(i);
    return true;
}

// Orders the properties of every widget of a form.
bool orderForm(Node &form, QString *error)
{
    QHash<QString, QString> extends;
    for (const Node &list : form.children) {
        if (list.comment || list.name != QLatin1String("customwidgets"))
            continue;
        for (const Node &custom : list.children)
            extends.insert(childText(custom, QStringLiteral("class")), childText(custom, QStringLiteral("extends")));
    }
    for (Node &child : form.children) {
        if (!child.comment && child.name == QLatin1String("widget") && !orderProperties(child, extends, error))
            return false;
    }
    return true;
}

void write(QXmlStreamWriter &writer, const Node &node)
{
    if (node.comment) {
        writer.writeComment(node.text);
        return;
    }
    writer.writeStartElement(node.name);
    writer.writeAttributes(node.attributes);
    if (node.children.isEmpty() && !node.text.isEmpty())
        writer.writeCharacters(node.text);
    for (const Node &child : node.children)
        write(writer, child);
    writer.writeEndElement();
}

QByteArray formatted(const QList<Node> &document)
{
    QByteArray out;
    QXmlStreamWriter writer(&out);
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(1);
    writer.writeStartDocument();
    for (const Node &node : document)
        write(writer, node);
    writer.writeEndDocument();
    return out;
}

QStringList filesIn(const QStringList &paths)
{
    QStringList files;
    for (const QString &path : paths) {
        if (!QFileInfo(path).isDir()) {
            files.append(path);
            continue;
        }
        QStringList found;
        QDirIterator it(path, {QStringLiteral("*.ui"), QStringLiteral("*.overrides.xml")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            found.append(it.next());
        found.sort();
        files += found;
    }
    return files;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool check = !args.isEmpty() && args.first() == QLatin1String("--check");
    if (check)
        args.removeFirst();
    if (args.isEmpty() || args.first().startsWith(QLatin1Char('-'))) {
        std::fprintf(stderr, "usage: uiformat [--check] <file or folder>...\n");
        return 2;
    }

    int unreadable = 0;
    QStringList outOfLayout;
    for (const QString &path : filesIn(args)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "uiformat: %s: %s\n", qPrintable(path), qPrintable(file.errorString()));
            ++unreadable;
            continue;
        }
        const QByteArray source = file.readAll();
        file.close();
        QXmlStreamReader reader(source);
        QList<Node> document = parse(reader);
        if (reader.hasError()) {
            std::fprintf(stderr, "uiformat: %s:%lld: %s\n", qPrintable(path), reader.lineNumber(),
                         qPrintable(reader.errorString()));
            ++unreadable;
            continue;
        }
        QString error;
        for (Node &node : document) {
            if (!node.comment && node.name == QLatin1String("ui") && !orderForm(node, &error)) {
                std::fprintf(stderr, "uiformat: %s: %s\n", qPrintable(path), qPrintable(error));
                ++unreadable;
            }
        }
        if (!error.isEmpty())
            continue;
        const QByteArray layout = formatted(document);
        if (layout == source)
            continue;
        outOfLayout.append(path);
        if (!check && (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(layout) < 0)) {
            std::fprintf(stderr, "uiformat: %s: %s\n", qPrintable(path), qPrintable(file.errorString()));
            ++unreadable;
        }
    }

    if (check) {
        for (const QString &path : outOfLayout)
            std::fprintf(stderr, "uiformat: %s is not in Designer's layout\n", qPrintable(path));
        if (!outOfLayout.isEmpty())
            std::fprintf(stderr, "uiformat: uiformat <file>... puts a file into that layout\n");
    }
    return unreadable > 0 || (check && !outOfLayout.isEmpty()) ? 1 : 0;
}

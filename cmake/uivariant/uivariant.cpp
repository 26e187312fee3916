// uivariant: makes a door build's variant of a designer form.
//
//     uivariant -o <variant.ui> <base.ui> <overrides.xml>...
//
// The variant is build A's form with the build's lists of overrides applied
// in the order given, so a list shared by two builds can be followed by the
// list of one of them.  A list speaks the form's own vocabulary:
//
//     <overrides>
//      <widget name="btnVekInfo"><property name="enabled"><bool>true</bool></property></widget>
//      <widget name="btnFull" rename="btnOpen">...</widget>
//      <widget name="btnMode7"><attribute name="buttonGroup" remove="true"/></widget>
//      <widget name="sensors" remove="true"/>
//      <customwidget><class>Standard</class><header>standard_b.h</header></customwidget>
//     </overrides>
//
// <widget> names a widget of the form, found anywhere in it; remove="true"
// drops it, rename= gives it another name.  Each <property> or <attribute>
// in it takes the place of the widget's own of that name, or is added after
// the widget's others of its kind; with remove="true" it drops the widget's
// own.  <customwidget> names a custom widget by its <class> and replaces the
// elements it gives (the <header>, say).  Custom widgets that no widget of
// the variant uses any more are dropped.
//
// It is strict, so that a variant cannot drift from its base unseen: an
// override naming a widget, property, attribute or custom widget the base
// lacks, a rename to a name the form already has, an override that changes
// nothing, or anything outside this vocabulary stops the build.

#include <QCoreApplication>
#include <QDomDocument>
#include <QFile>
#include <QSet>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace {

const QString Remove = QStringLiteral("remove");

[[noreturn]] void fail(const QString &message)
{
    std::fprintf(stderr, "uivariant: %s\n", qPrintable(message));
    std::exit(1);
}

// The overrides file being applied, for messages that point into it.
QString currentFile;

[[noreturn]] void fail(const QDomNode &at, const QString &message)
{
    fail(QStringLiteral("%1:%2: %3").arg(currentFile).arg(at.lineNumber()).arg(message));
}

QDomDocument read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("%1: %2").arg(path, file.errorString()));
    QDomDocument document;
    QString error;
    int line = 0;
    if (!document.setContent(&file, &error, &line))
        fail(QStringLiteral("%1:%2: %3").arg(path).arg(line).arg(error));
    return document;
}

QList<QDomElement> childElements(const QDomElement &parent, const QString &tag = QString())
{
    QList<QDomElement> children;
    for (QDomElement e = parent.firstChildElement(tag); !e.isNull(); e = e.nextSiblingElement(tag))
        children.append(e);
    return children;
}

// An element carries no attribute but those allowed, and remove= only as "true".
void checkAttributes(const QDomElement &e, const QStringList &allowed)
{
    const QDomNamedNodeMap attributes = e.attributes();
    for (int i = 0; i < attributes.count(); ++i) {
        const QString name = attributes.item(i).nodeName();
        if (!allowed.contains(name))
            fail(e, QStringLiteral("<%1> takes no attribute %2").arg(e.tagName(), name));
    }
    if (e.hasAttribute(Remove) && e.attribute(Remove) != QLatin1String("true"))
        fail(e, QStringLiteral("remove= takes only \"true\""));
}

bool removes(const QDomElement &e)
{
    return e.hasAttribute(Remove);
}

QString requiredName(const QDomElement &e)
{
    const QString name = e.attribute(QStringLiteral("name"));
    if (name.isEmpty())
        fail(e, QStringLiteral("<%1> needs a name").arg(e.tagName()));
    return name;
}

// Two pieces of a form say the same: names, attributes, texts and children.
bool same(const QDomNode &a, const QDomNode &b)
{
    if (a.nodeType() != b.nodeType() || a.nodeName() != b.nodeName() || a.nodeValue() != b.nodeValue())
        return false;
    const QDomNamedNodeMap aa = a.attributes(), ba = b.attributes();
    if (aa.count() != ba.count())
        return false;
    for (int i = 0; i < aa.count(); ++i) {
        const QDomNode other = ba.namedItem(aa.item(i).nodeName());
        if (other.isNull() || other.nodeValue() != aa.item(i).nodeValue())
            return false;
    }
    const QDomNodeList ac = a.childNodes(), bc = b.childNodes();
    if (ac.count() != bc.count())
        return false;
    for (int i = 0; i < ac.count(); ++i) {
        if (!same(ac.at(i), bc.at(i)))
            return false;
    }
    return true;
}

QDomElement widgetNamed(const QDomDocument &form, const QString &name)
{
    QDomElement found;
    const QDomNodeList widgets = form.elementsByTagName(QStringLiteral("widget"));
    for (int i = 0; i < widgets.count(); ++i) {
        const QDomElement widget = widgets.at(i).toElement();
        if (widget.attribute(QStringLiteral("name")) != name)
            continue;
        if (!found.isNull())
            fail(QStringLiteral("the form has two widgets named %1").arg(name));
        found = widget;
    }
    return found;
}

// Puts a new <property> or <attribute> where Designer keeps it: after the
// widget's others of its kind; properties first, then attributes, then the rest.
void insertItem(QDomElement &widget, const QDomElement &item)
{
    const bool isAttribute = item.tagName() == QLatin1String("attribute");
    QDomElement after;
    for (const QDomElement &child : childElements(widget)) {
        if (child.tagName() == item.tagName() || (isAttribute && child.tagName() == QLatin1String("property")))
            after = child;
    }
    if (after.isNull())
        widget.insertBefore(item, widget.firstChildElement());
    else
        widget.insertAfter(item, after);
}

void applyWidget(QDomDocument &form, const QDomElement &change)
{
    checkAttributes(change, {QStringLiteral("name"), QStringLiteral("rename"), Remove});
    const QString name = requiredName(change);
    QDomElement widget = widgetNamed(form, name);
    if (widget.isNull())
        fail(change, QStringLiteral("the base form has no widget %1").arg(name));

    if (removes(change)) {
        if (change.hasAttribute(QStringLiteral("rename")) || !change.firstChildElement().isNull())
            fail(change, QStringLiteral("a widget that is removed takes no other change"));
        widget.parentNode().removeChild(widget);
        return;
    }
    if (change.hasAttribute(QStringLiteral("rename"))) {
        const QString newName = change.attribute(QStringLiteral("rename"));
        if (newName.isEmpty())
            fail(change, QStringLiteral("rename= needs a name"));
        if (!widgetNamed(form, newName).isNull())
            fail(change, QStringLiteral("the form has a widget %1 already").arg(newName));
        widget.setAttribute(QStringLiteral("name"), newName);
    } else if (change.firstChildElement().isNull()) {
        fail(change, QStringLiteral("the override of %1 changes nothing").arg(name));
    }

    for (const QDomElement &item : childElements(change)) {
        const QString kind = item.tagName();
        if (kind != QLatin1String("property") && kind != QLatin1String("attribute"))
            fail(item, QStringLiteral("<widget> holds only <property> and <attribute>, not <%1>").arg(kind));
        checkAttributes(item, {QStringLiteral("name"), QStringLiteral("stdset"), Remove});
        const QString itemName = requiredName(item);
        QDomElement own;
        for (const QDomElement &child : childElements(widget, kind)) {
            if (child.attribute(QStringLiteral("name")) == itemName)
                own = child;
        }
        if (removes(item)) {
            if (own.isNull())
                fail(item, QStringLiteral("%1 has no %2 %3 to remove").arg(name, kind, itemName));
            widget.removeChild(own);
            continue;
        }
        const QDomElement fresh = form.importNode(item, true).toElement();
        if (own.isNull()) {
            insertItem(widget, fresh);
        } else {
            if (same(own, fresh))
                fail(item, QStringLiteral("%1 has that %2 %3 already").arg(name, kind, itemName));
            widget.replaceChild(fresh, own);
        }
    }
}

QDomElement customWidgets(const QDomDocument &form)
{
    return form.documentElement().firstChildElement(QStringLiteral("customwidgets"));
}

QString classOf(const QDomElement &customWidget)
{
    return customWidget.firstChildElement(QStringLiteral("class")).text();
}

void applyCustomWidget(QDomDocument &form, const QDomElement &change)
{
    checkAttributes(change, {});
    const QString className = classOf(change);
    if (className.isEmpty())
        fail(change, QStringLiteral("<customwidget> needs a <class>"));
    QDomElement entry;
    for (const QDomElement &e : childElements(customWidgets(form), QStringLiteral("customwidget"))) {
        if (classOf(e) == className)
            entry = e;
    }
    if (entry.isNull())
        fail(change, QStringLiteral("the base form has no custom widget %1").arg(className));

    bool changed = false;
    for (const QDomElement &item : childElements(change)) {
        if (item.tagName() == QLatin1String("class"))
            continue;
        const QDomElement own = entry.firstChildElement(item.tagName());
        if (own.isNull())
            fail(item, QStringLiteral("custom widget %1 has no <%2>").arg(className, item.tagName()));
        const QDomElement fresh = form.importNode(item, true).toElement();
        if (same(own, fresh))
            fail(item, QStringLiteral("custom widget %1 has that <%2> already").arg(className, item.tagName()));
        entry.replaceChild(fresh, own);
        changed = true;
    }
    if (!changed)
        fail(change, QStringLiteral("the override of custom widget %1 changes nothing").arg(className));
}

void apply(QDomDocument &form, const QString &path)
{
    currentFile = path;
    const QDomElement root = read(path).documentElement();
    if (root.tagName() != QLatin1String("overrides"))
        fail(root, QStringLiteral("a list of overrides is an <overrides> element"));
    for (const QDomElement &change : childElements(root)) {
        if (change.tagName() == QLatin1String("widget"))
            applyWidget(form, change);
        else if (change.tagName() == QLatin1String("customwidget"))
            applyCustomWidget(form, change);
        else
            fail(change, QStringLiteral("<overrides> holds only <widget> and <customwidget>, not <%1>").arg(change.tagName()));
    }
}

// A custom widget stays while a widget of its class is left, or a custom
// widget that stays extends it.
void dropUnusedCustomWidgets(QDomDocument &form)
{
    const QDomElement list = customWidgets(form);
    const QList<QDomElement> entries = childElements(list, QStringLiteral("customwidget"));
    QSet<QString> used;
    const QDomNodeList widgets = form.elementsByTagName(QStringLiteral("widget"));
    for (int i = 0; i < widgets.count(); ++i)
        used.insert(widgets.at(i).toElement().attribute(QStringLiteral("class")));
    for (int pass = 0; pass < entries.size(); ++pass) {
        for (const QDomElement &e : entries) {
            if (used.contains(classOf(e)))
                used.insert(e.firstChildElement(QStringLiteral("extends")).text());
        }
    }
    for (QDomElement e : entries) {
        if (!used.contains(classOf(e)))
            e.parentNode().removeChild(e);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.size() < 4 || args.at(0) != QLatin1String("-o"))
        fail(QStringLiteral("usage: uivariant -o <variant.ui> <base.ui> <overrides.xml>..."));
    const QString output = args.at(1);
    const QString base = args.at(2);

    QDomDocument form = read(base);
    if (form.documentElement().tagName() != QLatin1String("ui"))
        fail(QStringLiteral("%1: not a designer form").arg(base));
    const QStringList overrides = args.mid(3);
    for (const QString &path : overrides)
        apply(form, path);
    dropUnusedCustomWidgets(form);

    const QString note = QStringLiteral(" Made by uivariant from %1 with %2; change those, not this. ")
                             .arg(base, overrides.join(QStringLiteral(", ")));
    form.insertBefore(form.createComment(note), form.documentElement());

    QFile file(output);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(form.toByteArray(1)) < 0)
        fail(QStringLiteral("%1: %2").arg(output, file.errorString()));
    return 0;
}

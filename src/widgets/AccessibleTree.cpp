// SPDX-License-Identifier: MIT
#include "AccessibleTree.h"

#include <QAction>
#include <QComboBox>
#include <QMessageBox>
#include <QWidget>

namespace AccessibleTree {
namespace {

// What becomes of an interface of each kind.
enum class Kind
{
    Control,   // a node of its own, without children
    Container, // a node of its own, with children
    Through,   // no node: its children go to its parent
    Left       // neither it nor its children
};

struct Mapping
{
    QString role;
    Kind kind;
};

Mapping mappingOf(QAccessibleInterface* iface, const QString& name)
{
    using R = QAccessible::Role;
    const auto control = [](const char* role) {
        return Mapping{QLatin1String(role), Kind::Control};
    };
    const auto container = [](const char* role) {
        return Mapping{QLatin1String(role), Kind::Container};
    };
    if (qobject_cast<QMessageBox*>(iface->object()))
        return container("alertdialog");
    switch (iface->role()) {
    case R::Window:
    case R::Dialog:
        return container("dialog");
    case R::AlertMessage:
        return container("alertdialog");
    case R::MenuBar:
        return container("menubar");
    case R::PopupMenu:
        return container("menu");
    case R::MenuItem:
        return container("menuitem");
    case R::Grouping:
        // A frame with a caption groups what it holds; one without is only a box.
        return name.isEmpty() ? Mapping{{}, Kind::Through} : container("group");
    case R::PushButton:
    case R::ButtonMenu:
        return control("button");
    case R::CheckBox:
        return control("checkbox");
    case R::EditableText:
        return control("textbox");
    case R::ComboBox:
        return control("combobox");
    case R::Link:
        return control("link");
    case R::StaticText:
        return control("text");
    case R::Graphic:
        // A picture that says nothing is decoration.
        return name.isEmpty() ? Mapping{{}, Kind::Left} : control("img");
    case R::Separator:
        return {{}, Kind::Left};
    default:
        return {{}, Kind::Through};
    }
}

// Menus are hidden until opened, yet their items are what the menu bar offers.
bool isClosedMenu(QAccessibleInterface* iface)
{
    return iface->role() == QAccessible::PopupMenu;
}

QString nameOf(QAccessibleInterface* iface)
{
    auto* widget = qobject_cast<QWidget*>(iface->object());
    if (widget && !widget->accessibleName().isEmpty())
        return widget->accessibleName();
    // On Unix Qt names a list after its current entry, which is its value;
    // its name is the label's.
    if (iface->role() == QAccessible::ComboBox) {
        const auto labels = iface->relations(QAccessible::Label);
        return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
    }
    return iface->text(QAccessible::Name);
}

class Walk
{
public:
    explicit Walk(QWidget* window) : m_window(window), m_origin(window->mapToGlobal(QPoint(0, 0)))
    {
    }

    void visit(QAccessibleInterface* iface, QList<Node>& siblings, const QString& parentName)
    {
        const QAccessible::State state = iface->state();
        if (isHidden(iface, state))
            return;
        QString name = nameOf(iface);
        const Mapping mapping = mappingOf(iface, name);
        if (mapping.kind == Kind::Left)
            return;
        if (mapping.kind == Kind::Through) {
            visitChildren(iface, siblings, parentName);
            return;
        }
        // A menu is named by the item that opens it.
        if (name.isEmpty() && mapping.role == QLatin1String("menu"))
            name = parentName;
        Node node;
        node.role = mapping.role;
        node.name = name;
        node.focused = state.focused;
        node.disabled = state.disabled;
        node.checked = state.checked;
        node.multiLine = state.multiLine;
        node.place = iface->rect().translated(-m_origin);
        node.id = QAccessible::uniqueId(iface);
        if (auto* list = qobject_cast<QComboBox*>(iface->object())) {
            node.value = list->currentText();
            for (int i = 0; i < list->count(); ++i)
                node.options << list->itemText(i);
        } else if (node.role == QLatin1String("textbox")) {
            node.value = iface->text(QAccessible::Value);
        }
        if (auto* box = qobject_cast<QMessageBox*>(iface->object()))
            node.description = box->text();
        if (mapping.kind == Kind::Container)
            visitChildren(iface, node.children, name);
        siblings.append(node);
    }

private:
    // Hidden within the window, whether or not the window itself is shown.
    bool isHidden(QAccessibleInterface* iface, const QAccessible::State& state) const
    {
        if (isClosedMenu(iface))
            return false;
        if (auto* widget = qobject_cast<QWidget*>(iface->object()))
            return widget != m_window && !widget->isVisibleTo(m_window);
        // Qt hides the items of a closed menu with it; only an item switched
        // off is hidden here.
        if (auto* action = qobject_cast<QAction*>(iface->object()))
            return !action->isVisible();
        return state.invisible;
    }

    void visitChildren(QAccessibleInterface* iface, QList<Node>& into, const QString& parentName)
    {
        for (int i = 0; i < iface->childCount(); ++i)
            if (QAccessibleInterface* child = iface->child(i))
                visit(child, into, parentName);
    }

    QWidget* m_window;
    QPoint m_origin;
};

QString quoted(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('"'), QLatin1String("\\\""))
        .replace(QLatin1Char('\n'), QLatin1String("\\n"))
        .replace(QLatin1Char('\r'), QLatin1String("\\r"))
        .replace(QLatin1Char('\t'), QLatin1String("\\t"));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

void describeInto(const Node& node, int depth, QStringList& lines)
{
    QString line =
        QString(depth * 2, QLatin1Char(' ')) + node.role + QLatin1Char(' ') + quoted(node.name);
    if (!node.value.isEmpty() || node.role == QLatin1String("textbox") ||
        node.role == QLatin1String("combobox"))
        line += QLatin1String(" = ") + quoted(node.value);
    if (!node.description.isEmpty())
        line += QLatin1String(" : ") + quoted(node.description);
    if (!node.options.isEmpty())
        line += QStringLiteral(" [%1 .. %2: %3]")
                    .arg(node.options.first(), node.options.last())
                    .arg(node.options.size());
    const std::pair<bool, const char*> states[] = {{node.focused, " focused"},
                                                   {node.disabled, " disabled"},
                                                   {node.hidden, " hidden"},
                                                   {node.checked, " checked"},
                                                   {node.multiLine, " multiline"}};
    for (const auto& [set, word] : states)
        if (set)
            line += QLatin1String(word);
    lines << line;
    for (const Node& child : node.children)
        describeInto(child, depth + 1, lines);
}

} // namespace

Node of(QWidget* window)
{
    QList<Node> top;
    if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(window))
        Walk(window).visit(iface, top, {});
    Node node = top.value(0);
    // A hidden window keeps its tree: the node says it is hidden.
    node.hidden = !window->isVisible();
    // The menu bar is seen first, above the window's controls; Qt lists it
    // after them when it was made later.
    std::stable_partition(node.children.begin(), node.children.end(),
                          [](const Node& child) { return child.role == QLatin1String("menubar"); });
    return node;
}

QStringList describe(const Node& node)
{
    QStringList lines;
    describeInto(node, 0, lines);
    return lines;
}

} // namespace AccessibleTree

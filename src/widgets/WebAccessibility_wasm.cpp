// SPDX-License-Identifier: MIT
// The page's copy of each window's AccessibleTree. Qt puts every window in a
// <div class="qt-window" id="qt-window-N"> inside the shadow root of its
// screen, with an empty "a11y container" laid over the canvas; the copy goes
// there, so that keys pressed on its elements reach the window as keys
// pressed on the canvas do. Qt's own accessibility layer stays off: its
// "Enable Screen Reader" button is hidden (not removed: Qt removes it when the
// window goes).
#include "WebAccessibility.h"

#include "AccessibleTree.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <map>
#include <string>
#include <vector>

namespace WebAccessibility {
namespace {

using AccessibleTree::Node;
using emscripten::val;

std::string text(const QString& s)
{
    return s.toStdString();
}

val document()
{
    return val::global("document");
}

bool isElement(const val& v)
{
    return !v.isNull() && !v.isUndefined();
}

// Roles whose name is read from the element's text; the others take aria-label.
bool namedByContent(const Node& node)
{
    static const QStringList roles{QStringLiteral("text"), QStringLiteral("button"),
                                   QStringLiteral("link"), QStringLiteral("checkbox"),
                                   QStringLiteral("menuitem")};
    return node.children.isEmpty() && roles.contains(node.role);
}

bool isFocusable(const Node& node)
{
    static const QStringList roles{QStringLiteral("button"),   QStringLiteral("link"),
                                   QStringLiteral("checkbox"), QStringLiteral("menuitem"),
                                   QStringLiteral("textbox"),  QStringLiteral("combobox")};
    return roles.contains(node.role);
}

std::string elementId(QAccessible::Id id)
{
    return "starquill-a11y-" + std::to_string(id);
}

void setAttribute(val& element, const char* name, const std::string& value)
{
    element.call<void>("setAttribute", std::string(name), value);
}

void setFlag(val& element, const char* name, bool on)
{
    if (on)
        setAttribute(element, name, "true");
    else
        element.call<void>("removeAttribute", std::string(name));
}

// One element of the copy and the node it was last written from (without
// its children), so that only what changed is written again.
struct Element
{
    val element = val::undefined();
    Node written;
    bool fresh = true;
};

// One window's copy.
struct Copy
{
    QPointer<QWidget> window;
    val root = val::undefined();
    std::map<QAccessible::Id, Element> elements;
};

// The program's side of a click or a choice made on the copy (a screen
// reader's "activate"): the control acts as if used.
void act(QAccessible::Id id, int chosen)
{
    QAccessibleInterface* iface = QAccessible::accessibleInterface(id);
    if (!iface)
        return;
    if (auto* list = qobject_cast<QComboBox*>(iface->object())) {
        if (chosen >= 0 && chosen < list->count())
            list->setCurrentIndex(chosen);
        return;
    }
    QAccessibleActionInterface* actions = iface->actionInterface();
    if (!actions)
        return;
    const QStringList names = actions->actionNames();
    for (const QString& name :
         {QAccessibleActionInterface::pressAction(), QAccessibleActionInterface::toggleAction(),
          QAccessibleActionInterface::showMenuAction()})
        if (names.contains(name)) {
            actions->doAction(name);
            return;
        }
}

void onPageEvent(val event)
{
    const val target = event["currentTarget"];
    const val id = target["starquillId"];
    if (id.isUndefined())
        return;
    const bool choice = event["type"].as<std::string>() == "change";
    // Later, outside the page's event: acting may open or close windows.
    const auto key = id.as<QAccessible::Id>();
    const int chosen = choice ? target["selectedIndex"].as<int>() : -1;
    QTimer::singleShot(0, qApp, [key, chosen] { act(key, chosen); });
}

class Mirror : public QObject
{
public:
    explicit Mirror(QObject* parent) : QObject(parent)
    {
        qApp->installEventFilter(this);
        connect(qApp, &QApplication::focusChanged, this, &Mirror::schedule);
    }

    // Brings the copy up to date once control is back in the event loop:
    // many changes come at once, and some while a control is still being made.
    void schedule()
    {
        if (m_scheduled)
            return;
        m_scheduled = true;
        QTimer::singleShot(0, this, [this] {
            m_scheduled = false;
            sync();
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::WindowTitleChange:
        case QEvent::EnabledChange:
        case QEvent::KeyRelease:
        case QEvent::MouseButtonRelease:
        case QEvent::WindowActivate:
        case QEvent::PlatformSurface:
            schedule();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void sync()
    {
        std::vector<Copy> kept;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!window->windowHandle() || !window->windowHandle()->handle())
                continue;
            Copy copy = takeCopy(window);
            const Node tree = AccessibleTree::of(window);
            if (tree.role == QLatin1String("dialog") || tree.role == QLatin1String("alertdialog")) {
                if (syncWindow(window, tree, copy))
                    kept.push_back(std::move(copy));
            } else {
                // A popup (an open menu, a list's entries) is heard through
                // the copy of the window it belongs to.
                val container = containerOf(window);
                if (isElement(container))
                    hideQtsOwn(container, val::undefined());
            }
        }
        // A window that went took its element with it.
        m_copies = std::move(kept);
        followFocus();
        writeFieldText();
    }

    // Qt's text field holds what the browser typed into it, refused and
    // lower-case letters included; while it stands in for a box, a reader
    // must hear the box's own text there. Not while an input method is
    // composing in it, which a new value would cut short.
    void writeFieldText()
    {
        if (!isElement(m_standIn) || !isElement(m_input))
            return;
        // Qt places the field at the text cursor, by the screen's
        // coordinates, whenever it shows it: back over the box.
        for (const char* edge : {"left", "top", "width", "height"})
            m_input["style"].set(edge, m_standIn["style"][edge]);
        if (m_input["starquillComposing"].isTrue())
            return;
        for (const Copy& copy : m_copies) {
            const auto found = copy.elements.find(m_focused);
            if (found == copy.elements.end() ||
                found->second.written.role != QLatin1String("textbox"))
                continue;
            const QString& value = found->second.written.value;
            if (m_input["value"].as<std::string>() != text(value)) {
                m_input.set("value", text(value));
                m_input.call<void>("setSelectionRange", int(value.size()), int(value.size()));
            }
            return;
        }
    }

    Copy takeCopy(QWidget* window)
    {
        for (auto copy = m_copies.begin(); copy != m_copies.end(); ++copy)
            if (copy->window == window) {
                Copy found = std::move(*copy);
                m_copies.erase(copy);
                return found;
            }
        Copy fresh;
        fresh.window = window;
        return fresh;
    }

    // The empty element Qt lays over the window's canvas; none until Qt has
    // put the window in the page.
    static val containerOf(QWidget* window)
    {
        const std::string id = "qt-window-" + std::to_string(window->windowHandle()->winId());
        const val hosts =
            document().call<val>("querySelectorAll", std::string("#qt-shadow-container"));
        for (int i = 0; i < hosts["length"].as<int>(); ++i) {
            const val root = hosts[i]["shadowRoot"];
            if (!isElement(root))
                continue;
            const val qtWindow = root.call<val>("getElementById", id);
            if (!isElement(qtWindow))
                continue;
            // Nothing else in the window is ours to touch.
            return qtWindow.call<val>("querySelector", std::string(".qt-window-a11y-container"));
        }
        return val::undefined();
    }

    // Qt's frame around the window's canvas: its title bar repeats what the
    // window's own node is named, with a picture and a close box drawn
    // for the mouse, and its draggable contents would be heard as a group
    // around the window.
    static void quietenFrame(const val& container)
    {
        const val frame = container.call<val>("closest", std::string(".qt-window"));
        if (!isElement(frame))
            return;
        val title = frame.call<val>("querySelector", std::string(".title-bar"));
        if (isElement(title))
            setAttribute(title, "aria-hidden", "true");
        val contents = frame.call<val>("querySelector", std::string(".qt-window-contents"));
        if (isElement(contents))
            setAttribute(contents, "role", "none");
    }

    // Anything in the container but the copy is Qt's (its button that would
    // turn on its own copy): out of sight and out of the tree, but left in place.
    static void hideQtsOwn(const val& container, const val& copy)
    {
        const val children = container["children"];
        for (int i = 0; i < children["length"].as<int>(); ++i) {
            val child = children[i];
            if (!child.strictlyEquals(copy)) {
                child["style"].set("display", std::string("none"));
                setAttribute(child, "aria-hidden", "true");
            }
        }
    }

    bool syncWindow(QWidget* window, const Node& tree, Copy& copy)
    {
        val container = containerOf(window);
        if (!isElement(container))
            return false;
        if (!isElement(copy.root) || !copy.root["parentNode"].strictlyEquals(container)) {
            copy.elements.clear();
            copy.root = document().call<val>("createElement", std::string("div"));
            copy.root.set("className", std::string("starquill-a11y"));
            container.call<void>("appendChild", copy.root);
            quietenFrame(container);
        }
        hideQtsOwn(container, copy.root);
        // Qt's logical pixels in the page's pixels, however the window is scaled.
        const double scale =
            window->width() > 0 ? container["offsetWidth"].as<double>() / window->width() : 1.0;
        std::map<QAccessible::Id, Element> now;
        write(copy.root, tree, tree.place, scale, nullptr);
        // A modal window is all a screen reader should browse while it is up.
        setFlag(copy.root, "aria-modal", window->windowModality() != Qt::NonModal);
        syncChildren(copy.root, tree, scale, copy.elements, now);
        // What is left was in the window and is no more.
        for (auto& [id, gone] : copy.elements) {
            Q_UNUSED(id);
            gone.element.call<void>("remove");
        }
        copy.elements = std::move(now);
        return true;
    }

    void syncChildren(val& parent, const Node& node, double scale,
                      std::map<QAccessible::Id, Element>& before,
                      std::map<QAccessible::Id, Element>& now)
    {
        // Qt's text field, where it stands in for a text box, is not one of
        // the nodes: it keeps its place beside the box.
        val at = parent["firstElementChild"];
        for (const Node& child : node.children) {
            Element& made = element(child, before, now);
            // Placed within its parent's element.
            write(made.element, child, child.place.translated(-node.place.topLeft()), scale, &made);
            while (isElement(at) && isElement(m_input) && at.strictlyEquals(m_input))
                at = at["nextElementSibling"];
            if (made.element.strictlyEquals(at))
                at = at["nextElementSibling"];
            else
                parent.call<void>("insertBefore", made.element, isElement(at) ? at : val::null());
            syncChildren(made.element, child, scale, before, now);
        }
    }

    // The node's element, reused when its control had one of the same role.
    static Element& element(const Node& node, std::map<QAccessible::Id, Element>& before,
                            std::map<QAccessible::Id, Element>& now)
    {
        Element found;
        if (auto old = before.find(node.id); old != before.end()) {
            if (old->second.written.role == node.role)
                found = std::move(old->second);
            else
                old->second.element.call<void>("remove");
            before.erase(old);
        }
        if (found.fresh) {
            const bool list = node.role == QLatin1String("combobox");
            found.element =
                document().call<val>("createElement", std::string(list ? "select" : "div"));
            found.element.set("starquillId", node.id);
            // Plain text has no role of its own on the web: a plain element.
            if (!list && node.role != QLatin1String("text"))
                setAttribute(found.element, "role", text(node.role));
            if (isFocusable(node)) {
                // Reached through the program's Tab, never the page's own.
                setAttribute(found.element, "tabindex", "-1");
                const val listener = val::module_property("starquillAccessibleEvent");
                found.element.call<void>("addEventListener", std::string(list ? "change" : "click"),
                                         listener);
            }
        }
        return now[node.id] = std::move(found);
    }

    // Writes what changed since the element was last written (the window's
    // own element, which has no entry, all of it).
    static void write(val& element, const Node& node, const QRect& place, double scale,
                      Element* entry)
    {
        const bool root = !entry;
        const bool fresh = root || entry->fresh;
        const Node& was = root ? node : entry->written;
        if (fresh || place != was.place) {
            val style = element["style"];
            style.set("position", std::string("absolute"));
            style.set("left", std::to_string(place.x() * scale) + "px");
            style.set("top", std::to_string(place.y() * scale) + "px");
            style.set("width", std::to_string(place.width() * scale) + "px");
            style.set("height", std::to_string(place.height() * scale) + "px");
            // Clipped, never scrolled: focusing Qt's text field, which Qt
            // places by the screen's coordinates, would scroll a hidden
            // overflow and shift every element from its control's place.
            style.set("overflow", std::string("clip"));
            if (root) {
                // Behind the canvas already; never seen, never in the mouse's way.
                style.set("opacity", std::string("0"));
                style.set("pointerEvents", std::string("none"));
            }
        }
        if (root) {
            setAttribute(element, "role", text(node.role));
            element.set("hidden", node.hidden);
        }
        const bool byContent = namedByContent(node);
        if (fresh || node.name != was.name || node.value != was.value) {
            // Text goes in as text: textContent and attributes, never markup.
            if (node.role == QLatin1String("textbox"))
                element.set("textContent", text(node.value));
            else if (byContent)
                element.set("textContent", text(node.name));
            if (!byContent)
                setAttribute(element, "aria-label", text(node.name));
        }
        if (node.role == QLatin1String("combobox") &&
            (fresh || node.options != was.options || node.value != was.value))
            writeOptions(element, node);
        if (node.role == QLatin1String("textbox"))
            setFlag(element, "aria-multiline", node.multiLine);
        if (node.role == QLatin1String("checkbox"))
            setAttribute(element, "aria-checked", node.checked ? "true" : "false");
        if (node.role == QLatin1String("menuitem") && !node.children.isEmpty()) {
            setAttribute(element, "aria-haspopup", "menu");
            setAttribute(element, "aria-expanded", "false");
        }
        setFlag(element, "aria-disabled", node.disabled);
        if (node.role == QLatin1String("text"))
            element.set("id", elementId(node.id));
        if (!node.description.isEmpty()) {
            // A message box is described by its message's label.
            for (const Node& child : node.children)
                if (child.role == QLatin1String("text") && child.name == node.description)
                    setAttribute(element, "aria-describedby", elementId(child.id));
        }
        if (entry) {
            entry->written = node;
            entry->written.place = place;
            entry->written.children.clear();
            entry->fresh = false;
        }
    }

    static void writeOptions(val& select, const Node& node)
    {
        while (select["options"]["length"].as<int>() > node.options.size())
            select["options"][select["options"]["length"].as<int>() - 1].call<void>("remove");
        for (int i = 0; i < node.options.size(); ++i) {
            val option = select["options"][i];
            if (!isElement(option)) {
                option = document().call<val>("createElement", std::string("option"));
                select.call<void>("appendChild", option);
            }
            if (option["textContent"].as<std::string>() != text(node.options[i]))
                option.set("textContent", text(node.options[i]));
        }
        select.set("selectedIndex", int(node.options.indexOf(node.value)));
    }

    // The element of the control with the program's focus gets the page's
    // focus, so that a screen reader says what Tab reached. A text box is
    // the exception: Qt types into a text field of its own, which has the
    // page's focus then: named after the box, it takes the box's place in
    // the window's copy, so that a reader finds it among the window's
    // controls.
    void followFocus()
    {
        const Node* focused = nullptr;
        Copy* in = nullptr;
        QWidget* active = QApplication::activeModalWidget();
        if (!active)
            active = QApplication::activeWindow();
        for (Copy& copy : m_copies)
            if (copy.window == active)
                for (const auto& [id, made] : copy.elements) {
                    Q_UNUSED(id);
                    if (!made.written.focused)
                        continue;
                    // An open menu's item before the control the menu left.
                    if (!focused || made.written.role == QLatin1String("menuitem")) {
                        focused = &made.written;
                        in = &copy;
                    }
                }
        const QAccessible::Id id = focused ? focused->id : 0;
        val input = qtTextField();
        const bool typing =
            focused && focused->role == QLatin1String("textbox") && isElement(input);
        // Unchanged since the copy last followed it, and the page's focus
        // still where that put it. Qt focuses its text field itself for
        // every control it moves to, so a focus that moved on and back
        // before the copy was brought up to date (Tab, then Shift+Tab at
        // once) has left the page's focus there, on the wrong control.
        if (m_followed && id == m_focused) {
            if (!focused)
                return;
            const val& holder = typing ? input : in->elements.at(id).element;
            if (holder.call<bool>("matches", std::string(":focus")))
                return;
        }
        m_followed = true;
        m_focused = id;
        if (isElement(m_standIn)) {
            setFlag(m_standIn, "aria-hidden", false);
            m_standIn = val::undefined();
        }
        if (typing) {
            // One text box in the tree: Qt's, while it stands in.
            setAttribute(input, "aria-label", text(focused->name));
            m_standIn = in->elements.at(id).element;
            setFlag(m_standIn, "aria-hidden", true);
            standIn(input, m_standIn);
            return;
        }
        if (focused) {
            val options = val::object();
            options.set("preventScroll", true);
            in->elements.at(id).element.call<void>("focus", options);
        }
        // Wherever it is, in the page or in a copy.
        if (isElement(input) && !input.call<bool>("matches", std::string(":focus")))
            coverTextField(input);
    }

    // Puts Qt's text field where the box's element is, over the same place.
    // Moving an element takes the page's focus from it: it gets it back.
    void standIn(val& input, val& box)
    {
        if (!input["parentNode"].strictlyEquals(box["parentNode"]) ||
            !box["nextElementSibling"].strictlyEquals(input)) {
            box["parentNode"].call<void>("insertBefore", input, box["nextElementSibling"]);
            val options = val::object();
            options.set("preventScroll", true);
            input.call<void>("focus", options);
        }
        for (const char* edge : {"left", "top", "width", "height"})
            input["style"].set(edge, box["style"][edge]);
        if (isElement(m_inputCover)) {
            m_inputCover.call<void>("remove");
            m_inputCover = val::undefined();
        }
        if (!m_keysGuarded) {
            // Keys typed there are Qt's text field's, which passes them on
            // itself: the window they would bubble up to must not get them twice.
            m_keysGuarded = true;
            const val guard = val::module_property("starquillKeepKeyInField");
            input.call<void>("addEventListener", std::string("keydown"), guard);
            input.call<void>("addEventListener", std::string("keyup"), guard);
            const val composing = val::module_property("starquillFieldComposing");
            input.call<void>("addEventListener", std::string("compositionstart"), composing);
            input.call<void>("addEventListener", std::string("compositionend"), composing);
        }
    }

    // Takes Qt's text field out of the tree while no text box uses it. The
    // browser forgets aria-hidden on an element for good once the focus has
    // been inside it, as Qt's field's is whenever the focus moves: each time
    // the field goes into a fresh element that hides it.
    void coverTextField(val& input)
    {
        val cover = document().call<val>("createElement", std::string("div"));
        setAttribute(cover, "aria-hidden", "true");
        document()["body"].call<void>("appendChild", cover);
        cover.call<void>("appendChild", input);
        if (isElement(m_inputCover))
            m_inputCover.call<void>("remove");
        m_inputCover = cover;
    }

    // Qt's text field for typing; none before Qt made it.
    val qtTextField()
    {
        if (isElement(m_input))
            return m_input;
        const val inputs = document()["body"].call<val>("querySelectorAll", std::string("input"));
        for (int i = 0; i < inputs["length"].as<int>(); ++i)
            if (!inputs[i]["data-qinputcontext"].isUndefined())
                return m_input = inputs[i];
        return val::undefined();
    }

    std::vector<Copy> m_copies;
    QAccessible::Id m_focused = 0;
    bool m_followed = false;
    val m_standIn = val::undefined();
    val m_input = val::undefined();
    val m_inputCover = val::undefined();
    bool m_keysGuarded = false;
    bool m_scheduled = false;
};

Mirror* s_mirror = nullptr;

// Qt's own listeners on its text field have had the key by then.
void keepKeyInField(val event)
{
    event.call<void>("stopPropagation");
}

// Marks Qt's text field while an input method composes in it.
void fieldComposing(val event)
{
    event["target"].set("starquillComposing",
                        event["type"].as<std::string>() == "compositionstart");
    if (s_mirror)
        s_mirror->schedule();
}

void onAccessibilityUpdate(QAccessibleEvent*)
{
    if (s_mirror)
        s_mirror->schedule();
}

} // namespace

void install()
{
    s_mirror = new Mirror(qApp);
    // Every change Qt reports brings the copy up to date; Qt's own layer,
    // which would otherwise get them, stays off.
    QAccessible::installUpdateHandler(onAccessibilityUpdate);
    s_mirror->schedule();
}

} // namespace WebAccessibility

EMSCRIPTEN_BINDINGS(starquill_accessibility)
{
    emscripten::function("starquillAccessibleEvent", &WebAccessibility::onPageEvent);
    emscripten::function("starquillKeepKeyInField", &WebAccessibility::keepKeyInField);
    emscripten::function("starquillFieldComposing", &WebAccessibility::fieldComposing);
}

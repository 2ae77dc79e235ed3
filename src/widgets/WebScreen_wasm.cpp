// SPDX-License-Identifier: MIT
// The page's side is index.html's starquillFit(): it sizes the page's layout
// to the room asked for, and the browser scales that to the screen, so that
// pointer and touch positions stay in the program's pixels.
#include "WebScreen.h"

#include <QApplication>
#include <QEvent>
#include <QInputMethodQueryEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <emscripten/val.h>

#include <algorithm>
#include <string>

namespace WebScreen {
namespace {

using emscripten::val;

// The windows that stand on the page by themselves: not the lists' and
// menus' popups, which open inside the room of the window they belong to.
bool standsAlone(const QWidget* widget)
{
    if (!widget->isWindow())
        return false;
    const Qt::WindowType type = widget->windowType();
    return type == Qt::Window || type == Qt::Dialog;
}

// Whether a phone should show its keyboard for this control: it takes
// typed text, as Qt's own input context asks.
bool takesText(QObject* object)
{
    if (!object)
        return false;
    QInputMethodQueryEvent query(Qt::ImEnabled);
    QCoreApplication::sendEvent(object, &query);
    return query.value(Qt::ImEnabled).toBool();
}

class Fitter : public QObject
{
public:
    explicit Fitter(QObject* parent) : QObject(parent)
    {
        // Qt's text field for typing, made with the application object;
        // found before anything moves it into a window.
        const val inputs =
            val::global("document")["body"].call<val>("querySelectorAll", std::string("input"));
        for (int i = 0; i < inputs["length"].as<int>(); ++i)
            if (!inputs[i]["data-qinputcontext"].isUndefined())
                m_field = inputs[i];
        qApp->installEventFilter(this);
        if (QScreen* screen = QGuiApplication::primaryScreen())
            connect(screen, &QScreen::availableGeometryChanged, this, &Fitter::recentre);
        // After Qt has focused its field for the new focus object too; the
        // window's own signal (below) comes before, so that a phone never
        // sees the field wanting its keyboard for a button.
        connect(qApp, &QGuiApplication::focusObjectChanged, this, &Fitter::askForKeyboard);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            switch (event->type()) {
            case QEvent::Show:
                if (standsAlone(widget)) {
                    // The show event comes before Qt activates the window and
                    // connects its own handler of the window's focus.
                    if (QWindow* window = widget->windowHandle())
                        connect(window, &QWindow::focusObjectChanged, this, &Fitter::askForKeyboard,
                                Qt::UniqueConnection);
                    schedule();
                }
                break;
            case QEvent::Hide:
            case QEvent::Resize:
                if (standsAlone(widget))
                    schedule();
                break;
            default:
                break;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // Once control is back in the event loop: a window is shown and another
    // hidden at once, and the window's frame is known once it is on the page.
    void schedule()
    {
        if (m_scheduled)
            return;
        m_scheduled = true;
        QTimer::singleShot(0, this, [this] {
            m_scheduled = false;
            askForRoom();
        });
    }

    // The room the windows shown need: the widest and the tallest, frames
    // included.
    void askForRoom()
    {
        int width = 0;
        int height = 0;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && standsAlone(window) && window->windowHandle()) {
                // The platform window's frame: the widget's own stays
                // unknown on the page.
                const QRect frame = window->windowHandle()->frameGeometry();
                width = std::max(width, frame.width());
                height = std::max(height, frame.height());
            }
        if (width == 0 || (width == m_width && height == m_height))
            return;
        m_width = width;
        m_height = height;
        const val fit = val::global("window")["starquillFit"];
        if (fit.typeOf().as<std::string>() == "function")
            fit(width, height);
    }

    // The page's size has changed: every window stands in the middle of it
    // again, the hidden ones for when they come back.
    void recentre()
    {
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen)
            return;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (standsAlone(window) && window->windowHandle() && window->windowHandle()->handle()) {
                // By the platform window's frame, title bar included, which
                // the widget's own frame geometry leaves out on the page.
                QRect frame = window->windowHandle()->frameGeometry();
                frame.moveCenter(screen->availableGeometry().center());
                window->windowHandle()->setFramePosition(frame.topLeft());
            }
    }

    // Told by any window whose focus moved, the focus window or not (a
    // message box going clears its own): the application's focus decides.
    void askForKeyboard()
    {
        if (m_field.isUndefined())
            return;
        QObject* object = QGuiApplication::focusObject();
        // "none" keeps the phone's keyboard closed while the field has the
        // page's focus; without it the field asks for a text keyboard.
        if (takesText(object))
            m_field.call<void>("removeAttribute", std::string("inputmode"));
        else
            m_field.call<void>("setAttribute", std::string("inputmode"), std::string("none"));
    }

    val m_field = val::undefined();
    int m_width = 0;
    int m_height = 0;
    bool m_scheduled = false;
};

} // namespace

void install()
{
    new Fitter(qApp);
}

} // namespace WebScreen

// SPDX-License-Identifier: MIT
#include "Form.h"

#include "Look.h"
#include "Twips.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

// Assistive technology sees a window as a frame named by its caption; a
// plain QWidget would be a nameless filler.
QAccessibleInterface* accessibleWindowFactory(const QString& className, QObject* object)
{
    auto* form = qobject_cast<Form*>(object);
    if (form && className == QLatin1String(Form::staticMetaObject.className()))
        return new QAccessibleWidget(form, QAccessible::Window);
    return nullptr;
}

} // namespace

Form::Form(const QString& objectName, int clientWidthTwips, int clientHeightTwips)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_layout(new QVBoxLayout(this)), m_client(new QWidget(this))
{
    // Once, with the first window.
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleWindowFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setObjectName(objectName);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(Look::programIcon());
    m_client->setObjectName(objectName + QStringLiteral("_client"));
    m_client->setFixedSize(twipsSize(clientWidthTwips, clientHeightTwips));
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->addWidget(m_client);
    // A fixed single border: the window is exactly the menu bar plus the client area.
    m_layout->setSizeConstraint(QLayout::SetFixedSize);
}

QMenuBar* Form::menuBar()
{
    if (!m_menuBar) {
        m_menuBar = new QMenuBar(this);
        m_menuBar->setNativeMenuBar(false);
        m_layout->setMenuBar(m_menuBar);
    }
    return m_menuBar;
}

void Form::closeEvent(QCloseEvent* event)
{
    if (m_closed) {
        event->accept();
        return;
    }
    // Mark first: what closing sets off may end the program, which closes
    // the open windows and must not come back to this one.
    m_closed = true;
    emit closing();
    event->accept();
}

void Form::keyPressEvent(QKeyEvent* event)
{
    const bool hasModifiers =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!hasModifiers) {
        if (event->key() == Qt::Key_Escape && m_cancelButton && m_cancelButton->isEnabled()) {
            m_cancelButton->click();
            return;
        }
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && m_defaultButton &&
            m_defaultButton->isEnabled()) {
            // A focused push button presses itself; Enter reaches the window
            // only from other controls (a text box, a folded-up list).
            m_defaultButton->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void Form::setVisible(bool visible)
{
    // Qt's web-page platform asks for every window full screen (show() then
    // comes here through showFullScreen()); a form keeps its own size, with
    // its caption and frame, wherever it is shown.
    if (visible && windowState().testFlag(Qt::WindowFullScreen))
        setWindowState(windowState() & ~Qt::WindowFullScreen);
    QWidget::setVisible(visible);
}

void Form::showEvent(QShowEvent* event)
{
    if (!m_placed) {
        m_placed = true;
        adjustSize();
        centreOnScreen(this);
    }
    QWidget::showEvent(event);
}

void centreOnScreen(QWidget* window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}

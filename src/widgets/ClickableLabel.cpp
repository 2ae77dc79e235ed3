// SPDX-License-Identifier: MIT
#include "ClickableLabel.h"

#include <QAccessibleWidget>
#include <QMouseEvent>

namespace {

// What assistive technology sees of a clickable label: a link, named by its
// text as shown (a literal "&" included), pressed by its default action.
class AccessibleLink : public QAccessibleWidget
{
public:
    explicit AccessibleLink(ClickableLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        return state;
    }

    // The first action is the default one.
    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction())
            label()->click();
        else
            QAccessibleWidget::doAction(actionName);
    }

private:
    ClickableLabel* label() const { return static_cast<ClickableLabel*>(widget()); }
};

QAccessibleInterface* accessibleLinkFactory(const QString& className, QObject* object)
{
    auto* label = qobject_cast<ClickableLabel*>(object);
    if (label && className == QLatin1String(ClickableLabel::staticMetaObject.className()))
        return new AccessibleLink(label);
    return nullptr;
}

} // namespace

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    // Once, with the first label: no cost for windows without any.
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleLinkFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setCursor(Qt::PointingHandCursor);
    // The texts carry a literal "&"; there is no buddy to give it a meaning.
    setTextFormat(Qt::PlainText);
}

void ClickableLabel::click()
{
    emit clicked();
}

void ClickableLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool wasPressed = std::exchange(m_pressed, false);
    QLabel::mouseReleaseEvent(event);
    if (wasPressed && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        emit clicked();
}

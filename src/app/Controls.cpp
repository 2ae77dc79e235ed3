#include "Controls.h"

#include "ClickableLabel.h"
#include "Look.h"
#include "Twips.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace Controls {
namespace {

QRect place(const QRect& t)
{
    return twipsRect(t.x(), t.y(), t.width(), t.height());
}

void setupLabel(QLabel* label, const QRect& twipsGeometry, const QFont& font,
                const QColor& textColour, Qt::Alignment alignment, bool wrap)
{
    label->setGeometry(place(twipsGeometry));
    label->setFont(font);
    label->setAlignment(alignment);
    label->setWordWrap(wrap);
    label->setTextFormat(Qt::PlainText);
    Look::setTextColour(label, textColour);
}

} // namespace

QFrame* frame(const QString& name, QWidget* parent, const QRect& twipsGeometry,
              const QColor& background)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setGeometry(place(twipsGeometry));
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    Look::setColours(frame, background, frame->palette().color(QPalette::WindowText));
    return frame;
}

QLabel* label(const QString& name, const QString& text, QWidget* parent,
              const QRect& twipsGeometry, const QFont& font, const QColor& textColour,
              Qt::Alignment alignment, bool wrap)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    setupLabel(label, twipsGeometry, font, textColour, alignment, wrap);
    return label;
}

ClickableLabel* link(const QString& name, const QString& text, QWidget* parent,
                     const QRect& twipsGeometry, const QFont& font, const QColor& textColour,
                     Qt::Alignment alignment, bool wrap)
{
    auto* label = new ClickableLabel(name, text, parent);
    setupLabel(label, twipsGeometry, font, textColour, alignment, wrap);
    return label;
}

QPushButton* button(const QString& name, const QString& text, QWidget* parent,
                    const QRect& twipsGeometry, const QFont& font)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(place(twipsGeometry));
    button->setFont(font);
    // Enter on a focused button presses that button.
    button->setAutoDefault(true);
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, Look::ButtonGrey);
    palette.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(palette);
    return button;
}

QLineEdit* textBox(const QString& name, QWidget* parent, const QRect& twipsGeometry,
                   const QFont& font)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(place(twipsGeometry));
    box->setFont(font);
    // No length limit (QLineEdit's default is 32767 characters).
    box->setMaxLength(std::numeric_limits<int>::max());
    return box;
}

QComboBox* list(const QString& name, QWidget* parent, const QRect& twipsGeometry,
                const QFont& font)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setGeometry(place(twipsGeometry));
    list->setFont(font);
    list->setEditable(false);
    return list;
}

void fill(QWidget* widget, const QColor& background)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace Controls

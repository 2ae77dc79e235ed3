// SPDX-License-Identifier: MIT
#include "Controls.h"

#include "ClickableLabel.h"
#include "Look.h"
#include "Twips.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace Controls {
namespace {

// Room a push button's frame and padding take from its text.
constexpr int ButtonPadding = 12;
constexpr qreal SmallestPointSize = 7.0;

// A button's text as drawn: a lone '&' marks the shortcut and is not shown,
// "&&" shows one '&'.
QString shownText(const QString& text)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && ++i == text.size())
            break;
        shown.append(text.at(i));
    }
    return shown;
}

bool textFits(const QWidget* control)
{
    const QFontMetrics metrics(control->font());
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        if (label->text().isEmpty())
            return true;
        const QRect inside = label->contentsRect();
        if (label->wordWrap())
            return label->heightForWidth(label->width()) <= label->height();
        int widest = 0;
        for (const QString& line : label->text().split(QLatin1Char('\n')))
            widest = std::max(widest, metrics.horizontalAdvance(line));
        return widest <= inside.width();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        const QString text = shownText(button->text());
        int extra = ButtonPadding;
        if (!qobject_cast<const QPushButton*>(control))
            extra += button->style()->pixelMetric(QStyle::PM_IndicatorWidth) + 6;
        return metrics.horizontalAdvance(text) + extra <= button->width();
    }
    return true;
}

// Sets a control's font unless it already inherits that very font. A font
// change makes a drop-down list build its whole pop-up list (a window, a list
// view and its scroll bars) at once; one that inherits its font builds it only
// when the list is first opened.
void useFont(QWidget* control, const QFont& font)
{
    if (control->font() != font)
        control->setFont(font);
}

void setupLabel(QLabel* label, const QRect& twipsGeometry, const QFont& font,
                const QColor& textColour, Qt::Alignment alignment, bool wrap)
{
    label->setGeometry(twipsRect(twipsGeometry));
    useFont(label, font);
    label->setAlignment(alignment);
    label->setWordWrap(wrap);
    label->setTextFormat(Qt::PlainText);
    Look::setTextColour(label, textColour);
    fitText(label);
}

void captionFor(QLabel* caption, QWidget* control)
{
    if (!caption)
        return;
    caption->setBuddy(control);
    control->setAccessibleName(caption->text());
}

} // namespace

QFrame* frame(const QString& name, QWidget* parent, const QRect& twipsGeometry,
              const QColor& background)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setGeometry(twipsRect(twipsGeometry));
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    Look::setColours(frame, background, frame->palette().color(QPalette::WindowText));
    return frame;
}

QLabel* label(const QString& name, const QString& text, QWidget* parent, const QRect& twipsGeometry,
              const QFont& font, const QColor& textColour, Qt::Alignment alignment, bool wrap)
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
    button->setGeometry(twipsRect(twipsGeometry));
    useFont(button, font);
    // Enter on a focused button presses that button.
    button->setAutoDefault(true);
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, Look::ButtonGrey);
    palette.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(palette);
    fitText(button);
    return button;
}

QLineEdit* textBox(const QString& name, QWidget* parent, const QRect& twipsGeometry,
                   const QFont& font, QLabel* caption)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(twipsRect(twipsGeometry));
    useFont(box, font);
    // No length limit (QLineEdit's default is 32767 characters).
    box->setMaxLength(std::numeric_limits<int>::max());
    captionFor(caption, box);
    return box;
}

QComboBox* list(const QString& name, QWidget* parent, const QRect& twipsGeometry, const QFont& font,
                QLabel* caption)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setGeometry(twipsRect(twipsGeometry));
    useFont(list, font);
    list->setEditable(false);
    // On Linux Qt reports a list's current entry as its name; the label
    // relation set here is what screen readers announce there.
    captionFor(caption, list);
    return list;
}

void fitText(QWidget* control)
{
    QFont font = control->font();
    while (!textFits(control) && font.pointSizeF() > SmallestPointSize) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
        control->setFont(font);
    }
}

void fill(QWidget* widget, const QColor& background)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    Look::setFocusColours(palette, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace Controls

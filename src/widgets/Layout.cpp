// SPDX-License-Identifier: MIT
#include "Layout.h"

#include "ClickableLabel.h"
#include "Twips.h"
#include "core/Web.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

#include <limits>
#include <vector>

namespace Layout {
namespace {

// Room a push button's frame and padding take from its text.
constexpr int ButtonPadding = 12;
constexpr qreal SmallestPointSize = 7.0;
constexpr qreal FontStep = 0.25;

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
        if (label->wordWrap())
            return label->heightForWidth(label->width()) <= label->height();
        int widest = 0;
        for (const QString& line : label->text().split(QLatin1Char('\n')))
            widest = std::max(widest, metrics.horizontalAdvance(line));
        return widest <= label->contentsRect().width();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        int extra = ButtonPadding;
        if (!qobject_cast<const QPushButton*>(control))
            extra += button->style()->pixelMetric(QStyle::PM_IndicatorWidth) + 6;
        return metrics.horizontalAdvance(shownText(button->text())) + extra <= button->width();
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

QString translated(const char* context, const char* text)
{
    if (!text)
        return {};
    QString shown = QCoreApplication::translate(context, text);
    return shown.contains(QLatin1String("%1")) ? shown.arg(Web::siteName()) : shown;
}

QLabel* makeLabel(const Control& row, const QString& text, QWidget* parent)
{
    QLabel* label =
        row.kind == Kind::Link ? new ClickableLabel(text, parent) : new QLabel(text, parent);
    useFont(label, Look::font(row.font));
    label->setAlignment(row.alignment);
    label->setWordWrap(row.wrap);
    label->setTextFormat(Qt::PlainText);
    if (row.ink.isValid())
        Look::setTextColour(label, row.ink);
    if (row.place.isEmpty()) {
        label->move(twips(row.place.x()), twips(row.place.y()));
        label->adjustSize();
    }
    return label;
}

QPushButton* makeButton(const Control& row, const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    useFont(button, Look::font(row.font));
    // Enter on a focused button presses that button.
    button->setAutoDefault(true);
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, Look::ButtonGrey);
    palette.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(palette);
    return button;
}

QWidget* make(const Control& row, const QString& text, QWidget* parent)
{
    switch (row.kind) {
    case Kind::Frame:
    case Kind::Rule: {
        auto* frame = new QFrame(parent);
        frame->setFrameShape(row.kind == Kind::Rule ? QFrame::HLine : QFrame::Box);
        frame->setFrameShadow(QFrame::Sunken);
        return frame;
    }
    case Kind::GroupBox: {
        auto* frame = new QGroupBox(text, parent);
        frame->setFont(Look::font(row.font));
        return frame;
    }
    case Kind::Panel: {
        auto* panel = new QWidget(parent);
        // What it holds inherits the font from here.
        panel->setFont(Look::font(row.font));
        return panel;
    }
    case Kind::Label:
    case Kind::Link:
    case Kind::Picture:
        return makeLabel(row, text, parent);
    case Kind::Button:
        return makeButton(row, text, parent);
    case Kind::CheckBox: {
        auto* box = new QCheckBox(text, parent);
        box->setFont(Look::font(row.font));
        box->setCursor(Qt::PointingHandCursor);
        Look::setTextColour(box, row.ink);
        return box;
    }
    case Kind::TextBox: {
        auto* box = new QLineEdit(parent);
        useFont(box, Look::font(row.font));
        // No length limit (QLineEdit's default is 32767 characters).
        box->setMaxLength(std::numeric_limits<int>::max());
        return box;
    }
    case Kind::TextArea: {
        auto* area = new QPlainTextEdit(parent);
        area->setFont(Look::font(row.font));
        area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        area->setTabChangesFocus(true);
        return area;
    }
    case Kind::List: {
        auto* list = new QComboBox(parent);
        useFont(list, Look::font(row.font));
        list->setEditable(false);
        return list;
    }
    }
    return new QWidget(parent);
}

// Paints a control's own background, where its row gives one.
void paint(QWidget* control, const Control& row)
{
    if (!row.paper.isValid())
        return;
    switch (row.kind) {
    case Kind::Label:
    case Kind::Link:
        fill(control, row.paper);
        break;
    default:
        Look::setColours(control, row.paper,
                         row.ink.isValid() ? row.ink
                                           : control->palette().color(QPalette::WindowText));
    }
}

} // namespace

void build(QWidget* area, const char* context, std::initializer_list<Control> rows)
{
    std::vector<std::pair<const char*, QWidget*>> made;
    made.reserve(rows.size());
    const auto named = [&made, area](const char* name) {
        if (!name)
            return area;
        for (const auto& [rowName, control] : made)
            if (qstrcmp(rowName, name) == 0)
                return control;
        qFatal("Layout: no control named %s before its use", name);
    };
    for (const Control& row : rows) {
        QWidget* control = make(row, translated(context, row.text), named(row.parent));
        control->setObjectName(QLatin1String(row.name));
        if (!row.place.isEmpty())
            control->setGeometry(twipsRect(row.place));
        paint(control, row);
        if (row.kind == Kind::Picture)
            Look::showProgramIcon(static_cast<QLabel*>(control));
        if (row.caption) {
            auto* caption = static_cast<QLabel*>(named(row.caption));
            caption->setBuddy(control);
            // On Linux Qt reports a list's current entry as its name; the
            // label relation set here is what screen readers announce there.
            control->setAccessibleName(caption->text());
        }
        if (!row.place.isEmpty())
            fitText(control);
        made.emplace_back(row.name, control);
    }
}

void fitText(QWidget* control)
{
    QFont font = control->font();
    while (!textFits(control) && font.pointSizeF() > SmallestPointSize) {
        font.setPointSizeF(font.pointSizeF() - FontStep);
        control->setFont(font);
    }
}

void setText(QWidget* label, const QString& text)
{
    static_cast<QLabel*>(label)->setText(text);
    fitText(label);
}

void fill(QWidget* widget, const QColor& background)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    Look::setFocusColours(palette, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace Layout

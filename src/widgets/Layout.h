// SPDX-License-Identifier: MIT
#pragma once

#include "Look.h"

#include <QColor>
#include <QRect>
#include <QWidget>

#include <initializer_list>

// A window's controls as data: one row a control, in the order they are made,
// so that a later row lies in front of an earlier one it overlaps and comes
// after it in the tab order unless the window sets its own.
namespace Layout {

enum class Kind
{
    Frame,    // a sunken box painted in its own colour
    GroupBox, // a frame captioned by its text, navy with white text
    Panel,    // a plain area in its own colours; its controls inherit its font
    Label,    // plain text; a size of 0 by 0 fits the text
    Link,     // a label that opens something when clicked
    Picture,  // the program's icon, filling the place
    Button,
    CheckBox,
    TextBox,  // one line
    TextArea, // several lines, with a scroll bar
    List,     // a drop-down list to pick from; no typing
    Rule      // a horizontal line
};

struct Control
{
    Kind kind;
    const char* name;   // its objectName
    const char* parent; // the row it lies in; none: the window's client area
    QRect place;        // left, top, width and height in twips
    Look::Font font;
    // Text colour and background; an invalid colour leaves the inherited one.
    QColor ink;
    QColor paper;
    // The English source text, translated in the layout's context (mark it
    // with QT_TRANSLATE_NOOP in that context). "%1" stands for the web
    // site's name. None for texts the window fills in itself.
    const char* text = nullptr;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    bool wrap = false;
    // The label that captions a text box or a list on screen: it becomes the
    // label's buddy, and assistive technology names the control after it.
    const char* caption = nullptr;
};

// Makes the controls in `area`, in order. `context` is the translation
// context of the rows' texts.
void build(QWidget* area, const char* context, std::initializer_list<Control> rows);

// The control of that name in `area`; built by build(), so never missing.
template <class T = QWidget> T* find(const QWidget* area, const char* name)
{
    return area->findChild<T*>(QLatin1String(name));
}

// Shrinks the control's font, if need be, until its text fits: on one line
// within its width, or (wrapping labels) within its height. Fonts differ
// between platforms and languages; no text may be cut off.
void fitText(QWidget* control);

// Sets a label's text and fits it.
void setText(QWidget* label, const QString& text);

// Gives a label a background of its own (focus colours to match).
void fill(QWidget* widget, const QColor& background);

} // namespace Layout

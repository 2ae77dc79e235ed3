// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class ClickableLabel;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Builders for the controls of the program's windows: each takes its name,
// its container and its place in twips (left, top, width, height).
namespace Controls {

// A frame without caption, painted in its own background colour.
QFrame* frame(const QString& name, QWidget* parent, const QRect& twipsGeometry,
              const QColor& background);

// A label with a transparent background unless one is given.
QLabel* label(const QString& name, const QString& text, QWidget* parent, const QRect& twipsGeometry,
              const QFont& font, const QColor& textColour,
              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop, bool wrap = false);

ClickableLabel* link(const QString& name, const QString& text, QWidget* parent,
                     const QRect& twipsGeometry, const QFont& font, const QColor& textColour,
                     Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop, bool wrap = true);

QPushButton* button(const QString& name, const QString& text, QWidget* parent,
                    const QRect& twipsGeometry, const QFont& font);

// Text boxes and lists are named for assistive technology after the label
// that captions them on screen (which also announces it as their label).
QLineEdit* textBox(const QString& name, QWidget* parent, const QRect& twipsGeometry,
                   const QFont& font, QLabel* caption = nullptr);

// A drop-down list from which one entry is picked; no typing.
QComboBox* list(const QString& name, QWidget* parent, const QRect& twipsGeometry, const QFont& font,
                QLabel* caption);

// Shrinks the control's font, if need be, until its text fits: on one line
// within its width, or (wrapping labels) within its height. Fonts differ
// between platforms; no text may be cut off.
void fitText(QWidget* control);

// Gives a label a background of its own (focus colours to match).
void fill(QWidget* widget, const QColor& background);

} // namespace Controls

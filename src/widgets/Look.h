// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>

class QLabel;
class QPalette;
class QWidget;

// Colours and fonts shared by the windows.
namespace Look {

inline const QColor DarkPlum{51, 28, 48};
inline const QColor PaleLavender{235, 227, 255};
inline const QColor LightGreen{192, 255, 192};
inline const QColor Charcoal{34, 37, 38};
inline const QColor DarkRed{62, 0, 1};
inline const QColor ButtonGrey{224, 224, 224};
inline const QColor Navy{0, 0, 128};
inline const QColor LinkBlue{0, 0, 192};

// The fonts the windows are drawn in, named for what they are used for. All
// are Verdana but the caption; where a family is not installed, a sans serif
// of similar width and height takes its place (see installFontSubstitutes).
enum class Font
{
    Text,     // Verdana 8.25: labels and the program's menus and message boxes
    BoldText, // Verdana 8.25 bold: text boxes, lists, most buttons
    Heading,  // Verdana 9 bold: banners, the main button, the sign
    Small,    // Verdana 8: the About box
    Caption   // MS Sans Serif 13.5 bold: the exit screen's caption
};
QFont font(Font use);
// Maps the Windows families the windows ask for to close installed ones.
// Runs once; the font builders above call it.
void installFontSubstitutes();

// The program's icon, from the resources built into it.
QIcon programIcon();
// Shows the program icon filling a picture, sharp at any screen scale, and
// names the picture for assistive technology.
void showProgramIcon(QLabel* picture);

// Paints the widget's own background (when given) and its text colour.
void setColours(QWidget* widget, const QColor& background, const QColor& text);
void setTextColour(QWidget* widget, const QColor& text);
// The colours the style draws the keyboard focus and selections in, chosen to
// stand out on the given background: light on dark, dark on light.
void setFocusColours(QPalette& palette, const QColor& background);

} // namespace Look

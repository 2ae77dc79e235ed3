#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>

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

// Verdana at the given size; Qt substitutes the platform's sans serif where
// Verdana is not installed.
QFont verdana(qreal pointSize, bool bold = false);

// The program's icon, from the resources built into it.
QIcon programIcon();
// Where that icon lives among the resources.
inline const QString ProgramIconPath = QStringLiteral(":/icons/starquill.png");

// Paints the widget's own background (when given) and its text colour.
void setColours(QWidget* widget, const QColor& background, const QColor& text);
void setTextColour(QWidget* widget, const QColor& text);

} // namespace Look

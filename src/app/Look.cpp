#include "Look.h"

#include <QPalette>
#include <QWidget>

// The library is static: without a reference its resources would not be
// linked into the program at all. Outside any namespace, as the macro needs.
static void loadResources()
{
    static const bool loaded = [] {
        Q_INIT_RESOURCE(starquill);
        return true;
    }();
    Q_UNUSED(loaded);
}

namespace Look {

QIcon programIcon()
{
    loadResources();
    return QIcon(ProgramIconPath);
}

QFont verdana(qreal pointSize, bool bold)
{
    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

void setColours(QWidget* widget, const QColor& background, const QColor& text)
{
    QPalette palette = widget->palette();
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, background);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget* widget, const QColor& text)
{
    QPalette palette = widget->palette();
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
    widget->setPalette(palette);
}

} // namespace Look

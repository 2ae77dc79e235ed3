// SPDX-License-Identifier: MIT
#include "Look.h"

#include "core/AppInfo.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QHash>
#include <QLabel>
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
namespace {

// The family itself where it is installed, else its first installed stand-in.
// Asking for that directly spares the font system a search for the missing
// family (fontconfig's whole fallback list) for every font size.
QString installedFamily(const QString& family)
{
    static QHash<QString, QString> resolved;
    auto found = resolved.constFind(family);
    if (found != resolved.constEnd())
        return *found;
    installFontSubstitutes();
    QString installed = family;
    if (!QFontDatabase::hasFamily(family)) {
        const QStringList standIns = QFont::substitutes(family);
        const auto standIn = std::find_if(standIns.begin(), standIns.end(), [](const QString& f) {
            return QFontDatabase::hasFamily(f);
        });
        if (standIn != standIns.end())
            installed = *standIn;
    }
    resolved.insert(family, installed);
    return installed;
}

QFont family(const QString& name, qreal pointSize, bool bold)
{
    QFont font(installedFamily(name));
    // Fitted to the pixel grid, as Windows draws Verdana: crisp stems at these
    // small sizes, and one image per letter rather than one per sub-pixel
    // position, so fewer letters to render before the first window shows.
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace

void installFontSubstitutes()
{
    static const bool installed = [] {
        // DejaVu Sans (Bitstream Vera) was drawn to Verdana's wide, tall
        // proportions; the others are narrower, so texts only get shorter.
        QFont::insertSubstitutions(
            QStringLiteral("Verdana"),
            {QStringLiteral("DejaVu Sans"), QStringLiteral("Bitstream Vera Sans"),
             QStringLiteral("Noto Sans"), QStringLiteral("Liberation Sans")});
        // Windows' own successor first, then Arial's metric twins.
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   {QStringLiteral("Microsoft Sans Serif"),
                                    QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                    QStringLiteral("DejaVu Sans")});
        return true;
    }();
    Q_UNUSED(installed);
}

QFont font(Font use)
{
    const QString verdana = QStringLiteral("Verdana");
    switch (use) {
    case Font::Text:
        return family(verdana, 8.25, false);
    case Font::BoldText:
        return family(verdana, 8.25, true);
    case Font::Heading:
        return family(verdana, 9, true);
    case Font::Small:
        return family(verdana, 8, false);
    case Font::Caption:
        return family(QStringLiteral("MS Sans Serif"), 13.5, true);
    }
    return family(verdana, 8.25, false);
}

QIcon programIcon()
{
    // Every window shows the same icon: decoded once, not for each new window
    // (a reading builds one). Released with the application, before the
    // platform goes.
    static QIcon* icon = nullptr;
    if (!icon) {
        loadResources();
        icon = new QIcon(QStringLiteral(":/icons/starquill.png"));
        qAddPostRoutine([] {
            delete icon;
            icon = nullptr;
        });
    }
    return *icon;
}

void showProgramIcon(QLabel* picture)
{
    // A pixmap of the picture's size in device pixels: a logical-size one
    // would be drawn blurred, or at a fraction of the size, on scaled screens.
    picture->setScaledContents(false);
    picture->setAlignment(Qt::AlignCenter);
    picture->setPixmap(programIcon().pixmap(picture->size(), picture->devicePixelRatioF()));
    //: What a screen reader says of the program's icon; %1 is the program's name.
    picture->setAccessibleName(
        QCoreApplication::translate("Look", "%1 icon").arg(AppInfo::title()));
}

void setFocusColours(QPalette& palette, const QColor& background)
{
    // The style draws a focused control's outline in a darker shade of the
    // highlight; its default blue barely shows on the dark plum and against
    // the grey outline of a button on the light panels.
    const bool dark = background.lightness() < 128;
    palette.setColor(QPalette::Highlight, dark ? LightGreen : Navy);
    palette.setColor(QPalette::HighlightedText, dark ? DarkPlum : QColor(Qt::white));
}

void setColours(QWidget* widget, const QColor& background, const QColor& text)
{
    QPalette palette = widget->palette();
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, background);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
    setFocusColours(palette, background);
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

// SPDX-License-Identifier: MIT
#include "Languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QTranslator>

#include <memory>
#include <utility>

namespace Languages {
namespace {

const QString Folder = QStringLiteral(":/i18n");
const QString Prefix = QStringLiteral("starquill_");

// Kept for the program's life; replaced when another language is installed.
std::unique_ptr<QTranslator> s_program;
std::unique_ptr<QTranslator> s_qt;

// Qt's own texts that the windows show: the message boxes' buttons and a
// text box's menu. Listed here so that a language Qt has no translation for
// (Hindi) carries them in the program's file.
[[maybe_unused]] const char* const QtTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),  QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&No"), QT_TRANSLATE_NOOP("QLineEdit", "&Undo"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Redo"),    QT_TRANSLATE_NOOP("QLineEdit", "Cu&t"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Copy"),    QT_TRANSLATE_NOOP("QLineEdit", "&Paste"),
    QT_TRANSLATE_NOOP("QLineEdit", "Delete"),   QT_TRANSLATE_NOOP("QLineEdit", "Select All"),
};

std::unique_ptr<QTranslator> load(const QString& file)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file, Folder))
        return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

// Fonts a language needs that the platform may lack, built in under
// :/fonts-for/<language>/. Only the web page has any: a page sees none of the
// system's fonts, and Qt brings only Latin ones. All of them, whatever the
// language shown: a name is typed in its own script.
void addFonts()
{
    static bool added = false;
    if (std::exchange(added, true))
        return;
    const QDir fonts(QStringLiteral(":/fonts-for"));
    for (const QString& language : fonts.entryList(QDir::Dirs)) {
        const QDir folder(fonts.filePath(language));
        for (const QString& file : folder.entryList(QDir::Files))
            QFontDatabase::addApplicationFont(folder.filePath(file));
    }
}

} // namespace

QStringList available()
{
    QStringList suffixes;
    const QStringList files =
        QDir(Folder).entryList({Prefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        suffixes.append(file.mid(Prefix.size()).chopped(3));
    return suffixes;
}

QString choose(const QStringList& preferred, const QStringList& available)
{
    for (QString wanted : preferred) {
        wanted.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString language = wanted.section(QLatin1Char('_'), 0, 0);
        // English is the program's own language: a wish for it ends the search.
        if (language.compare(QLatin1String("en"), Qt::CaseInsensitive) == 0 ||
            language.compare(QLatin1String("C"), Qt::CaseSensitive) == 0)
            return {};
        // "pt_BR_x" and "de_AT" find "pt_BR" and "de"; "pt_PT" does not find "pt_BR".
        for (QString candidate = wanted; !candidate.isEmpty();
             candidate = candidate.section(QLatin1Char('_'), 0, -2)) {
            for (const QString& name : available) {
                if (name.compare(candidate, Qt::CaseInsensitive) == 0)
                    return name;
            }
        }
    }
    return {};
}

QString install(const QStringList& preferred)
{
    s_program.reset();
    s_qt.reset();
    addFonts();
    const QString chosen = choose(preferred, available());
    if (chosen.isEmpty())
        return {};
    s_program = load(Prefix + chosen);
    // Qt's own texts (the message boxes' buttons, a text box's menu) where
    // Qt has them; for Hindi the program's file carries the buttons.
    s_qt = load(QStringLiteral("qtbase_") + chosen);
    return s_program ? chosen : QString();
}

} // namespace Languages

#include "Settings.h"

#include <QCoreApplication>
#include <QSettings>

namespace Settings {
namespace {

const QString Section = QStringLiteral("Settings/");

QSettings store()
{
    // Addressed by the program's own name (the executable's, without extension).
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Starquill"),
                     QCoreApplication::applicationName());
}

} // namespace

QString read(const QString& key)
{
    const QVariant value = store().value(Section + key);
    // Only text is ever written; anything else found there counts as unreadable.
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

bool write(const QString& key, const QString& value)
{
    QSettings settings = store();
    settings.setValue(Section + key, value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QString location()
{
    return store().fileName();
}

} // namespace Settings

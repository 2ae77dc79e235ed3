// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

// The languages the program speaks besides English, compiled into its
// resources; the one shown follows the desktop's preference.
namespace Languages {

// The translations built in, by file suffix ("de", "pt_BR", ...).
QStringList available();

// The translation for a preference list in Qt's form ("de-AT", "pt-BR", ...),
// most wanted first: the first that is English, or that has a translation
// (exactly, or by its language alone), decides. Empty means English.
QString choose(const QStringList& preferred, const QStringList& available);

// Loads the program's and Qt's own texts in that language (replacing any
// loaded before), or none for English. Returns the translation loaded.
QString install(const QStringList& preferred);

} // namespace Languages

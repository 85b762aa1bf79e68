// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The language the program speaks: English or French. The desktop's language decides unless the
// player chose one (kept in the player's own settings) or the command line names one.
// Widget-free: the checker and the command line use it before any window exists.
#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>

namespace language {

enum class Language { English, French };

// "fr" or "en" (any case, "fr_CA" and "fr-CA" too); nullopt for anything else.
std::optional<Language> fromCode(const QString& code);
QString code(Language language);

// French when the first language the desktop asks for is French, English for anything else.
Language fromUiLanguages(const QStringList& uiLanguages);
Language systemLanguage(); // from QLocale::system()

// The player's choice kept in the user settings, if any.
std::optional<Language> savedChoice();
void saveChoice(Language language);

// The language to start in: the command line's, else the saved choice, else the desktop's.
Language startLanguage(std::optional<Language> commandLine);

// Installs the program's catalogue and Qt's own for the language (none for English) and makes
// it the current one. Every window receives QEvent::LanguageChange. Needs a QCoreApplication.
void apply(Language language);
Language current();
// The locale of the language in use, for numbers and dates: Canadian English or Canadian
// French, never the desktop's own. apply() makes it Qt's default locale too.
QLocale locale();
QLocale localeOf(Language language);
inline bool isFrench() { return current() == Language::French; }

} // namespace language

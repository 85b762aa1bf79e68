// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QTranslator>

namespace language {

namespace {

Language g_current = Language::English;
QTranslator* g_game = nullptr;
QTranslator* g_qt = nullptr;

QSettings userSettings() { return QSettings(QStringLiteral("Quillora"), QStringLiteral("Quillora")); }

const QString kKey = QStringLiteral("language");

void drop(QTranslator*& translator)
{
    if (!translator)
        return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
    translator = nullptr;
}

} // namespace

std::optional<Language> fromCode(const QString& code)
{
    const QString c = code.trimmed().toLower();
    const QString base = c.left(c.indexOf(QRegularExpression(QStringLiteral("[_.@-]"))));
    if (base == QLatin1String("fr"))
        return Language::French;
    if (base == QLatin1String("en"))
        return Language::English;
    return std::nullopt;
}

QString code(Language language) { return language == Language::French ? QStringLiteral("fr") : QStringLiteral("en"); }

Language fromUiLanguages(const QStringList& uiLanguages)
{
    for (const QString& name : uiLanguages) {
        // "C" and "POSIX" carry no language: the next entry decides.
        if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX"))
            continue;
        return fromCode(name) == Language::French ? Language::French : Language::English;
    }
    return Language::English;
}

Language systemLanguage() { return fromUiLanguages(QLocale::system().uiLanguages()); }

std::optional<Language> savedChoice() { return fromCode(userSettings().value(kKey).toString()); }

void saveChoice(Language language)
{
    QSettings settings = userSettings();
    settings.setValue(kKey, code(language));
    settings.sync();
}

Language startLanguage(std::optional<Language> commandLine)
{
    if (commandLine)
        return *commandLine;
    if (const auto saved = savedChoice())
        return *saved;
    return systemLanguage();
}

void apply(Language language)
{
    drop(g_game);
    drop(g_qt);
    g_current = language;
    // Numbers in tables and labels follow the game's language, not the desktop's.
    QLocale::setDefault(locale());
    if (language == Language::French) {
        g_game = new QTranslator;
        if (g_game->load(QStringLiteral(":/i18n/quillora_fr.qm")))
            QCoreApplication::installTranslator(g_game);
        else
            qWarning("The French catalogue is missing from the program.");
        // File dialogs and standard buttons: Qt's own French, when the system has it.
        g_qt = new QTranslator;
        if (g_qt->load(QLocale(QLocale::French, QLocale::Canada), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(g_qt);
    }
}

Language current() { return g_current; }

QLocale localeOf(Language language)
{
    return language == Language::French ? QLocale(QLocale::French, QLocale::Canada)
                                        : QLocale(QLocale::English, QLocale::Canada);
}

QLocale locale() { return localeOf(g_current); }

} // namespace language

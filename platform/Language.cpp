#include "platform/Language.h"

#include <QByteArray>
#include <QList>
#include <optional>
#ifdef _WIN32
#include <QLocale>
#include <QString>
#endif

namespace platform {

namespace {

// The language of ours that a name such as "ja_JP.UTF-8", "en" or "en-GB" asks for; none for
// every other language.
std::optional<Language> TextsFor(const QByteArray& name) {
    qsizetype end = 0;
    while (end < name.size() && name[end] != '_' && name[end] != '.' && name[end] != '@' && name[end] != '-')
        ++end;
    const QByteArray language = name.left(end).toLower();
    if (language == "ja")
        return Language::Japanese;
    if (language == "en")
        return Language::English;
    return std::nullopt;
}

#ifndef _WIN32
bool IsPosixLocale(const QByteArray& name) {
    return name == "C" || name == "POSIX" || name.startsWith("C.") || name.startsWith("POSIX.");
}

// The locale of messages, as setlocale(LC_MESSAGES, "") finds it; "C" when none is set.
QByteArray MessagesLocale() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(variable);
        if (!value.isEmpty())
            return value;
    }
    return QByteArrayLiteral("C");
}
#endif

}  // namespace

Language UserLanguage() {
#ifdef _WIN32
    // The display languages in the user's order; the first we have texts in decides.
    for (const QString& name : QLocale::system().uiLanguages()) {
        if (const std::optional<Language> language = TextsFor(name.toLatin1()))
            return *language;
    }
    return Language::English;
#else
    const QByteArray locale = MessagesLocale();
    if (IsPosixLocale(locale))
        return Language::Japanese;
    // LANGUAGE lists languages in the user's order; the first we have texts in decides, and when
    // it names none of them the locale does.
    for (const QByteArray& entry : qgetenv("LANGUAGE").split(':')) {
        if (const std::optional<Language> language = TextsFor(entry))
            return *language;
    }
    return TextsFor(locale).value_or(Language::English);
#endif
}

}  // namespace platform

#include "platform/Language.h"

#include <QByteArray>
#include <QList>
#ifdef _WIN32
#include <QLocale>
#include <QString>
#endif

namespace platform {

namespace {

enum class Named { None, Japanese, English, Other };

// "ja_JP.UTF-8", "ja", "en_GB@euro": only the language part counts.
Named LanguageOf(const QByteArray& name) {
    qsizetype end = 0;
    while (end < name.size() && name[end] != '_' && name[end] != '.' && name[end] != '@' && name[end] != '-')
        ++end;
    const QByteArray language = name.left(end).toLower();
    if (language.isEmpty())
        return Named::None;
    if (language == "ja")
        return Named::Japanese;
    if (language == "en")
        return Named::English;
    return Named::Other;
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
        const Named language = LanguageOf(name.toLatin1());
        if (language == Named::Japanese || language == Named::English)
            return language == Named::Japanese ? Language::Japanese : Language::English;
    }
    return Language::English;
#else
    const QByteArray locale = MessagesLocale();
    if (IsPosixLocale(locale))
        return Language::Japanese;
    // LANGUAGE lists languages in the user's order; the first we have texts in decides, and when
    // it names none of them the locale does.
    for (const QByteArray& entry : qgetenv("LANGUAGE").split(':')) {
        const Named language = LanguageOf(entry);
        if (language == Named::Japanese)
            return Language::Japanese;
        if (language == Named::English)
            return Language::English;
    }
    return LanguageOf(locale) == Named::Japanese ? Language::Japanese : Language::English;
#endif
}

}  // namespace platform

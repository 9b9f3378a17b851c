#include "platform/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace platform {

namespace {

// Where bmk540_en.qm lies relative to the executable, ':'-separated: the build tree and the
// installed layouts of bmk540 and bmk540ctl (set by the build).
QStringList TranslationDirectories() {
    QStringList dirs;
    const QDir executable(QCoreApplication::applicationDirPath());
    for (const QString& relative : QStringLiteral(BMK_TRANSLATION_DIRS).split(QLatin1Char(':')))
        dirs.append(QDir::cleanPath(executable.filePath(relative)));
    return dirs;
}

std::unique_ptr<QTranslator> EnglishTranslator() {
    auto translator = std::make_unique<QTranslator>();
    for (const QString& dir : TranslationDirectories()) {
        if (translator->load(QStringLiteral("bmk540_en"), dir))
            return translator;
    }
    return nullptr;
}

}  // namespace

Translations::Translations(Language language, QtTexts qtTexts) {
    if (language == Language::English)
        m_found = install(EnglishTranslator());
    // Qt's own texts are English; for Japanese its translation (はい / いいえ / キャンセル), which
    // leaves them English where it is not installed.
    if (language == Language::Japanese && qtTexts == QtTexts::Follow) {
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            install(std::move(qt));
    }
}

Translations::~Translations() {
    for (const std::unique_ptr<QTranslator>& translator : m_installed)
        QCoreApplication::removeTranslator(translator.get());
}

bool Translations::install(std::unique_ptr<QTranslator> translator) {
    if (!translator || !QCoreApplication::installTranslator(translator.get()))
        return false;
    m_installed.push_back(std::move(translator));
    return true;
}

QString SettingsText(const char* context, std::string_view text) {
    // translate() takes the text's bytes up to a NUL, which a view does not promise.
    const QByteArray source(text.data(), static_cast<qsizetype>(text.size()));
    return QCoreApplication::translate(context, source.constData());
}

}  // namespace platform

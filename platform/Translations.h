#pragma once
// The program's texts in the user's language through Qt's translators: ours for English (the
// texts themselves are Japanese) and Qt's own for Japanese, installed on the application.
#include <QString>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/Language.h"

class QTranslator;

namespace platform {

// Whether Qt's own texts (standard buttons, file dialog) follow the language or stay Qt's English,
// as beside bmk540ctl's own English messages.
enum class QtTexts { Follow, English };

// The translators of a language, installed while this object lives.
class Translations {
public:
    explicit Translations(Language language, QtTexts qtTexts = QtTexts::Follow);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // False when our translation for the language was not found; the texts then stay Japanese.
    bool found() const { return m_found; }

private:
    bool install(std::unique_ptr<QTranslator> translator);

    std::vector<std::unique_ptr<QTranslator>> m_installed;
    bool m_found = true;
};

// A text settings/ marks for translation (BMK_TR), under the marker's context.
QString SettingsText(const char* context, std::string_view text);

}  // namespace platform

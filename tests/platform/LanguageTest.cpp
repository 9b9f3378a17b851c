// The language of the texts from the environment, as gettext reads it.
#include <gtest/gtest.h>

#include <QByteArray>

#include "platform/Language.h"
#include "tests/support/ScopedVariable.h"

using platform::Language;

namespace {

struct Environment {
    const char* language;  // LANGUAGE; nullptr: unset
    const char* lcAll;
    const char* lcMessages;
    const char* lang;
    Language expected;
};

// Sets the four variables for one case and puts back what the test run had.
struct ScopedEnvironment {
    explicit ScopedEnvironment(const Environment& e)
        : language("LANGUAGE", e.language),
          lcAll("LC_ALL", e.lcAll),
          lcMessages("LC_MESSAGES", e.lcMessages),
          lang("LANG", e.lang) {}
    testing_support::ScopedVariable language, lcAll, lcMessages, lang;
};

}  // namespace

TEST(UserLanguage, FollowsTheEnvironmentAsGettextDoes) {
    constexpr Language J = Language::Japanese;
    constexpr Language E = Language::English;
    const Environment cases[] = {
        {nullptr, nullptr, nullptr, nullptr, J},  // nothing set: the C locale
        {nullptr, nullptr, nullptr, "C", J},
        {nullptr, nullptr, nullptr, "POSIX", J},
        {nullptr, "C.UTF-8", nullptr, "en_US.UTF-8", J},  // LC_ALL before LANG
        {nullptr, nullptr, nullptr, "ja_JP.UTF-8", J},
        {nullptr, nullptr, nullptr, "ja_JP.eucJP", J},
        {nullptr, nullptr, nullptr, "en_US.UTF-8", E},
        {nullptr, nullptr, nullptr, "de_DE.UTF-8", E},        // every other language
        {nullptr, nullptr, "ja_JP.UTF-8", "en_US.UTF-8", J},  // LC_MESSAGES before LANG
        {nullptr, "en_GB.UTF-8", "ja_JP.UTF-8", nullptr, E},  // LC_ALL before LC_MESSAGES
        {nullptr, "", "", "ja_JP.UTF-8", J},                  // empty counts as unset
        {"en_US:en", nullptr, nullptr, "C.UTF-8", J},         // LANGUAGE ignored in the C locale
        {"en_US:en", nullptr, nullptr, nullptr, J},
        {"en_US:en", nullptr, nullptr, "ja_JP.UTF-8", E},  // LANGUAGE before the locale
        {"ja:en", nullptr, nullptr, "en_US.UTF-8", J},
        {"fr:de", nullptr, nullptr, "ja_JP.UTF-8", J},  // no language of ours in it: the locale's
        {"fr:ja", nullptr, nullptr, "de_DE.UTF-8", J},  // the first one we have texts in
        {"::en_GB", nullptr, nullptr, "ja_JP.UTF-8", E},
        {"", nullptr, nullptr, "en_US.UTF-8", E},
    };
    for (const Environment& e : cases) {
        const ScopedEnvironment set(e);
        EXPECT_EQ(platform::UserLanguage(), e.expected)
            << "LANGUAGE=" << (e.language ? e.language : "(unset)")
            << " LC_ALL=" << (e.lcAll ? e.lcAll : "(unset)")
            << " LC_MESSAGES=" << (e.lcMessages ? e.lcMessages : "(unset)")
            << " LANG=" << (e.lang ? e.lang : "(unset)");
    }
}

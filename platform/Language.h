#pragma once
// The language of the program's texts, as the user's locale asks for it.

namespace platform {

enum class Language { Japanese, English };

// Japanese, the system's own texts, for a Japanese locale and for the C/POSIX locale (also when
// none is set); English for every other language. On Unix the environment decides as gettext
// reads it: LC_ALL, LC_MESSAGES, LANG, and before them LANGUAGE unless the locale is C/POSIX.
Language UserLanguage();

}  // namespace platform

#pragma once

#include <span>

namespace v32 {

// One row of a language table: the English caption as the key and the text shown instead.
struct TranslationPair {
    const char* key;
    const char* text;
};

// A language as the LANG key names it; a null table means captions stay in English.
// Tables end with a pair whose key is null.
struct Language {
    const char* name;
    const TranslationPair* table;
};

// The lookup rules on their own, for a given language list and current record (null when
// none is current, else an element of languages): no current language gives the text; a
// current table gives the first pair whose key matches byte for byte, else the text; a
// current record without a table that is not the first record falls back to the first
// record's table. A null text gives an empty string.
const char* lookupTranslation(std::span<const Language> languages, const Language* current,
                              const char* text);

// Makes the built-in list ("en", then "zh-cn") the list in use, with its first record current.
void installLanguages();

// Makes the record named exactly name current; returns false and keeps the current record
// when no record has that name.
bool selectLanguage(const char* name);

// The current language's name, or an empty string before the list is installed.
const char* currentLanguageName();

// Every fixed caption passes through here before it is shown: the English text is the
// key, and the current language's table gives the translation, or the text itself.
const char* translate(const char* text);

} // namespace v32

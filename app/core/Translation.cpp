#include "app/core/Translation.h"

#include "app/core/LanguageTableZhCn.h"

#include <array>
#include <cstring>

namespace v32 {

namespace {

// English first: it is current until LANG names another language.
constexpr std::array<Language, 2> kLanguages{{
    {"en", nullptr},
    {"zh-cn", kZhCnTable},
}};

const Language* g_currentLanguage = nullptr;

const char* findTranslation(const TranslationPair* table, const char* text) {
    for (const TranslationPair* pair = table; pair->key != nullptr; ++pair) {
        if (std::strcmp(pair->key, text) == 0) {
            return pair->text;
        }
    }
    return text;
}

} // namespace

const char* lookupTranslation(std::span<const Language> languages, const Language* current,
                              const char* text) {
    if (text == nullptr) {
        return "";
    }
    if (current == nullptr) {
        return text;
    }
    if (current->table != nullptr) {
        return findTranslation(current->table, text);
    }
    const Language& first = languages.front();
    if (current != &first && first.table != nullptr) {
        return findTranslation(first.table, text);
    }
    return text;
}

void installLanguages() {
    g_currentLanguage = &kLanguages.front();
}

bool selectLanguage(const char* name) {
    if (name == nullptr) {
        return false;
    }
    for (const Language& language : kLanguages) {
        if (std::strcmp(language.name, name) == 0) {
            g_currentLanguage = &language;
            return true;
        }
    }
    return false;
}

const char* currentLanguageName() {
    return g_currentLanguage != nullptr ? g_currentLanguage->name : "";
}

const char* translate(const char* text) {
    return lookupTranslation(kLanguages, g_currentLanguage, text);
}

} // namespace v32

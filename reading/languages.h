#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/catalogue.h"

namespace orbalis {

// A language the program can speak: its code ("en", "hi", "ta") and its name
// in itself ("English", "हिन्दी", "தமிழ்").
struct LanguageChoice {
    std::string code;
    std::string name;
};

// English first, then every language whose catalogue is installed (or, for
// the programs of a build folder, built there), by code.
std::vector<LanguageChoice> AvailableLanguages();

// The catalogue of a language code; English for "en", for an unknown code
// or a catalogue that cannot be read.
Catalogue CatalogueFor(std::string_view code);

// The language code of a locale name such as "hi_IN.UTF-8", "ta" or "C".
std::string LanguageOfLocaleName(std::string_view locale);

// The language the user's locale asks for (LANGUAGE, LC_ALL, LC_MESSAGES,
// LANG, in that order, as the C library reads them) when a catalogue for it
// is available; "en" otherwise.
std::string LanguageOfEnvironment();

// True when `code` is "en" or has an available catalogue.
bool IsAvailableLanguage(std::string_view code);

}  // namespace orbalis

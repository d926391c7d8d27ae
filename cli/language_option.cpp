#include <CLI/CLI.hpp>

#include "cli/subcommand.h"
#include "reading/languages.h"

namespace orbalis::cli {

namespace {

// "en, hi, ta": the codes --lang takes.
std::string LanguageCodes() {
    std::string codes;
    for (const LanguageChoice& language : AvailableLanguages())
        codes += (codes.empty() ? "" : ", ") + language.code;
    return codes;
}

}  // namespace

void AddLanguageOption(CLI::App& subcommand, std::string& lang) {
    subcommand
        .add_option("--lang", lang,
                    "The language of the text for people: en, hi or ta where their catalogues "
                    "are installed; the locale's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) by "
                    "default, English when it has none. JSON and CSV stay English")
        ->check(CLI::Validator(
            [](const std::string& code) {
                return IsAvailableLanguage(code)
                           ? std::string()
                           : "no language \"" + code + "\"; the available ones are " +
                                 LanguageCodes();
            },
            "LANG"));
}

Catalogue LanguageOption(const std::string& lang) {
    return CatalogueFor(lang.empty() ? LanguageOfEnvironment() : lang);
}

}  // namespace orbalis::cli

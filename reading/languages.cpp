#include "reading/languages.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace orbalis {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kCatalogueName = "orbalis.mo";
// Lets the tests, or a user trying a new catalogue, point elsewhere.
constexpr const char* kLocaleDirVariable = "ORBALIS_LOCALEDIR";

// The folder the catalogues are read from: the build folder's for a program
// run from it, otherwise the installed one (beside the program for a
// relocated install).
fs::path LocaleFolder() {
    if (const char* chosen = std::getenv(kLocaleDirVariable); chosen && *chosen) return chosen;
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (!error) {
        const std::string path = program.string();
        const std::string build = ORBALIS_BUILD_DIR "/";
        if (path.compare(0, build.size(), build) == 0) return ORBALIS_BUILD_LOCALE_DIR;
        const fs::path beside = program.parent_path().parent_path() / "share" / "locale";
        if (fs::exists(beside / "hi" / "LC_MESSAGES" / kCatalogueName, error)) return beside;
    }
    return ORBALIS_INSTALLED_LOCALE_DIR;
}

fs::path CatalogueFile(const fs::path& folder, std::string_view code) {
    return folder / std::string(code) / "LC_MESSAGES" / std::string(kCatalogueName);
}

bool IsLanguageCode(std::string_view code) {
    return code.size() >= 2 && code.size() <= 3 &&
           std::all_of(code.begin(), code.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

}  // namespace

Catalogue CatalogueFor(std::string_view code) {
    if (code == "en" || !IsLanguageCode(code)) return Catalogue{};
    std::ifstream file(CatalogueFile(LocaleFolder(), code), std::ios::binary);
    if (!file) return Catalogue{};
    std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    auto catalogue = Catalogue::FromCompiled(std::string(code), std::move(bytes));
    return catalogue ? std::move(*catalogue) : Catalogue{};
}

std::vector<LanguageChoice> AvailableLanguages() {
    std::vector<LanguageChoice> languages{{"en", "English"}};
    std::error_code error;
    const fs::path folder = LocaleFolder();
    std::vector<std::string> codes;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        const std::string code = entry.path().filename().string();
        if (IsLanguageCode(code) && code != "en" && fs::exists(CatalogueFile(folder, code), error))
            codes.push_back(code);
    }
    std::sort(codes.begin(), codes.end());
    for (const std::string& code : codes) {
        const Catalogue words = CatalogueFor(code);
        if (words.isEnglish()) continue;
        languages.push_back({code, std::string(TrC(words, "the language's own name", "English"))});
    }
    return languages;
}

bool IsAvailableLanguage(std::string_view code) {
    const auto languages = AvailableLanguages();
    return std::any_of(languages.begin(), languages.end(),
                       [&](const LanguageChoice& language) { return language.code == code; });
}

std::string LanguageOfLocaleName(std::string_view locale) {
    const std::size_t end = locale.find_first_of("_.@:");
    const std::string_view code = locale.substr(0, end);
    if (!IsLanguageCode(code)) return "en";
    return std::string(code);
}

std::string LanguageOfEnvironment() {
    // LANGUAGE is a list of preferences, used only under a locale other than C.
    auto variable = [](const char* name) -> std::string_view {
        const char* value = std::getenv(name);
        return value ? std::string_view(value) : std::string_view{};
    };
    std::string_view locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = variable(name);
        if (!locale.empty()) break;
    }
    if (locale.empty() || locale == "C" || locale == "POSIX") return "en";
    std::string_view preferences = variable("LANGUAGE");
    while (!preferences.empty()) {
        const std::size_t colon = preferences.find(':');
        const std::string code = LanguageOfLocaleName(preferences.substr(0, colon));
        if (code == "en" || IsAvailableLanguage(code)) return code;
        if (colon == std::string_view::npos) break;
        preferences.remove_prefix(colon + 1);
    }
    const std::string code = LanguageOfLocaleName(locale);
    return IsAvailableLanguage(code) ? code : "en";
}

}  // namespace orbalis

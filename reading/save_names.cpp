#include "reading/save_names.h"

#include "model/text_utils.h"

namespace orbalis {
namespace {

constexpr std::string_view kReadingExtension = ".orb";
constexpr std::string_view kTextExtension = ".txt";

std::string Replaced(std::string_view name, std::string_view from, std::string_view to) {
    if (!name.ends_with(from)) return std::string(name);
    name.remove_suffix(from.size());
    return std::string(name) + std::string(to);
}

}  // namespace

std::string ReadingFileName(std::string_view name) {
    std::string named = Replaced(name, kTextExtension, kReadingExtension);
    if (!named.empty() && !named.ends_with(kReadingExtension)) named += kReadingExtension;
    return named;
}

std::string TextExportName(std::string_view name) {
    return Replaced(name, kReadingExtension, kTextExtension);
}

std::string SuggestedSaveName(std::string_view personName) {
    return std::string(TrimBlanks(personName));
}

}  // namespace orbalis

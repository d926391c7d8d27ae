#pragma once

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

// Marks a text that a table only writes down; it is translated where it is
// shown, with Tr(). The message extractor looks for N_, Tr and TrC (and Qt's tr and translate).
#define N_(text) text

namespace orbalis {

// The translations of one language: each English text of the program, as
// the source writes it, mapped to that language's text. English itself is
// the empty catalogue, so English texts stay exactly as written.
class Catalogue {
  public:
    Catalogue() = default;

    // A compiled message catalogue (the .mo format) for the language `code`
    // ("hi", "ta"); nothing when the bytes are not one.
    static std::optional<Catalogue> FromCompiled(std::string code, std::string bytes);

    // "en" for English.
    const std::string& code() const { return code_; }
    bool isEnglish() const { return texts_.empty(); }
    // The translation of an English text, or the text itself when the
    // catalogue has none.
    std::string_view operator()(std::string_view english) const;
    // The same for a short text that reads differently in two places; the
    // context tells the translator which one this is.
    std::string_view inContext(std::string_view context, std::string_view english) const;
    // How many texts it translates.
    std::size_t size() const { return texts_.size(); }
    // Every English text with its translation, in no particular order.
    const std::unordered_map<std::string_view, std::string_view>& texts() const { return texts_; }

  private:
    std::string code_ = "en";
    std::shared_ptr<const std::string> bytes_;
    std::unordered_map<std::string_view, std::string_view> texts_;
};

// The English catalogue: translates nothing.
const Catalogue& English();

// A text for people in the catalogue's language.
inline std::string_view Tr(const Catalogue& words, std::string_view english) {
    return words(english);
}
inline std::string_view TrC(const Catalogue& words, std::string_view context,
                            std::string_view english) {
    return words.inContext(context, english);
}

// A pattern with named blanks, "Mars is in the {house} house", filled in:
// each {name} is replaced by its value; a blank without a value stays as it is.
std::string Fill(std::string_view pattern,
                 std::initializer_list<std::pair<std::string_view, std::string_view>> values);

// The names of the blanks of a pattern, in order of appearance.
std::string BlanksOf(std::string_view pattern);

}  // namespace orbalis

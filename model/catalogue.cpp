#include "model/catalogue.h"

#include <cstdint>
#include <cstring>

namespace orbalis {
namespace {

constexpr std::uint32_t kMagic = 0x950412de;
constexpr std::uint32_t kMagicSwapped = 0xde120495;
// Separates a context from its text in a compiled catalogue.
constexpr char kContextEnd = '\x04';

std::uint32_t Swapped(std::uint32_t value) {
    return (value >> 24) | ((value >> 8) & 0xff00) | ((value << 8) & 0xff0000) | (value << 24);
}

class Reader {
  public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    bool Word(std::size_t at, std::uint32_t& value) const {
        if (at > bytes_.size() || bytes_.size() - at < 4) return false;
        std::memcpy(&value, bytes_.data() + at, 4);
        if (swapped_) value = Swapped(value);
        return true;
    }
    bool Start() {
        std::uint32_t magic = 0;
        if (!Word(0, magic)) return false;
        if (magic == kMagicSwapped) swapped_ = true;
        return magic == kMagic || magic == kMagicSwapped;
    }
    // The string of table entry `index` in the table at `table`.
    std::optional<std::string_view> Entry(std::uint32_t table, std::uint32_t index) const {
        std::uint32_t length = 0, offset = 0;
        const std::size_t at = std::size_t{table} + 8 * std::size_t{index};
        if (!Word(at, length) || !Word(at + 4, offset)) return std::nullopt;
        if (offset > bytes_.size() || bytes_.size() - offset <= length) return std::nullopt;
        return bytes_.substr(offset, length);
    }

  private:
    std::string_view bytes_;
    bool swapped_ = false;
};

}  // namespace

std::optional<Catalogue> Catalogue::FromCompiled(std::string code, std::string bytes) {
    Catalogue catalogue;
    catalogue.code_ = std::move(code);
    catalogue.bytes_ = std::make_shared<const std::string>(std::move(bytes));
    Reader reader(*catalogue.bytes_);
    std::uint32_t count = 0, originals = 0, translations = 0;
    if (!reader.Start() || !reader.Word(8, count) || !reader.Word(12, originals) ||
        !reader.Word(16, translations))
        return std::nullopt;
    for (std::uint32_t i = 0; i < count; ++i) {
        const auto english = reader.Entry(originals, i);
        const auto translated = reader.Entry(translations, i);
        if (!english || !translated) return std::nullopt;
        // The header (an empty text) and plural forms are not texts of ours.
        if (english->empty() || english->find('\0') != std::string_view::npos) continue;
        if (translated->empty()) continue;
        catalogue.texts_.emplace(*english, *translated);
    }
    return catalogue;
}

std::string_view Catalogue::operator()(std::string_view english) const {
    if (texts_.empty()) return english;
    const auto found = texts_.find(english);
    return found == texts_.end() ? english : found->second;
}

std::string_view Catalogue::inContext(std::string_view context, std::string_view english) const {
    if (texts_.empty()) return english;
    std::string key;
    key.reserve(context.size() + 1 + english.size());
    key.append(context).push_back(kContextEnd);
    key.append(english);
    const auto found = texts_.find(key);
    return found == texts_.end() ? english : found->second;
}

const Catalogue& English() {
    static const Catalogue english;
    return english;
}

std::string Fill(std::string_view pattern,
                 std::initializer_list<std::pair<std::string_view, std::string_view>> values) {
    std::string out;
    out.reserve(pattern.size() + 32);
    std::size_t at = 0;
    while (at < pattern.size()) {
        const std::size_t open = pattern.find('{', at);
        if (open == std::string_view::npos) break;
        const std::size_t close = pattern.find('}', open);
        if (close == std::string_view::npos) break;
        out.append(pattern.substr(at, open - at));
        const std::string_view name = pattern.substr(open + 1, close - open - 1);
        const std::pair<std::string_view, std::string_view>* value = nullptr;
        for (const auto& candidate : values)
            if (candidate.first == name) value = &candidate;
        if (value)
            out.append(value->second);
        else
            out.append(pattern.substr(open, close - open + 1));
        at = close + 1;
    }
    out.append(pattern.substr(at));
    return out;
}

std::string BlanksOf(std::string_view pattern) {
    std::string names;
    std::size_t at = 0;
    while ((at = pattern.find('{', at)) != std::string_view::npos) {
        const std::size_t close = pattern.find('}', at);
        if (close == std::string_view::npos) break;
        const std::string_view name = pattern.substr(at + 1, close - at - 1);
        const bool isName =
            !name.empty() &&
            name.find_first_not_of("abcdefghijklmnopqrstuvwxyz_") == std::string_view::npos;
        if (isName) {
            if (!names.empty()) names += ' ';
            names.append(name);
        }
        at = close + 1;
    }
    return names;
}

}  // namespace orbalis

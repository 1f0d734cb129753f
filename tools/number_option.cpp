#include "number_option.hpp"

#include <charconv>
#include <string>

namespace cellwright::tool {

std::optional<std::uint64_t> parse_number(std::string_view text, std::uint64_t largest) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, base);
    if (text.empty() || error != std::errc{} || stop != end || value > largest) {
        return std::nullopt;
    }
    return value;
}

CLI::Validator number_in(std::uint64_t smallest, std::uint64_t largest, const std::string& range) {
    return CLI::Validator(
        [smallest, largest, range](std::string& text) -> std::string {
            const std::optional<std::uint64_t> value = parse_number(text, largest);
            if (!value || *value < smallest) {
                return "'" + text + "' is not a whole number in " + range + " (decimal or 0x-hex)";
            }
            text = std::to_string(*value);
            return {};
        },
        "NUMBER:" + range);
}

}  // namespace cellwright::tool

#include "csv_text.hpp"

namespace cellwright::tool {

std::optional<std::vector<std::string>> split_csv(std::string_view line, char delimiter) {
    std::vector<std::string> fields(1);
    bool quoted = false;      // inside a quoted field
    bool was_quoted = false;  // the current field was quoted and has closed
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c != '"') {
                fields.back() += c;
            } else if (i + 1 < line.size() && line[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else {
                quoted = false;
                was_quoted = true;
            }
        } else if (c == delimiter) {
            fields.emplace_back();
            was_quoted = false;
        } else if (was_quoted) {
            return std::nullopt;  // text after a closing quote
        } else if (c == '"' && fields.back().empty()) {
            quoted = true;
        } else {
            fields.back() += c;
        }
    }
    if (quoted) {
        return std::nullopt;
    }
    return fields;
}

std::string csv_field(std::string_view text) {
    if (text.find_first_of(",;\t\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string field = "\"";
    for (const char c : text) {
        field += c;
        if (c == '"') {
            field += '"';
        }
    }
    return field + '"';
}

}  // namespace cellwright::tool

#include "json_text.hpp"

namespace cellwright::tool {
namespace {

void append_json(const Json& value, std::string& text) {
    if (value.is_object()) {
        text += '{';
        bool first = true;
        for (const auto& [key, member] : value.items()) {
            text += first ? "" : ", ";
            first = false;
            text += Json(key).dump();
            text += ": ";
            append_json(member, text);
        }
        text += '}';
    } else if (value.is_array()) {
        text += '[';
        bool first = true;
        for (const Json& element : value) {
            text += first ? "" : ", ";
            first = false;
            append_json(element, text);
        }
        text += ']';
    } else {
        text += value.dump();
    }
}

}  // namespace

std::string json_text(const Json& value) {
    std::string text;
    append_json(value, text);
    return text;
}

}  // namespace cellwright::tool

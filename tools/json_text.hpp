#pragma once
// JSON as the tool writes it: nlohmann-json values keeping their keys in the order set, laid
// out as people write JSON by hand, ", " between members and ": " after each key, on one line.

#include <string>

#include <nlohmann/json.hpp>

namespace cellwright::tool {

using Json = nlohmann::ordered_json;

// `value` on one line: {"a": 1, "b": [1, 2]}.
std::string json_text(const Json& value);

}  // namespace cellwright::tool

#pragma once
// Comma-separated values as spreadsheets and pandas read and write them (RFC 4180): a field
// that holds the delimiter, a quote or a line end is quoted, a quote inside doubled. One
// record per line; cellwright's own fields never need quoting.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cellwright::tool {

// The fields of one record, unquoted, or nullopt when a quoted field is left open or a quote
// closes in the middle of a field.
std::optional<std::vector<std::string>> split_csv(std::string_view line, char delimiter);

// `text` as one field: as it stands, or quoted when it must be.
std::string csv_field(std::string_view text);

}  // namespace cellwright::tool

#pragma once
// Turns a drawn sheet into bytes: a multi-page PDF, or a single page as SVG or PNG, written
// through cairo's stream surfaces to an output file the caller has opened.

#include <optional>
#include <span>
#include <string_view>

#include "output_file.hpp"
#include "print_drawing.hpp"

namespace cellwright::tool {

enum class SheetFormat { pdf, svg, png };

// PNG pages are rendered at this resolution: sharp on screen, fine for a draft print.
inline constexpr double PNG_DOTS_PER_INCH = 150;

// The format named by the extension of `path` (".pdf", ".svg" or ".png", in any letter
// case); nothing for any other name.
std::optional<SheetFormat> format_of(std::string_view path);

// Writes the sheet to `out`: every page for PDF; for SVG and PNG only page `single_page`
// (0-based, below the sheet's page count) on a white ground. Returns false when cairo or
// the file reported an error; `out` then holds a partial file. Does not commit `out`.
bool write_sheet(OutputFile& out, SheetFormat format, const SheetOptions& options,
                 std::span<const PrintProblem> problems, int single_page);

}  // namespace cellwright::tool

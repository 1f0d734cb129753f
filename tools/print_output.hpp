#pragma once
// Turns a drawn sheet into bytes: a multi-page PDF, or a single page as SVG or PNG, written
// through cairo's stream surfaces to an output file the caller has opened; and the names of
// the numbered files that hold one page each.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "output_file.hpp"
#include "print_drawing.hpp"

namespace cellwright::tool {

enum class SheetFormat { pdf, svg, png };

// PNG pages are rendered at this resolution unless told otherwise: print quality.
inline constexpr int DEFAULT_DOTS_PER_INCH = 300;
// The resolutions --dpi accepts: from coarse previews to fine print, an A4 page at the most
// about 10000 by 14000 pixels (half a gigabyte while drawn).
inline constexpr int MIN_DOTS_PER_INCH = 36;
inline constexpr int MAX_DOTS_PER_INCH = 1200;

// The format named by the extension of `path` (".pdf", ".svg" or ".png", in any letter
// case); nothing for any other name.
std::optional<SheetFormat> format_of(std::string_view path);

// Writes the sheet to `out`: every page for PDF; for SVG and PNG only page `single_page`
// (0-based, below the sheet's page count) on a white ground, a PNG at `dots_per_inch`.
// Returns false when cairo or the file reported an error; `out` then holds a partial file.
// Does not commit `out`.
bool write_sheet(OutputFile& out, SheetFormat format, const SheetOptions& options,
                 std::span<const PrintProblem> problems, int single_page,
                 int dots_per_inch = DEFAULT_DOTS_PER_INCH);

// The name of the file that holds page `page` (from 1) of a sheet written one page a file:
// "out.svg" gives "out-1.svg", "out-2.svg", ...; a name without an extension gets "-N" at
// its end.
std::string page_file_name(const std::string& path, int page);

}  // namespace cellwright::tool

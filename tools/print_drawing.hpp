#pragma once
// Draws the pages of a printed sheet with cairo: puzzle pages (a heading with number, grade
// and class over each grid, given digits centred in their cells) and then answer key pages
// (every solution smaller, givens bold on a grey ground, the filled-in digits plain). The
// geometry comes from print_layout.hpp; this file only paints it.

#include <cairo.h>

#include <span>
#include <string>

#include "print_layout.hpp"
#include "print_problem.hpp"

namespace cellwright::tool {

struct SheetOptions {
    Paper paper = Paper::a4;
    int puzzles_per_page = DEFAULT_PUZZLES_PER_PAGE;
    bool with_answers = true;
    std::string title;  // shown at the top of every page; may be empty
};

// The font every text of the sheet is set in (fonts-dejavu-core).
inline constexpr const char* SHEET_FONT = "DejaVu Sans";

// True when cairo accepts `text` for drawing (valid UTF-8); checked up front so that a bad
// title is reported as such rather than as a failed drawing.
bool is_drawable_text(const std::string& text);

// Paints page `page` (0-based; puzzle pages first, then answer pages, as plan_sheet counts
// them) onto `cr`, whose user space is in points with the page's top left corner at the
// origin. Paints no background. Leaves the cairo state as it found it.
void draw_sheet_page(cairo_t* cr, const SheetOptions& options,
                     std::span<const PrintProblem> problems, int page);

}  // namespace cellwright::tool

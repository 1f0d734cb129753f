#pragma once
// Page geometry of printed puzzle sheets, in PostScript points (1/72 inch) with the origin at
// the top left corner of the page and y growing downwards, as cairo draws. Pure arithmetic:
// nothing here draws, so the layout can be checked without a surface.
//
//   +--------------------------------------+  margin on all four sides
//   |  title band                          |
//   |  +-----------+  gap  +-----------+   |  slots in rows and columns, left to right,
//   |  | heading   |       | heading   |   |  then top to bottom; each slot holds a
//   |  | +-------+ |       | +-------+ |   |  heading line and a square grid centred
//   |  | | grid  | |       | | grid  | |   |  below it
//   |  +-----------+       +-----------+   |
//   |  footer band (page number)           |
//   +--------------------------------------+

#include <array>

namespace cellwright::tool {

enum class Paper { a4, letter };

struct Box {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
};

// Slots on a page: `columns` across, `rows` down.
struct SlotArrangement {
    int columns = 1;
    int rows = 1;
    constexpr int count() const { return columns * rows; }
};

// The puzzle counts a page may carry.
inline constexpr std::array<int, 4> PUZZLES_PER_PAGE_CHOICES{1, 2, 4, 6};
inline constexpr int DEFAULT_PUZZLES_PER_PAGE = 4;

// Even white border on all sides, wide enough for any office printer.
inline constexpr double PAGE_MARGIN = 42;
inline constexpr double TITLE_BAND = 30;
inline constexpr double FOOTER_BAND = 18;
inline constexpr double SLOT_GAP = 24;
inline constexpr double PUZZLE_HEADING = 18;
inline constexpr double ANSWER_HEADING = 13;

// Answer keys are smaller: three across, four down.
inline constexpr SlotArrangement ANSWER_ARRANGEMENT{3, 4};

// Width and height of a sheet: A4 is 210 x 297 mm, letter 8.5 x 11 in.
Box page_box(Paper paper);

// The page less its margins: where title, slots and footer live.
Box printable_box(Paper paper);

// The printable box less the title band on top and the footer band below: where the slots go.
Box body_box(Paper paper);

// How `puzzles_per_page` (one of PUZZLES_PER_PAGE_CHOICES) puzzles share a page: 1 alone,
// 2 one above the other, 4 in two rows of two, 6 in three rows of two.
SlotArrangement puzzle_arrangement(int puzzles_per_page);

// The box of slot `index` (0 .. count-1, row by row) when `body` is split into the
// arrangement's slots with SLOT_GAP between neighbours.
Box slot_box(const Box& body, SlotArrangement arrangement, int index);

// A heading line and the square grid under it, the pair centred in its slot.
struct SlotContent {
    Box heading;
    Box grid;
};

// Places the largest square grid that fits under a heading of height `heading_height`.
SlotContent place_in_slot(const Box& slot, double heading_height);

// The cells of a grid, numbered row * 9 + column.
inline constexpr int GRID_CELLS = 81;

// The square of `cell` (0 .. GRID_CELLS - 1) inside `grid`.
Box cell_box(const Box& grid, int cell);

// Pages needed for `items` things at `per_page` a page; 0 for no items.
int pages_needed(int items, int per_page);

// Which pages a sheet has: all puzzle pages first, then the answer key pages.
struct SheetPlan {
    int puzzle_pages = 0;
    int answer_pages = 0;
    constexpr int total_pages() const { return puzzle_pages + answer_pages; }
};

SheetPlan plan_sheet(int problems, int puzzles_per_page, bool with_answers);

// The range of problems one page shows: indices first .. first + count - 1.
struct PageItems {
    int first = 0;
    int count = 0;
};

// The problems on page `page` (0-based) of a run of pages at `per_page` problems each.
PageItems items_on_page(int problems, int per_page, int page);

}  // namespace cellwright::tool

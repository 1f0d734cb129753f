#include "print_layout.hpp"

#include <algorithm>

namespace cellwright::tool {

namespace {

constexpr double POINTS_PER_MILLIMETRE = 72.0 / 25.4;

}  // namespace

Box page_box(Paper paper) {
    if (paper == Paper::letter) {
        return {0, 0, 8.5 * 72, 11 * 72};
    }
    return {0, 0, 210 * POINTS_PER_MILLIMETRE, 297 * POINTS_PER_MILLIMETRE};
}

Box printable_box(Paper paper) {
    const Box page = page_box(paper);
    return {PAGE_MARGIN, PAGE_MARGIN, page.width - 2 * PAGE_MARGIN, page.height - 2 * PAGE_MARGIN};
}

Box body_box(Paper paper) {
    const Box printable = printable_box(paper);
    return {printable.x, printable.y + TITLE_BAND, printable.width,
            printable.height - TITLE_BAND - FOOTER_BAND};
}

SlotArrangement puzzle_arrangement(int puzzles_per_page) {
    switch (puzzles_per_page) {
        case 1:
            return {1, 1};
        case 2:
            return {1, 2};
        case 6:
            return {2, 3};
        default:
            return {2, 2};
    }
}

Box slot_box(const Box& body, SlotArrangement arrangement, int index) {
    const double width = (body.width - (arrangement.columns - 1) * SLOT_GAP) / arrangement.columns;
    const double height = (body.height - (arrangement.rows - 1) * SLOT_GAP) / arrangement.rows;
    const int column = index % arrangement.columns;
    const int row = index / arrangement.columns;
    return {body.x + column * (width + SLOT_GAP), body.y + row * (height + SLOT_GAP), width,
            height};
}

SlotContent place_in_slot(const Box& slot, double heading_height) {
    const double side = std::max(0.0, std::min(slot.width, slot.height - heading_height));
    const double left = slot.x + (slot.width - side) / 2;
    const double top = slot.y + (slot.height - heading_height - side) / 2;
    return {{left, top, side, heading_height}, {left, top + heading_height, side, side}};
}

Box cell_box(const Box& grid, int cell) {
    const double side = grid.width / 9;
    return {grid.x + (cell % 9) * side, grid.y + (cell / 9) * side, side, side};
}

int pages_needed(int items, int per_page) {
    return items <= 0 ? 0 : (items + per_page - 1) / per_page;
}

SheetPlan plan_sheet(int problems, int puzzles_per_page, bool with_answers) {
    return {pages_needed(problems, puzzles_per_page),
            with_answers ? pages_needed(problems, ANSWER_ARRANGEMENT.count()) : 0};
}

PageItems items_on_page(int problems, int per_page, int page) {
    const int first = page * per_page;
    return {first, std::clamp(problems - first, 0, per_page)};
}

}  // namespace cellwright::tool

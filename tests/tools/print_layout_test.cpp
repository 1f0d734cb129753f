// The geometry of printed sheets, checked as numbers: no surface is drawn.

#include <gtest/gtest.h>

#include <string>

#include "print_layout.hpp"

namespace cellwright::tool {
namespace {

constexpr double EPSILON = 1e-6;

struct PaperCase {
    Paper paper;
    const char* name;
    double width;
    double height;
};

constexpr PaperCase PAPERS[] = {
    {Paper::a4, "a4", 595.2756, 841.8898},
    {Paper::letter, "letter", 612, 792},
};

double right_of(const Box& box) {
    return box.x + box.width;
}
double bottom_of(const Box& box) {
    return box.y + box.height;
}

bool contains(const Box& outer, const Box& inner) {
    return inner.x >= outer.x - EPSILON && inner.y >= outer.y - EPSILON &&
           right_of(inner) <= right_of(outer) + EPSILON &&
           bottom_of(inner) <= bottom_of(outer) + EPSILON;
}

TEST(PrintLayout, PaperSizesAndEvenMargins) {
    for (const PaperCase& c : PAPERS) {
        const Box page = page_box(c.paper);
        EXPECT_NEAR(page.width, c.width, 1e-3) << c.name;
        EXPECT_NEAR(page.height, c.height, 1e-3) << c.name;
        const Box printable = printable_box(c.paper);
        EXPECT_NEAR(printable.x, PAGE_MARGIN, EPSILON) << c.name << " left";
        EXPECT_NEAR(printable.y, PAGE_MARGIN, EPSILON) << c.name << " top";
        EXPECT_NEAR(page.width - right_of(printable), PAGE_MARGIN, EPSILON) << c.name << " right";
        EXPECT_NEAR(page.height - bottom_of(printable), PAGE_MARGIN, EPSILON)
            << c.name << " bottom";
        const Box body = body_box(c.paper);
        EXPECT_TRUE(contains(printable, body)) << c.name;
        EXPECT_NEAR(body.y - printable.y, TITLE_BAND, EPSILON) << c.name << " title band";
    }
}

// Every arrangement on every paper: slots fill the body exactly, equal in size, apart by the
// gap, never overlapping; each holds a square grid under its heading, centred across.
TEST(PrintLayout, SlotsTileTheBodyAndHoldCentredSquareGrids) {
    struct Case {
        SlotArrangement arrangement;
        int slots;
        double heading;
        const char* name;
    };
    const Case CASES[] = {
        {puzzle_arrangement(1), 1, PUZZLE_HEADING, "1 per page"},
        {puzzle_arrangement(2), 2, PUZZLE_HEADING, "2 per page"},
        {puzzle_arrangement(4), 4, PUZZLE_HEADING, "4 per page"},
        {puzzle_arrangement(6), 6, PUZZLE_HEADING, "6 per page"},
        {ANSWER_ARRANGEMENT, 12, ANSWER_HEADING, "answer key"},
    };
    for (const PaperCase& paper : PAPERS) {
        const Box body = body_box(paper.paper);
        for (const Case& c : CASES) {
            const std::string name = std::string(paper.name) + ", " + c.name;
            const SlotArrangement a = c.arrangement;
            ASSERT_EQ(a.count(), c.slots) << name;
            const Box first = slot_box(body, a, 0);
            const Box last = slot_box(body, a, a.count() - 1);
            EXPECT_NEAR(first.x, body.x, EPSILON) << name;
            EXPECT_NEAR(first.y, body.y, EPSILON) << name;
            EXPECT_NEAR(right_of(last), right_of(body), EPSILON) << name;
            EXPECT_NEAR(bottom_of(last), bottom_of(body), EPSILON) << name;
            for (int index = 0; index < a.count(); ++index) {
                const Box slot = slot_box(body, a, index);
                EXPECT_NEAR(slot.width, first.width, EPSILON) << name << " slot " << index;
                EXPECT_NEAR(slot.height, first.height, EPSILON) << name << " slot " << index;
                if (index % a.columns != 0) {
                    const Box left = slot_box(body, a, index - 1);
                    EXPECT_NEAR(slot.x - right_of(left), SLOT_GAP, EPSILON)
                        << name << " slot " << index;
                    EXPECT_NEAR(slot.y, left.y, EPSILON) << name << " slot " << index;
                }
                if (index >= a.columns) {
                    const Box above = slot_box(body, a, index - a.columns);
                    EXPECT_NEAR(slot.y - bottom_of(above), SLOT_GAP, EPSILON)
                        << name << " slot " << index;
                }
                const SlotContent content = place_in_slot(slot, c.heading);
                EXPECT_NEAR(content.grid.width, content.grid.height, EPSILON) << name;
                EXPECT_GT(content.grid.width, 100) << name << ": grid too small to read";
                EXPECT_TRUE(contains(slot, content.heading)) << name << " slot " << index;
                EXPECT_TRUE(contains(slot, content.grid)) << name << " slot " << index;
                EXPECT_NEAR(content.grid.y, bottom_of(content.heading), EPSILON) << name;
                EXPECT_NEAR(content.grid.x - slot.x, right_of(slot) - right_of(content.grid),
                            EPSILON)
                    << name << " slot " << index << " not centred across";
            }
        }
    }
}

TEST(PrintLayout, CellBoxesSplitTheGridNineByNine) {
    const Box grid{100, 200, 180, 180};
    struct Case {
        int cell;
        double x;
        double y;
    };
    constexpr Case CASES[] = {
        {0, 100, 200},                   // top left
        {8, 260, 200},                   // end of the first row
        {10, 120, 220}, {40, 180, 280},  // the centre cell
        {72, 100, 360},                  // start of the last row
        {80, 260, 360},                  // bottom right
    };
    for (const Case& c : CASES) {
        const Box cell = cell_box(grid, c.cell);
        EXPECT_NEAR(cell.x, c.x, EPSILON) << "cell " << c.cell;
        EXPECT_NEAR(cell.y, c.y, EPSILON) << "cell " << c.cell;
        EXPECT_NEAR(cell.width, 20, EPSILON) << "cell " << c.cell;
        EXPECT_NEAR(cell.height, 20, EPSILON) << "cell " << c.cell;
    }
}

TEST(PrintLayout, PagesAndTheProblemsEachOneShows) {
    struct Case {
        int problems;
        int per_page;
        bool answers;
        int puzzle_pages;
        int answer_pages;
        int last_page_items;  // problems on the last puzzle page
    };
    constexpr Case CASES[] = {
        {30, 4, true, 8, 3, 2}, {30, 6, true, 5, 3, 6}, {30, 4, false, 8, 0, 2},
        {1, 1, true, 1, 1, 1},  {12, 2, true, 6, 1, 2}, {13, 6, true, 3, 2, 1},
        {0, 4, true, 0, 0, 0},
    };
    for (const Case& c : CASES) {
        const std::string name = std::to_string(c.problems) + " problems at " +
                                 std::to_string(c.per_page) + (c.answers ? " with" : " without") +
                                 " answers";
        const SheetPlan plan = plan_sheet(c.problems, c.per_page, c.answers);
        EXPECT_EQ(plan.puzzle_pages, c.puzzle_pages) << name;
        EXPECT_EQ(plan.answer_pages, c.answer_pages) << name;
        EXPECT_EQ(plan.total_pages(), c.puzzle_pages + c.answer_pages) << name;
        // Pages hand out every problem once, in order.
        int next = 0;
        for (int page = 0; page < plan.puzzle_pages; ++page) {
            const PageItems items = items_on_page(c.problems, c.per_page, page);
            EXPECT_EQ(items.first, next) << name << " page " << page;
            EXPECT_GT(items.count, 0) << name << " page " << page;
            next += items.count;
        }
        EXPECT_EQ(next, c.problems) << name;
        if (plan.puzzle_pages > 0) {
            EXPECT_EQ(items_on_page(c.problems, c.per_page, plan.puzzle_pages - 1).count,
                      c.last_page_items)
                << name;
        }
        EXPECT_EQ(items_on_page(c.problems, c.per_page, plan.puzzle_pages).count, 0) << name;
    }
}

}  // namespace
}  // namespace cellwright::tool

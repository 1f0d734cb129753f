#include "print_drawing.hpp"

#include <string_view>

namespace cellwright::tool {

namespace {

enum class Align { left, centre, right };

// How one kind of grid is drawn: a puzzle to be solved, or a compact solution in the key.
struct GridStyle {
    double thin_line;    // between cells
    double thick_line;   // between boxes and around the grid
    double digit_ratio;  // digit height relative to the cell side
};

constexpr GridStyle PUZZLE_STYLE{0.6, 2.0, 0.62};
constexpr GridStyle ANSWER_STYLE{0.35, 1.2, 0.64};

// Grey levels: 0 is black, 1 white.
constexpr double GIVEN_SHADE = 0.84;
constexpr double FILLED_INK = 0.3;
constexpr double QUIET_INK = 0.35;

constexpr double TITLE_SIZE = 14;

void set_font(cairo_t* cr, double size, bool bold) {
    cairo_select_font_face(cr, SHEET_FONT, CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
}

// Sets `text` on the baseline `baseline`, starting at, centred on or ending at `x`.
void show_text(cairo_t* cr, std::string_view text, double x, double baseline, Align align) {
    const std::string owned(text);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, owned.c_str(), &extents);
    double left = x;
    if (align == Align::centre) {
        left = x - extents.x_advance / 2;
    } else if (align == Align::right) {
        left = x - extents.x_advance;
    }
    cairo_move_to(cr, left, baseline);
    cairo_show_text(cr, owned.c_str());
}

// Centres the ink of the digit, not its advance box, so that every digit sits in the
// middle of its cell whatever its shape.
void show_digit(cairo_t* cr, const Box& cell, int digit) {
    const char text[2] = {static_cast<char>('0' + digit), '\0'};
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text, &extents);
    cairo_move_to(cr, cell.x + cell.width / 2 - (extents.x_bearing + extents.width / 2),
                  cell.y + cell.height / 2 - (extents.y_bearing + extents.height / 2));
    cairo_show_text(cr, text);
}

void stroke_grid_lines(cairo_t* cr, const Box& grid, const GridStyle& style) {
    const double step = grid.width / 9;
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_set_line_width(cr, style.thin_line);
    for (int line = 1; line < 9; ++line) {
        if (line % 3 == 0) {
            continue;
        }
        cairo_move_to(cr, grid.x + line * step, grid.y);
        cairo_line_to(cr, grid.x + line * step, grid.y + grid.height);
        cairo_move_to(cr, grid.x, grid.y + line * step);
        cairo_line_to(cr, grid.x + grid.width, grid.y + line * step);
    }
    cairo_stroke(cr);
    // Box lines run over the cell lines and the border, so they are drawn last and thick.
    cairo_set_line_width(cr, style.thick_line);
    for (int line = 3; line < 9; line += 3) {
        cairo_move_to(cr, grid.x + line * step, grid.y);
        cairo_line_to(cr, grid.x + line * step, grid.y + grid.height);
        cairo_move_to(cr, grid.x, grid.y + line * step);
        cairo_line_to(cr, grid.x + grid.width, grid.y + line * step);
    }
    cairo_rectangle(cr, grid.x, grid.y, grid.width, grid.height);
    cairo_stroke(cr);
}

// The advance of `text` in the current font.
double text_width(cairo_t* cr, const std::string& text) {
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    return extents.x_advance;
}

void draw_puzzle(cairo_t* cr, const Box& slot, const PrintProblem& problem) {
    const SlotContent content = place_in_slot(slot, PUZZLE_HEADING);
    const double baseline = content.heading.y + content.heading.height - 6;
    cairo_set_source_rgb(cr, 0, 0, 0);
    set_font(cr, 11, true);
    const std::string number = "No. " + std::to_string(problem.number);
    show_text(cr, number, content.heading.x, baseline, Align::left);
    const double room = content.heading.width - text_width(cr, number) - 8;

    std::string grading = "grade " + std::to_string(problem.grade) + " \u00b7 class " +
                          std::to_string(problem.difficulty_class);
    if (!problem.technique.empty()) {
        grading += " \u00b7 " + problem.technique;
    }
    cairo_set_source_rgb(cr, QUIET_INK, QUIET_INK, QUIET_INK);
    set_font(cr, 9.5, false);
    // A long technique name on a narrow slot: smaller type rather than over the number.
    const double width = text_width(cr, grading);
    if (width > room && room > 0) {
        set_font(cr, 9.5 * room / width, false);
    }
    show_text(cr, grading, content.heading.x + content.heading.width, baseline, Align::right);

    cairo_set_source_rgb(cr, 0, 0, 0);
    set_font(cr, content.grid.width / 9 * PUZZLE_STYLE.digit_ratio, false);
    for (int cell = 0; cell < GRID_CELLS; ++cell) {
        if (problem.givens[cell] != 0) {
            show_digit(cr, cell_box(content.grid, cell), problem.givens[cell]);
        }
    }
    stroke_grid_lines(cr, content.grid, PUZZLE_STYLE);
}

void draw_answer(cairo_t* cr, const Box& slot, const PrintProblem& problem) {
    const SlotContent content = place_in_slot(slot, ANSWER_HEADING);
    cairo_set_source_rgb(cr, 0, 0, 0);
    set_font(cr, 9, true);
    show_text(cr, "No. " + std::to_string(problem.number), content.heading.x,
              content.heading.y + content.heading.height - 4, Align::left);

    cairo_set_source_rgb(cr, GIVEN_SHADE, GIVEN_SHADE, GIVEN_SHADE);
    for (int cell = 0; cell < GRID_CELLS; ++cell) {
        if (problem.givens[cell] != 0) {
            const Box box = cell_box(content.grid, cell);
            cairo_rectangle(cr, box.x, box.y, box.width, box.height);
        }
    }
    cairo_fill(cr);

    const double digit_size = content.grid.width / 9 * ANSWER_STYLE.digit_ratio;
    for (const bool given : {true, false}) {
        set_font(cr, digit_size, given);
        const double ink = given ? 0 : FILLED_INK;
        cairo_set_source_rgb(cr, ink, ink, ink);
        for (int cell = 0; cell < GRID_CELLS; ++cell) {
            if ((problem.givens[cell] != 0) == given) {
                show_digit(cr, cell_box(content.grid, cell), problem.solution[cell]);
            }
        }
    }
    stroke_grid_lines(cr, content.grid, ANSWER_STYLE);
}

void draw_title_and_footer(cairo_t* cr, const SheetOptions& options, bool answers, int page,
                           int total_pages) {
    const Box printable = printable_box(options.paper);
    const double middle = printable.x + printable.width / 2;
    std::string title = options.title;
    if (answers) {
        title = title.empty() ? "Answers" : title + " \u2014 answers";
    }
    cairo_set_source_rgb(cr, 0, 0, 0);
    set_font(cr, TITLE_SIZE, true);
    // A title too long for the line is set smaller rather than run off the page.
    cairo_text_extents_t extents;
    cairo_text_extents(cr, title.c_str(), &extents);
    if (extents.x_advance > printable.width) {
        set_font(cr, TITLE_SIZE * printable.width / extents.x_advance, true);
    }
    show_text(cr, title, middle, printable.y + TITLE_SIZE, Align::centre);

    cairo_set_source_rgb(cr, QUIET_INK, QUIET_INK, QUIET_INK);
    set_font(cr, 8.5, false);
    show_text(cr, "page " + std::to_string(page + 1) + " of " + std::to_string(total_pages), middle,
              printable.y + printable.height - 2, Align::centre);
}

}  // namespace

bool is_drawable_text(const std::string& text) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
    cairo_t* cr = cairo_create(surface);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    const bool drawable = cairo_status(cr) == CAIRO_STATUS_SUCCESS;
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    return drawable;
}

void draw_sheet_page(cairo_t* cr, const SheetOptions& options,
                     std::span<const PrintProblem> problems, int page) {
    const int count = static_cast<int>(problems.size());
    const SheetPlan plan = plan_sheet(count, options.puzzles_per_page, options.with_answers);
    const bool answers = page >= plan.puzzle_pages;
    const SlotArrangement arrangement =
        answers ? ANSWER_ARRANGEMENT : puzzle_arrangement(options.puzzles_per_page);
    const PageItems items =
        items_on_page(count, arrangement.count(), answers ? page - plan.puzzle_pages : page);

    cairo_save(cr);
    draw_title_and_footer(cr, options, answers, page, plan.total_pages());
    const Box body = body_box(options.paper);
    for (int slot = 0; slot < items.count; ++slot) {
        const PrintProblem& problem = problems[items.first + slot];
        if (answers) {
            draw_answer(cr, slot_box(body, arrangement, slot), problem);
        } else {
            draw_puzzle(cr, slot_box(body, arrangement, slot), problem);
        }
    }
    cairo_restore(cr);
}

}  // namespace cellwright::tool

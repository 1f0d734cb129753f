// Printed sheets of the seed-0 class-3 reference batch: a well-formed PDF with the right
// pages, and PNG pages whose pixels show the givens where the layout puts their cells.

#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <sstream>
#include <vector>

#include "app/temp_directory.hpp"
#include "print_command.hpp"
#include "print_output.hpp"

namespace cellwright::tool {
namespace {

const std::string CLASS3_BATCH = std::string(CELLWRIGHT_TEST_DATA) + "/seed0_class3.dat";

int print_batch(const std::string& output, SheetOptions sheet, int page = 0) {
    PrintOptions options;
    options.files = {CLASS3_BATCH};
    options.output = output;
    options.sheet = std::move(sheet);
    options.page = page;
    std::istringstream no_input;
    std::ostringstream errors;
    const int status = run_print(options, no_input, errors);
    EXPECT_EQ(errors.str(), "") << output;
    return status;
}

// The output of `pdfinfo FILE`, or nothing when poppler's pdfinfo is not installed.
std::optional<std::string> pdfinfo(const std::string& file) {
    if (std::system("command -v pdfinfo >/dev/null 2>&1") != 0) {
        return std::nullopt;
    }
    std::FILE* pipe = ::popen(("pdfinfo '" + file + "' 2>&1").c_str(), "r");
    std::string text;
    char buffer[256];
    while (pipe != nullptr && std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
        text += buffer;
    }
    if (pipe != nullptr) {
        ::pclose(pipe);
    }
    return text;
}

// The givens of the reference batch, read straight from the text: "grade/row/row/.../".
std::vector<Grid> batch_givens() {
    std::vector<Grid> grids;
    std::istringstream lines(read_file(CLASS3_BATCH));
    std::string line;
    while (std::getline(lines, line)) {
        Grid grid{};
        const std::size_t first_row = line.find('/') + 1;
        for (int cell = 0; cell < GRID_CELLS; ++cell) {
            const char c = line[first_row + (cell / 9) * 10 + cell % 9];
            grid[cell] = c == '.' ? 0 : static_cast<std::uint8_t>(c - '0');
        }
        grids.push_back(grid);
    }
    return grids;
}

// A PNG read back through cairo, with the luminance (0 black .. 255 white) of its pixels.
class PngPage {
  public:
    explicit PngPage(const std::string& file)
        : surface_(cairo_image_surface_create_from_png(file.c_str())) {}
    ~PngPage() { cairo_surface_destroy(surface_); }
    PngPage(const PngPage&) = delete;
    PngPage& operator=(const PngPage&) = delete;

    bool ok() const { return cairo_surface_status(surface_) == CAIRO_STATUS_SUCCESS; }

    int luminance(int x, int y) const {
        const unsigned char* row =
            cairo_image_surface_get_data(surface_) +
            static_cast<std::ptrdiff_t>(y) * cairo_image_surface_get_stride(surface_);
        std::uint32_t pixel;
        std::memcpy(&pixel, row + 4 * x, 4);
        return static_cast<int>(
            (((pixel >> 16) & 0xFF) * 3 + ((pixel >> 8) & 0xFF) * 6 + (pixel & 0xFF)) / 10);
    }

    // The darkest pixel of the middle of a cell (a square of 40% of its side): ink there
    // belongs to the cell's digit, never to a grid line.
    int darkest_in_middle(const Box& cell) const {
        const double scale = PNG_DOTS_PER_INCH / 72;
        const double radius = cell.width * 0.2;
        const double x = cell.x + cell.width / 2;
        const double y = cell.y + cell.height / 2;
        int darkest = 255;
        for (int py = static_cast<int>((y - radius) * scale);
             py <= static_cast<int>((y + radius) * scale); ++py) {
            for (int px = static_cast<int>((x - radius) * scale);
                 px <= static_cast<int>((x + radius) * scale); ++px) {
                darkest = std::min(darkest, luminance(px, py));
            }
        }
        return darkest;
    }

    // A pixel near the top left corner of a cell, clear of its digit and the grid lines.
    int corner_of(const Box& cell) const {
        const double scale = PNG_DOTS_PER_INCH / 72;
        return luminance(static_cast<int>((cell.x + cell.width * 0.15) * scale),
                         static_cast<int>((cell.y + cell.height * 0.15) * scale));
    }

  private:
    cairo_surface_t* surface_;
};

TEST(PrintSheet, PdfOfTheReferenceBatchIsWellFormed) {
    struct Case {
        const char* name;
        bool answers;
        int per_page;
        Paper paper;
        const char* pages;
        const char* size;
    };
    constexpr Case CASES[] = {
        {"4 per page with answers", true, 4, Paper::a4, "Pages:           11\n", "(A4)"},
        {"4 per page, no answers", false, 4, Paper::a4, "Pages:           8\n", "(A4)"},
        {"6 per page on letter", true, 6, Paper::letter, "Pages:           8\n", "(letter)"},
    };
    const TempDirectory scratch;
    for (const Case& c : CASES) {
        const std::string output = scratch / (std::string(c.name) + ".pdf");
        ASSERT_EQ(print_batch(output, {c.paper, c.per_page, c.answers, "Class 3"}), 0) << c.name;
        const std::string bytes = read_file(output);
        EXPECT_EQ(bytes.substr(0, 5), "%PDF-") << c.name;
        EXPECT_NE(bytes.find("%%EOF", bytes.size() - 8), std::string::npos) << c.name;
        const std::optional<std::string> info = pdfinfo(output);
        if (!info) {
            GTEST_SKIP() << "pdfinfo is not installed (scripts/setup --ci installs it)";
        }
        EXPECT_NE(info->find(c.pages), std::string::npos) << c.name << ":\n" << *info;
        EXPECT_NE(info->find(c.size), std::string::npos) << c.name << ":\n" << *info;
        EXPECT_NE(info->find("Title:           Class 3"), std::string::npos) << c.name;
    }
}

// Looks at every cell of the four puzzles on the first page: a given digit leaves dark ink
// around the cell's centre, an empty cell stays white there.
TEST(PrintSheet, PngPuzzlePageInksExactlyTheGivenCells) {
    const TempDirectory scratch;
    const std::string output = scratch / "page1.png";
    ASSERT_EQ(print_batch(output, {Paper::a4, 4, true, "Class 3"}), 0);
    const PngPage png(output);
    ASSERT_TRUE(png.ok());
    const std::vector<Grid> givens = batch_givens();
    const SlotArrangement arrangement = puzzle_arrangement(4);
    for (int slot = 0; slot < 4; ++slot) {
        const SlotContent content =
            place_in_slot(slot_box(body_box(Paper::a4), arrangement, slot), PUZZLE_HEADING);
        for (int cell = 0; cell < GRID_CELLS; ++cell) {
            const int darkest = png.darkest_in_middle(cell_box(content.grid, cell));
            if (givens[slot][cell] != 0) {
                EXPECT_LT(darkest, 100) << "problem " << slot + 1 << " cell " << cell;
            } else {
                EXPECT_GT(darkest, 240) << "problem " << slot + 1 << " cell " << cell;
            }
        }
    }
}

// The first answer page: every cell holds a digit, and only the cells given in the puzzle
// are shaded (a corner of the cell, clear of digit and lines, is grey there and white
// elsewhere).
TEST(PrintSheet, PngAnswerPageShadesTheGivensOnly) {
    const TempDirectory scratch;
    const std::string output = scratch / "page9.png";
    ASSERT_EQ(print_batch(output, {Paper::a4, 4, true, ""}, 9), 0);
    const PngPage png(output);
    ASSERT_TRUE(png.ok());
    const std::vector<Grid> givens = batch_givens();
    for (int slot = 0; slot < ANSWER_ARRANGEMENT.count(); ++slot) {
        const SlotContent content =
            place_in_slot(slot_box(body_box(Paper::a4), ANSWER_ARRANGEMENT, slot), ANSWER_HEADING);
        for (int cell = 0; cell < GRID_CELLS; ++cell) {
            const Box box = cell_box(content.grid, cell);
            EXPECT_LT(png.darkest_in_middle(box), 140) << "answer " << slot + 1 << " cell " << cell;
            const int corner = png.corner_of(box);
            if (givens[slot][cell] != 0) {
                EXPECT_TRUE(corner > 150 && corner < 235)
                    << "answer " << slot + 1 << " cell " << cell << ": " << corner;
            } else {
                EXPECT_GT(corner, 245) << "answer " << slot + 1 << " cell " << cell;
            }
        }
    }
}

TEST(PrintSheet, SvgHasThePaperSize) {
    struct Case {
        Paper paper;
        const char* name;
        const char* size;
    };
    constexpr Case CASES[] = {
        {Paper::a4, "a4", "width=\"595.275591pt\" height=\"841.889764pt\""},
        {Paper::letter, "letter", "width=\"612pt\" height=\"792pt\""},
    };
    const TempDirectory scratch;
    for (const Case& c : CASES) {
        const std::string output = scratch / (std::string(c.name) + ".svg");
        ASSERT_EQ(print_batch(output, {c.paper, 4, true, ""}), 0) << c.name;
        const std::string svg = read_file(output);
        EXPECT_NE(svg.find("<svg"), std::string::npos) << c.name;
        EXPECT_NE(svg.find(c.size), std::string::npos) << c.name << ":\n" << svg.substr(0, 300);
    }
}

}  // namespace
}  // namespace cellwright::tool

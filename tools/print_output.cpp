#include "print_output.hpp"

#include <cairo-pdf.h>
#include <cairo-svg.h>

#include <algorithm>
#include <cctype>
#include <string>

namespace cellwright::tool {

namespace {

cairo_status_t write_to_file(void* closure, const unsigned char* data, unsigned int length) {
    auto* out = static_cast<OutputFile*>(closure);
    return out->write(data, length) ? CAIRO_STATUS_SUCCESS : CAIRO_STATUS_WRITE_ERROR;
}

void paint_white(cairo_t* cr) {
    cairo_save(cr);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_restore(cr);
}

// Draws the chosen pages on `surface`, finishes it and reports whether all went well.
bool draw_and_finish(cairo_surface_t* surface, const SheetOptions& options,
                     std::span<const PrintProblem> problems, int first_page, int end_page,
                     bool white_ground) {
    cairo_t* cr = cairo_create(surface);
    for (int page = first_page; page < end_page; ++page) {
        if (white_ground) {
            paint_white(cr);
        }
        draw_sheet_page(cr, options, problems, page);
        cairo_show_page(cr);
    }
    bool ok = cairo_status(cr) == CAIRO_STATUS_SUCCESS;
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    cairo_surface_finish(surface);
    ok = ok && cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
    return ok;
}

bool write_png(OutputFile& out, const SheetOptions& options, std::span<const PrintProblem> problems,
               int page) {
    const Box paper = page_box(options.paper);
    const double scale = PNG_DOTS_PER_INCH / 72;
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, static_cast<int>(paper.width * scale + 0.5),
                                   static_cast<int>(paper.height * scale + 0.5));
    cairo_t* cr = cairo_create(surface);
    cairo_scale(cr, scale, scale);
    paint_white(cr);
    draw_sheet_page(cr, options, problems, page);
    bool ok = cairo_status(cr) == CAIRO_STATUS_SUCCESS;
    cairo_destroy(cr);
    ok = ok &&
         cairo_surface_write_to_png_stream(surface, write_to_file, &out) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return ok;
}

}  // namespace

std::optional<SheetFormat> format_of(std::string_view path) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos) {
        return std::nullopt;
    }
    std::string extension(path.substr(dot + 1));
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == "pdf") {
        return SheetFormat::pdf;
    }
    if (extension == "svg") {
        return SheetFormat::svg;
    }
    if (extension == "png") {
        return SheetFormat::png;
    }
    return std::nullopt;
}

bool write_sheet(OutputFile& out, SheetFormat format, const SheetOptions& options,
                 std::span<const PrintProblem> problems, int single_page) {
    const Box paper = page_box(options.paper);
    bool ok = false;
    if (format == SheetFormat::png) {
        ok = write_png(out, options, problems, single_page);
    } else if (format == SheetFormat::svg) {
        cairo_surface_t* surface =
            cairo_svg_surface_create_for_stream(write_to_file, &out, paper.width, paper.height);
        ok = draw_and_finish(surface, options, problems, single_page, single_page + 1, true);
        cairo_surface_destroy(surface);
    } else {
        const int pages = plan_sheet(static_cast<int>(problems.size()), options.puzzles_per_page,
                                     options.with_answers)
                              .total_pages();
        cairo_surface_t* surface =
            cairo_pdf_surface_create_for_stream(write_to_file, &out, paper.width, paper.height);
        if (!options.title.empty()) {
            cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_TITLE,
                                           options.title.c_str());
        }
        ok = draw_and_finish(surface, options, problems, 0, pages, false);
        cairo_surface_destroy(surface);
    }
    return ok;
}

}  // namespace cellwright::tool

#include "command_line.hpp"

#include <cellwright/cellwright.hpp>

#include "batch_command.hpp"
#include "explain_command.hpp"
#include "generate_command.hpp"
#include "grade_command.hpp"
#include "print_command.hpp"
#include "show_command.hpp"
#include "verify_command.hpp"

namespace cellwright::tool {

int run_tool(int argc, const char* const* argv) {
    CLI::App app{"cellwright-tool: Sudoku problems at scale, graded like cellwright's batches",
                 "cellwright-tool"};
    app.set_version_flag("--version", std::string("cellwright-tool ") + version());
    app.require_subcommand(1);
    int status = 0;
    // Subcommands register here.
    add_batch_command(app, status);
    add_generate_command(app, status);
    add_grade_command(app, status);
    add_explain_command(app, status);
    add_verify_command(app, status);
    add_show_command(app, status);
    add_print_command(app, status);
    // A word where the subcommand belongs that names none: say which, not just that one is
    // missing.
    const std::string first_word = argc > 1 ? argv[1] : "";
    const auto named = [&](CLI::App* sub) { return sub->check_name(first_word); };
    if (!first_word.empty() && first_word[0] != '-' && app.get_subcommands(named).empty()) {
        std::cerr << "cellwright-tool: unknown subcommand '" << first_word
                  << "' (batch, generate, grade, verify, show or print)\n"
                  << "usage: cellwright-tool SUBCOMMAND [OPTIONS]   (cellwright-tool --help "
                     "lists them)\n";
        return 2;
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        CLI::App* failed = &app;
        for (CLI::App* sub : app.get_subcommands()) {
            failed = sub;
        }
        std::cerr << "cellwright-tool: " << e.what() << '\n';
        const std::string command =
            failed == &app ? "cellwright-tool" : "cellwright-tool " + failed->get_name();
        std::cerr << "usage: " << command << (failed == &app ? " SUBCOMMAND" : "")
                  << " [OPTIONS]   (" << command << " --help lists them)\n";
        return 2;
    } catch (const std::exception& e) {
        // Out of memory or another resource while a subcommand ran: a message, not an abort.
        // Output files that were under way have been removed as the stack unwound.
        std::cerr << "cellwright-tool: " << e.what() << '\n';
        return 1;
    }
    return status;
}

}  // namespace cellwright::tool

#include "command_line.hpp"

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
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
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
    }
    return status;
}

}  // namespace cellwright::tool

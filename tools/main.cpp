// cellwright-tool: see command_line.hpp.
#include "app/platform.hpp"
#include "command_line.hpp"
#include "console_streams.hpp"

int main(int argc, char** argv) {
    cellwright::prepare_process();
    const cellwright::tool::ConsoleStreams console;
    return cellwright::tool::run_tool(argc, argv);
}

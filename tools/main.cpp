// cellwright-tool: see command_line.hpp.
#include "command_line.hpp"

int main(int argc, char** argv) { return cellwright::tool::run_tool(argc, argv); }

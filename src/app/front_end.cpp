#include "app/front_end.hpp"

#include <cstring>

#include <cellwright/cellwright.hpp>

namespace cellwright {

int class_from_arguments(int argc, const char* const* argv) {
    if (argc != 2) {
        return 0;
    }
    const char* argument = argv[1];
    if (argument[0] != 'c' && argument[0] != 'C') {
        return 0;
    }
    if (argument[1] < '1' || argument[1] > '3') {
        return 0;
    }
    return argument[1] - '0';
}

bool asks_for_version(int argc, const char* const* argv) {
    return argc == 2 && std::strcmp(argv[1], "--version") == 0;
}

void print_usage(std::FILE* console) {
    std::fprintf(console, "\ncellwright\n");
    std::fprintf(console, "  To create problem: cellwright.exe c[1-3]\n");
    std::fprintf(console, "    where 1-3 specifies difficulty.\n");
}

void print_version(std::FILE* console) {
    std::fprintf(console, "cellwright %s\n", CELLWRIGHT_VERSION_STRING);
}

}  // namespace cellwright

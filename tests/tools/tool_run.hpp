#pragma once
// cellwright-tool's whole command line run in this process, as a user types it, with what it
// printed on standard output and error.

#include <iostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "command_line.hpp"

namespace cellwright::tool {

struct ToolRun {
    int status;
    std::string out;
    std::string errors;
};

// The words after "cellwright-tool", joined for messages.
inline std::string joined(const std::vector<const char*>& arguments) {
    std::string text;
    for (const char* argument : arguments) {
        text += std::string(argument) + " ";
    }
    return text;
}

inline ToolRun run_tool_words(std::vector<const char*> arguments) {
    arguments.insert(arguments.begin(), "cellwright-tool");
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int status = run_tool(static_cast<int>(arguments.size()), arguments.data());
    std::cout.flush();
    ToolRun result{status, testing::internal::GetCapturedStdout(), ""};
    result.errors = testing::internal::GetCapturedStderr();
    return result;
}

}  // namespace cellwright::tool

#include "common_options.hpp"

#include <map>

namespace cellwright::tool {

void add_output_options(CLI::App* command, OutputOptions& output, const std::string& what,
                        bool required) {
    CLI::Option* option = command->add_option(
        "-o,--output", output.path,
        what + "; written under a temporary name and moved into place when complete");
    if (required) {
        option->required();
    }
    command->add_flag("--force", output.force,
                      "Replace the output file when it exists (never written through a link)");
}

void add_input_format_option(CLI::App* command, InputFormat& format) {
    std::map<std::string, InputFormat> names;
    for (const auto& [name, value] : INPUT_FORMAT_NAMES) {
        names.emplace(name, value);
    }
    command
        ->add_option("--input-format", format,
                     "Format of the inputs: auto (found from each input's first line; the "
                     "default), line, dat, json, csv or grid")
        ->transform(CLI::CheckedTransformer(names, CLI::ignore_case).description(""));
}

void set_example(CLI::App* command, const std::string& example) {
    command->footer("Example:\n  " + example);
}

}  // namespace cellwright::tool

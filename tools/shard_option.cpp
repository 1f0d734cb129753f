#include "shard_option.hpp"

#include <charconv>

namespace cellwright::tool {
namespace {

std::optional<std::uint64_t> plain_number(std::string_view text) {
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    return value;
}

bool is_set(const char* value) {
    return value != nullptr && *value != '\0';
}

}  // namespace

std::optional<Shard> parse_shard(std::string_view text) {
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos) {
        return std::nullopt;
    }
    const std::optional<std::uint64_t> index = plain_number(text.substr(0, slash));
    const std::optional<std::uint64_t> count = plain_number(text.substr(slash + 1));
    if (!index || !count || *index >= *count) {
        return std::nullopt;
    }
    return Shard{*index, *count};
}

CLI::Validator shard_validator() {
    return CLI::Validator(
        [](const std::string& text) -> std::string {
            if (parse_shard(text)) {
                return {};
            }
            return "'" + text + "' is not a shard I/N of whole numbers with 0 <= I < N";
        },
        "I/N");
}

std::optional<std::string> shard_hint(const std::function<const char*(const char*)>& lookup) {
    const std::string lead = "cellwright-tool: hint: ";
    const std::string same = " but --shard is not, so every task makes the same problems; ";
    if (is_set(lookup("SLURM_ARRAY_TASK_ID")) && is_set(lookup("SLURM_ARRAY_TASK_COUNT"))) {
        return lead + "SLURM_ARRAY_TASK_ID and SLURM_ARRAY_TASK_COUNT are set" + same +
               "to give each array task its part, pass --shard I/N with I = 0..N-1, e.g. "
               "--shard $((SLURM_ARRAY_TASK_ID - SLURM_ARRAY_TASK_MIN))/$SLURM_ARRAY_TASK_COUNT";
    }
    if (is_set(lookup("JOB_COMPLETION_INDEX"))) {
        return lead + "JOB_COMPLETION_INDEX is set" + same +
               "to give each pod of the Indexed Job its part, pass "
               "--shard $JOB_COMPLETION_INDEX/N with N the Job's completions";
    }
    return std::nullopt;
}

}  // namespace cellwright::tool

#include "shard_option.hpp"

#include "number_option.hpp"

namespace cellwright::tool {
namespace {

bool is_set(const char* value) {
    return value != nullptr && *value != '\0';
}

}  // namespace

std::optional<Shard> parse_shard(std::string_view text) {
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos) {
        return std::nullopt;
    }
    const std::optional<std::uint64_t> index = parse_number(text.substr(0, slash), UINT64_MAX);
    const std::optional<std::uint64_t> count = parse_number(text.substr(slash + 1), UINT64_MAX);
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
            return "'" + text +
                   "' is not a shard I/N of whole numbers (decimal or 0x-hex) with 0 <= I < N";
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

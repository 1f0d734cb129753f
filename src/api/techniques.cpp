// The techniques' names and keys, as the step-by-step solver knows them.

#include "api/public_types.hpp"

namespace cellwright {
namespace {

bool is_technique(Technique technique) {
    const int index = static_cast<int>(technique);
    return index >= 0 && index < TECHNIQUE_COUNT;
}

}  // namespace

const char* technique_name(Technique technique) noexcept {
    // The tables' entries are string literals, so their views end in a null character.
    return is_technique(technique) ? TECHNIQUE_NAMES[static_cast<int>(technique)].data() : "";
}

const char* technique_key(Technique technique) noexcept {
    return is_technique(technique) ? TECHNIQUE_KEYS[static_cast<int>(technique)].data() : "";
}

std::optional<Technique> technique_from_key(std::string_view key) noexcept {
    const std::optional<StepTechnique> found = step_technique_from_key(key);
    return found ? std::optional<Technique>(public_technique(*found)) : std::nullopt;
}

}  // namespace cellwright

#pragma once
// The techniques of the step-by-step solver, cheapest first. The solver always takes the
// first technique of this list that makes progress and then starts again from the top, so
// the order is behaviour: it decides which step an explanation shows and which technique a
// puzzle's rating calls its hardest.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace cellwright {

enum class StepTechnique : std::uint8_t {
    box_hidden_single,   // the only place for a digit in a box
    pointing,            // a box's candidates for a digit in one row or column of the box
    naked_single,        // the only digit left in a cell
    line_hidden_single,  // the only place for a digit in a row or column
    claiming,            // a row's or column's candidates for a digit in one box
    naked_pair,
    naked_triple,
    hidden_pair,
    hidden_triple,
    naked_quad,
    hidden_quad,
    x_wing,
    swordfish,
    jellyfish,
    skyscraper,
    two_string_kite,
    xy_wing,
    xyz_wing,
    w_wing,
    colour_trap,  // simple colouring: a cell that sees both colours of a digit's chain
    colour_wrap,  // simple colouring: a colour that meets itself in a unit is false
    x_chain,
    xy_chain,
    aic,  // alternating inference chain: any mix of the links of the two chains before
};

inline constexpr int STEP_TECHNIQUE_COUNT = 24;

// Names as solvers know them ("X-wing", "hidden single"); the explanations use these.
inline constexpr std::array<std::string_view, STEP_TECHNIQUE_COUNT> TECHNIQUE_NAMES{
    "hidden single",
    "locked candidates (pointing)",
    "naked single",
    "hidden single",
    "locked candidates (claiming)",
    "naked pair",
    "naked triple",
    "hidden pair",
    "hidden triple",
    "naked quad",
    "hidden quad",
    "X-wing",
    "swordfish",
    "jellyfish",
    "skyscraper",
    "two-string kite",
    "XY-wing",
    "XYZ-wing",
    "W-wing",
    "simple colouring (trap)",
    "simple colouring (wrap)",
    "X-chain",
    "XY-chain",
    "AIC",
};

// Stable identifiers for machine-readable output and command-line options.
inline constexpr std::array<std::string_view, STEP_TECHNIQUE_COUNT> TECHNIQUE_KEYS{
    "box_hidden_single", "pointing",   "naked_single", "line_hidden_single",
    "claiming",          "naked_pair", "naked_triple", "hidden_pair",
    "hidden_triple",     "naked_quad", "hidden_quad",  "x_wing",
    "swordfish",         "jellyfish",  "skyscraper",   "two_string_kite",
    "xy_wing",           "xyz_wing",   "w_wing",       "colour_trap",
    "colour_wrap",       "x_chain",    "xy_chain",     "aic",
};

constexpr int technique_index(StepTechnique technique) {
    return static_cast<int>(technique);
}

constexpr std::string_view technique_name(StepTechnique technique) {
    return TECHNIQUE_NAMES[technique_index(technique)];
}

constexpr std::string_view technique_key(StepTechnique technique) {
    return TECHNIQUE_KEYS[technique_index(technique)];
}

// The technique whose key is `key`, if any.
constexpr std::optional<StepTechnique> step_technique_from_key(std::string_view key) {
    for (int i = 0; i < STEP_TECHNIQUE_COUNT; ++i) {
        if (TECHNIQUE_KEYS[i] == key) {
            return static_cast<StepTechnique>(i);
        }
    }
    return std::nullopt;
}

}  // namespace cellwright

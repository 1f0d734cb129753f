#include "advanced/step_text.hpp"

#include <bit>

#include "advanced/units.hpp"

namespace cellwright {
namespace {

constexpr const char* UNIT_KINDS[3] = {"row", "column", "box"};
constexpr const char* UNIT_KINDS_PLURAL[3] = {"rows", "columns", "boxes"};

// "1,5" for a mask of digits 1 and 5.
std::string digit_list(DigitMask digits) {
    std::string text;
    for_each_bit(static_cast<unsigned>(digits), [&](int d) {
        if (!text.empty()) {
            text += ',';
        }
        text += static_cast<char>('1' + d);
    });
    return text;
}

// "a, b and c" for the words in order.
template <typename Word>
std::string joined(int count, Word word) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            text += i + 1 == count ? " and " : ", ";
        }
        text += word(i);
    }
    return text;
}

// "rows 2 and 7" for units step.units[first .. first + count - 1], all of one kind.
std::string unit_group(const SolveStep& step, int first, int count) {
    const int kind = step.units[first] / 9;
    return std::string(UNIT_KINDS_PLURAL[kind]) + " " +
           joined(count, [&](int i) { return std::to_string(step.units[first + i] % 9 + 1); });
}

// "r1c1, r4c5" for pattern cells first .. first + count - 1.
std::string cell_group(const SolveStep& step, int first, int count) {
    std::string text;
    for (int i = first; i < first + count; ++i) {
        text += (i > first ? ", " : "") + cell_name(step.cells[i].cell);
    }
    return text;
}

// "r1c1 (1,2)": a cell with its pattern digits.
std::string cell_with_digits(const PatternCell& cell) {
    return cell_name(cell.cell) + " (" + digit_list(cell.digits) + ")";
}

// "r1c1 = r1c5 - r4c5 = r4c9": a one-digit chain, strong link first.
std::string single_digit_chain(const SolveStep& step) {
    std::string text;
    for (int i = 0; i < step.cell_count; ++i) {
        if (i > 0) {
            text += i % 2 == 1 ? " = " : " - ";
        }
        text += cell_name(step.cells[i].cell);
    }
    return text;
}

// "(3=5)r1c1 - (5=8)r1c7": two candidates a cell, the one the chain enters it on (false)
// and the one it leaves it on (true).
std::string pair_chain(const SolveStep& step) {
    std::string text;
    for (int i = 0; i + 1 < step.cell_count; i += 2) {
        text += (i > 0 ? " - (" : "(") + std::to_string(step.cells[i].digit) + "=" +
                std::to_string(step.cells[i + 1].digit) + ")" + cell_name(step.cells[i].cell);
    }
    return text;
}

// "(5)r1c1 = (5)r1c7 - (3)r1c7 = (3)r6c7": every candidate of the chain.
std::string candidate_chain(const SolveStep& step) {
    std::string text;
    for (int i = 0; i < step.cell_count; ++i) {
        if (i > 0) {
            text += i % 2 == 1 ? " = " : " - ";
        }
        // Appended piece by piece: g++ 12 warns wrongly (-Wrestrict) on a literal + a temporary.
        text += '(';
        text += std::to_string(step.cells[i].digit);
        text += ')';
        text += cell_name(step.cells[i].cell);
    }
    return text;
}

// "r5c4, r6c8 <> 3; r3c9 <> 1,5": cells grouped by the digits they lose, groups in the order
// of their first cell.
std::string eliminations_text(const SolveStep& step) {
    std::string text;
    std::array<bool, CELL_COUNT> written{};
    for (int i = 0; i < step.elimination_count; ++i) {
        if (written[i]) {
            continue;
        }
        const DigitMask digits = step.eliminations[i].digits;
        text += text.empty() ? "" : "; ";
        for (int j = i; j < step.elimination_count; ++j) {
            if (!written[j] && step.eliminations[j].digits == digits) {
                text += (j > i ? ", " : "") + cell_name(step.eliminations[j].cell);
                written[j] = true;
            }
        }
        text += " <> " + digit_list(digits);
    }
    return text;
}

std::string pattern_text(const SolveStep& step) {
    const std::string name(technique_name(step.technique));
    const std::string digits = digit_list(step.digits);
    switch (step.technique) {
        case StepTechnique::box_hidden_single:
        case StepTechnique::line_hidden_single:
            return name + " in " + unit_name(step.units[0]);
        case StepTechnique::naked_single:
            return name;
        case StepTechnique::pointing:
        case StepTechnique::claiming:
            return name + ": " + digits + " in " + unit_name(step.units[0]) + " lies in " +
                   unit_name(step.units[1]);
        case StepTechnique::naked_pair:
        case StepTechnique::naked_triple:
        case StepTechnique::naked_quad:
        case StepTechnique::hidden_pair:
        case StepTechnique::hidden_triple:
        case StepTechnique::hidden_quad:
            return name + " " + digits + " in " + unit_name(step.units[0]) + " (" +
                   cell_group(step, 0, step.cell_count) + ")";
        case StepTechnique::x_wing:
        case StepTechnique::swordfish:
        case StepTechnique::jellyfish:
            return name + " on " + digits + " in " + unit_group(step, 0, step.base_units) + ", " +
                   unit_group(step, step.base_units, step.unit_count - step.base_units);
        case StepTechnique::skyscraper:
            return name + " on " + digits + " in " + unit_group(step, 0, 2) + ": " +
                   single_digit_chain(step);
        case StepTechnique::two_string_kite:
            return name + " on " + digits + " in " + unit_name(step.units[0]) + " and " +
                   unit_name(step.units[1]) + ": " + single_digit_chain(step);
        case StepTechnique::xy_wing:
        case StepTechnique::xyz_wing:
            return name + " with pivot " + cell_with_digits(step.cells[0]) + " and pincers " +
                   cell_with_digits(step.cells[1]) + ", " + cell_with_digits(step.cells[2]);
        case StepTechnique::w_wing:
            return name + " on " + digits + " at " + cell_name(step.cells[0].cell) + " and " +
                   cell_name(step.cells[1].cell) + ", strong link on " +
                   std::to_string(step.cells[2].digit) + " in " + unit_name(step.units[0]) + " (" +
                   cell_group(step, 2, 2) + ")";
        case StepTechnique::colour_trap:
        case StepTechnique::colour_wrap:
            return name + " on " + digits + ": " + cell_group(step, 0, step.first_group) + " | " +
                   cell_group(step, step.first_group, step.cell_count - step.first_group);
        case StepTechnique::x_chain:
            return name + " on " + digits + ": " + single_digit_chain(step);
        case StepTechnique::xy_chain:
            return name + " on " + digits + ": " + pair_chain(step);
        case StepTechnique::aic:
            return name + ": " + candidate_chain(step);
    }
    return name;
}

}  // namespace

std::string cell_name(int cell) {
    std::string name = "r";
    name += std::to_string(row_of(cell) + 1);
    name += 'c';
    name += std::to_string(column_of(cell) + 1);
    return name;
}

std::string unit_name(int unit) {
    return std::string(UNIT_KINDS[unit / 9]) + " " + std::to_string(unit % 9 + 1);
}

std::string describe_step(const SolveStep& step) {
    std::string text = pattern_text(step) + ": ";
    if (step.placed_digit != 0) {
        return text + cell_name(step.placed_cell) + " = " + std::to_string(step.placed_digit);
    }
    return text + eliminations_text(step);
}

std::string describe_contradiction(const Contradiction& contradiction) {
    const std::string digit = std::to_string(contradiction.digit);
    switch (contradiction.kind) {
        case ContradictionKind::repeated_digit:
            return "contradiction: " + digit + " twice in " + unit_name(contradiction.unit);
        case ContradictionKind::cell_without_candidates:
            return "contradiction: " + cell_name(contradiction.cell) + " has no candidate left";
        case ContradictionKind::digit_without_place:
            return "contradiction: " + digit + " has no place in " + unit_name(contradiction.unit);
    }
    return "contradiction";
}

}  // namespace cellwright

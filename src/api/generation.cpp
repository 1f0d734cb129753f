// Making problems: one of a numbered run, or the next of a batch as the program makes it.

#include <cstring>
#include <type_traits>

#include "api/public_types.hpp"
#include "app/accept_problem.hpp"
#include "random/random_stream.hpp"

namespace cellwright {
namespace {

// The classes the batch's acceptance filter knows.
bool is_batch_class(int difficulty_class) {
    return difficulty_class >= 1 && difficulty_class <= 3;
}

// The next problem of `kind` (one that is possible) drawn from `random`, with its rating.
Problem next_problem(RandomState& random, const ProblemKind& kind) {
    ProblemRecord record;
    AttemptTally tally;
    if (kind.difficulty_class >= 4) {
        PuzzleRating rating;
        const std::optional<StepTechnique> hardest =
            kind.hardest ? std::optional(static_cast<StepTechnique>(*kind.hardest)) : std::nullopt;
        accept_next_advanced_problem(random, kind.difficulty_class, record, rating, &tally,
                                     hardest);
        return public_problem(record, rating.counters, rating, tally);
    }
    TechniqueCounters counters;
    accept_next_problem(random, kind.difficulty_class, record, counters, &tally);
    return public_problem(record, counters, rate_after_ladder(record.givens, counters, true),
                          tally);
}

// A batch keeps its random source as plain words, so that the public type does not depend
// on the engine's; the two are copied bit for bit.
using RandomWords = decltype(Batch::random);

// The bits of `from` as a `To` of the same size (what std::bit_cast does, which not every
// standard library the engine is built with has yet).
template <class To, class From>
To copy_bits(const From& from) {
    static_assert(sizeof(To) == sizeof(From));
    static_assert(std::is_trivially_copyable_v<To> && std::is_trivially_copyable_v<From>);
    To to;
    std::memcpy(static_cast<void*>(&to), &from, sizeof to);
    return to;
}

}  // namespace

std::optional<Problem> generate_problem(std::uint64_t seed, std::uint64_t index,
                                        const ProblemKind& kind) noexcept {
    if (!is_possible_kind(kind)) {
        return std::nullopt;
    }
    RandomState random;
    random_seed_stream(random, seed, index);
    return next_problem(random, kind);
}

std::optional<Problem> generate_problem(std::uint64_t seed, std::uint64_t index,
                                        int difficulty_class) noexcept {
    return generate_problem(seed, index, ProblemKind{difficulty_class, std::nullopt});
}

Batch start_batch(std::uint32_t seed, int difficulty_class) noexcept {
    Batch batch;
    batch.difficulty_class = difficulty_class;
    RandomState random;
    random_seed(random, seed);
    batch.random = copy_bits<RandomWords>(random);
    return batch;
}

std::optional<Problem> next_batch_problem(Batch& batch) noexcept {
    if (!is_batch_class(batch.difficulty_class)) {
        return std::nullopt;
    }
    RandomState random = copy_bits<RandomState>(batch.random);
    // Only a batch that start_batch made may go on: any other position would index past
    // the words.
    if (random.position < 0 || random.position >= RANDOM_WORDS) {
        return std::nullopt;
    }
    const Problem problem = next_problem(random, ProblemKind{batch.difficulty_class, std::nullopt});
    batch.random = copy_bits<RandomWords>(random);
    return problem;
}

std::vector<Problem> make_batch(std::uint32_t seed, int difficulty_class) {
    std::vector<Problem> problems;
    if (!is_batch_class(difficulty_class)) {
        return problems;
    }
    problems.reserve(PROBLEMS_PER_BATCH);
    Batch batch = start_batch(seed, difficulty_class);
    while (problems.size() < static_cast<std::size_t>(PROBLEMS_PER_BATCH)) {
        problems.push_back(*next_batch_problem(batch));
    }
    return problems;
}

}  // namespace cellwright

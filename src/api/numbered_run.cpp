// A numbered run made on several threads and handed out in number order, and its shards.
// Problem i of a run seeded with S comes from a random stream of its own derived from (S, i),
// so neither the number of threads nor their timing can change a byte of the result.

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

#include "api/public_types.hpp"

namespace cellwright {
namespace {

struct NumberedProblem {
    std::uint64_t index = 0;
    Problem problem;
};

// Finished problems wait in a ring of slots until the receiver reaches them. A worker claims
// a number only while it is less than a ring's length ahead of the receiver, so one slow
// problem never lets the others pile up without bound.
class OrderedRing {
  public:
    OrderedRing(std::uint64_t first, std::uint64_t count, std::size_t slots)
        : next_claim_(first), next_out_(first), end_(first + count), slots_(slots) {}

    // The next number to make, or nullopt when there is none (or the run stopped).
    std::optional<std::uint64_t> claim() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] {
            return stopped_ || next_claim_ == end_ || next_claim_ - next_out_ < slots_.size();
        });
        if (stopped_ || next_claim_ == end_) {
            return std::nullopt;
        }
        return next_claim_++;
    }

    void deliver(NumberedProblem&& problem) {
        const std::scoped_lock lock(mutex_);
        slots_[problem.index % slots_.size()] = std::move(problem);
        changed_.notify_all();
    }

    // Waits for the next problem in order and hands it out; nullopt when all are out.
    std::optional<NumberedProblem> take_next() {
        std::unique_lock lock(mutex_);
        if (next_out_ == end_) {
            return std::nullopt;
        }
        auto& slot = slots_[next_out_ % slots_.size()];
        changed_.wait(lock, [&] { return slot.has_value(); });
        std::optional<NumberedProblem> problem = std::move(slot);
        slot.reset();
        ++next_out_;
        changed_.notify_all();
        return problem;
    }

    void stop() {
        const std::scoped_lock lock(mutex_);
        stopped_ = true;
        changed_.notify_all();
    }

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::uint64_t next_claim_;
    std::uint64_t next_out_;
    std::uint64_t end_;
    bool stopped_ = false;
    std::vector<std::optional<NumberedProblem>> slots_;
};

// Problem `index`; the kind was checked before the run began.
Problem make_numbered(std::uint64_t seed, std::uint64_t index, const ProblemKind& kind) {
    return generate_problem(seed, index, kind).value_or(Problem{});
}

}  // namespace

bool generate_problems(std::uint64_t seed, std::uint64_t first, std::uint64_t count,
                       int difficulty_class, unsigned jobs, ProblemReceiver receive,
                       void* context) {
    return generate_problems(seed, first, count, ProblemKind{difficulty_class, std::nullopt}, jobs,
                             receive, context);
}

bool generate_problems(std::uint64_t seed, std::uint64_t first, std::uint64_t count,
                       const ProblemKind& kind, unsigned jobs, ProblemReceiver receive,
                       void* context) {
    if (!is_possible_kind(kind) || first > UINT64_MAX - count) {
        return false;
    }
    if (jobs == 0) {
        jobs = std::max(1u, std::thread::hardware_concurrency());
    }
    // Never more threads than problems, so no ring far longer than the run.
    jobs = static_cast<unsigned>(
        std::min<std::uint64_t>({jobs, MAX_JOBS, std::max<std::uint64_t>(count, 1)}));
    constexpr std::size_t SLOTS_PER_JOB = 16;
    OrderedRing ring(first, count, SLOTS_PER_JOB * jobs);
    std::vector<std::jthread> workers;
    workers.reserve(jobs);
    for (unsigned job = 0; job < jobs; ++job) {
        // A thread that cannot be started (too little memory, too many threads) is done
        // without: the problems do not depend on how many threads make them.
        try {
            workers.emplace_back([&] {
                while (const std::optional<std::uint64_t> index = ring.claim()) {
                    ring.deliver({*index, make_numbered(seed, *index, kind)});
                }
            });
        } catch (const std::system_error&) {
            break;
        }
    }
    if (workers.empty()) {
        for (std::uint64_t index = first; index != first + count; ++index) {
            if (!receive(context, index, make_numbered(seed, index, kind))) {
                return false;
            }
        }
        return true;
    }
    // Declared after the workers, so destroyed before them: whatever ends this function, a
    // return or an exception from `receive`, the workers are told to stop before they are
    // joined, and none waits for a slot for ever.
    struct StopOnExit {
        OrderedRing& ring;
        ~StopOnExit() { ring.stop(); }
    } stop_on_exit{ring};
    while (std::optional<NumberedProblem> next = ring.take_next()) {
        if (!receive(context, next->index, next->problem)) {
            return false;
        }
    }
    return true;
}

ProblemRange shard_range(std::uint64_t first, std::uint64_t count, std::uint64_t shard,
                         std::uint64_t shards) noexcept {
    if (shard >= shards) {
        return {first, 0};
    }
    // Shard s starts after s shards of `base` problems and min(s, extra) extra ones; written
    // so, no product can pass 2^64.
    const std::uint64_t base = count / shards;
    const std::uint64_t extra = count % shards;
    const std::uint64_t start = base * shard + std::min(shard, extra);
    return {first + start, base + (shard < extra ? 1 : 0)};
}

}  // namespace cellwright

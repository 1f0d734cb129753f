#include "ordered_generation.hpp"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace cellwright::tool {
namespace {

// Finished problems wait in a ring of slots until the consumer reaches them. A worker claims
// a number only while it is less than a ring's length ahead of the consumer, so one slow
// problem never lets the others pile up without bound.
class OrderedRing {
  public:
    OrderedRing(std::uint64_t first, std::uint64_t count, std::size_t slots)
        : next_claim_(first), next_out_(first), end_(first + count), slots_(slots) {}

    // The next number to generate, or nullopt when there is none (or the run stopped).
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

    void deliver(GeneratedProblem&& problem) {
        const std::scoped_lock lock(mutex_);
        slots_[problem.index % slots_.size()] = std::move(problem);
        changed_.notify_all();
    }

    // Waits for the next problem in order and hands it out; nullopt when all are out.
    std::optional<GeneratedProblem> take_next() {
        std::unique_lock lock(mutex_);
        if (next_out_ == end_) {
            return std::nullopt;
        }
        auto& slot = slots_[next_out_ % slots_.size()];
        changed_.wait(lock, [&] { return slot.has_value(); });
        std::optional<GeneratedProblem> problem = std::move(slot);
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
    std::vector<std::optional<GeneratedProblem>> slots_;
};

}  // namespace

bool generate_in_order(std::uint64_t seed, std::uint64_t first, std::uint64_t count,
                       int difficulty_class, unsigned jobs,
                       const std::function<bool(const GeneratedProblem&)>& consume) {
    jobs = jobs == 0 ? 1 : jobs;
    constexpr std::size_t SLOTS_PER_JOB = 16;
    OrderedRing ring(first, count, SLOTS_PER_JOB * jobs);
    std::vector<std::jthread> workers;
    workers.reserve(jobs);
    for (unsigned job = 0; job < jobs; ++job) {
        workers.emplace_back([&] {
            while (const std::optional<std::uint64_t> index = ring.claim()) {
                ring.deliver(
                    {*index, generate_problem(seed, *index, difficulty_class).value_or(Problem{})});
            }
        });
    }
    // Declared after the workers, so destroyed before them: whatever ends this function, a
    // return or an exception from `consume`, the workers are told to stop before they are
    // joined, and none waits for a slot for ever.
    struct StopOnExit {
        OrderedRing& ring;
        ~StopOnExit() { ring.stop(); }
    } stop_on_exit{ring};
    bool completed = true;
    while (std::optional<GeneratedProblem> problem = ring.take_next()) {
        if (!consume(*problem)) {
            completed = false;
            break;
        }
    }
    return completed;
}

}  // namespace cellwright::tool

#include "generate_command.hpp"

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "app/platform.hpp"
#include "json_output.hpp"
#include "number_option.hpp"
#include "output_file.hpp"
#include "progress_bar.hpp"
#include "puzzle_input.hpp"

namespace cellwright::tool {
namespace {

// Where the problems go: standard output, or a file that appears only when complete.
class ProblemSink {
  public:
    explicit ProblemSink(std::ostream& out) : out_(&out) {}

    OutputFault create(const std::string& path) {
        to_file_ = true;
        return file_.open(path, false);
    }

    bool write(const std::string& text) {
        if (to_file_) {
            return file_.write(text.data(), text.size());
        }
        *out_ << text;
        return static_cast<bool>(*out_);
    }

    // Completes the output; false, with the reason on `errors`, when anything was lost.
    bool close(std::ostream& errors) {
        if (!to_file_) {
            return finish_output(*out_, errors);
        }
        if (OutputFault fault = file_.commit()) {
            errors << "cellwright-tool: " << *fault << '\n';
            return false;
        }
        return true;
    }

  private:
    std::ostream* out_;
    OutputFile file_;
    bool to_file_ = false;
};

std::uint64_t clock_seed() {
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

// The work that went into a run's problems, and the techniques they needed.
struct Effort {
    std::uint64_t attempts = 0;
    std::uint64_t fillings = 0;
    std::array<std::uint64_t, TECHNIQUE_COUNT> hardest{};  // problems with it as the hardest
    std::array<std::uint64_t, TECHNIQUE_COUNT> met{};      // problems that needed it

    void add(const Problem& problem) {
        attempts += problem.attempts;
        fillings += problem.fillings;
        if (problem.hardest) {
            ++hardest[static_cast<int>(*problem.hardest)];
        }
        for (int i = 0; i < TECHNIQUE_COUNT; ++i) {
            met[i] += problem.steps[i] != 0 ? 1 : 0;
        }
    }
};

// "skyscraper 41, xy_wing 31": the techniques with a count, in the order of the techniques.
std::string technique_counts(const std::array<std::uint64_t, TECHNIQUE_COUNT>& counts) {
    std::string text;
    for (int i = 0; i < TECHNIQUE_COUNT; ++i) {
        if (counts[i] != 0) {
            text += (text.empty() ? "" : ", ") +
                    std::string(technique_key(static_cast<Technique>(i))) + " " +
                    std::to_string(counts[i]);
        }
    }
    return text;
}

void print_stats(std::ostream& errors, std::uint64_t problems, const Effort& tally,
                 double seconds) {
    char text[256];
    const double rate = tally.attempts == 0 ? 0.0
                                            : 100.0 * static_cast<double>(problems) /
                                                  static_cast<double>(tally.attempts);
    const double speed = seconds > 0 ? static_cast<double>(problems) / seconds : 0.0;
    std::snprintf(text, sizeof text,
                  "problems: %llu\nattempts: %llu\nfillings: %llu\nacceptance rate: %.2f%%\n"
                  "problems per second: %.2f\n",
                  static_cast<unsigned long long>(problems),
                  static_cast<unsigned long long>(tally.attempts),
                  static_cast<unsigned long long>(tally.fillings), rate, speed);
    errors << text << "hardest techniques: " << technique_counts(tally.hardest) << '\n'
           << "techniques met: " << technique_counts(tally.met) << '\n';
}

}  // namespace

std::string format_generated(std::uint64_t index, const Problem& problem, std::uint64_t seed,
                             GenerateFormat format) {
    switch (format) {
        case GenerateFormat::dat:
            return format_puzzle(problem.givens, PuzzleFormat::problem_line, problem.grade) + '\n';
        case GenerateFormat::line:
            return format_puzzle(problem.givens, PuzzleFormat::line) + '\n';
        case GenerateFormat::json:
            return generated_json(index, seed, problem) + '\n';
    }
    return {};
}

int run_generate(const GenerateOptions& options, std::ostream& out, std::ostream& errors) {
    const ProblemKind kind{options.difficulty_class, options.hardest};
    if (!is_possible_kind(kind)) {
        errors << "cellwright-tool: no problem of class " << options.difficulty_class
               << (options.hardest ? " has " + std::string(technique_key(*options.hardest)) +
                                         " as its hardest technique (--technique needs class 4 "
                                         "or 5 and a technique from claiming on)"
                                   : " exists")
               << '\n';
        return 2;
    }
    if (options.start > UINT64_MAX - options.count) {
        errors << "cellwright-tool: --start plus --count passes 2^64\n";
        return 1;
    }
    const std::uint64_t seed = options.seed ? *options.seed : clock_seed();
    if (!options.seed) {
        errors << "seed: " << seed << '\n' << std::flush;
    }
    ProblemSink sink(out);
    if (!options.output.empty()) {
        if (InputFault fault = sink.create(options.output)) {
            errors << "cellwright-tool: " << *fault << '\n';
            return 1;
        }
    }
    const ProblemRange range =
        options.shard
            ? shard_range(options.start, options.count, options.shard->index, options.shard->count)
            : ProblemRange{options.start, options.count};
    const auto started = std::chrono::steady_clock::now();
    std::optional<ProgressBar> bar;
    if (options.progress) {
        bar.emplace(errors, range.count);
        bar->update(0);
    }
    Effort total;
    std::uint64_t done = 0;
    const bool completed = generate_problems(
        seed, range.first, range.count, kind, options.jobs,
        [&](std::uint64_t index, const Problem& problem) {
            total.add(problem);
            ++done;
            if (bar) {
                bar->update(done);
            }
            return sink.write(format_generated(index, problem, seed, options.format));
        });
    if (bar) {
        bar->finish();
    }
    // A failed write stops the run early; closing reports why.
    const bool closed = sink.close(errors);
    if (!completed || !closed) {
        return 1;
    }
    if (options.stats) {
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
        print_stats(errors, done, total, elapsed.count());
    }
    return 0;
}

void add_generate_command(CLI::App& app, int& status) {
    CLI::App* command = app.add_subcommand(
        "generate",
        "Generate N problems of one class; problem i depends only on the seed and i, so the "
        "output never depends on --jobs, and ranges made elsewhere with --start fit together");
    auto options = std::make_shared<GenerateOptions>();
    const CLI::Validator any_number = number_in(0, UINT64_MAX, "0..2^64-1");
    command
        ->add_option("--class", options->difficulty_class,
                     "Difficulty class 1..5: 1..3 as the batches, 4 needs naked pairs or "
                     "triples, 5 needs more than the batches' techniques")
        ->required()
        ->transform(number_in(1, 5, "1..5"));
    auto technique = std::make_shared<std::string>();
    CLI::Option* technique_option =
        command
            ->add_option("--technique", *technique,
                         "With class 4 or 5: only problems whose hardest technique is this one "
                         "(a key as `grade` writes it, such as x_wing or xy_chain)")
            ->check(CLI::Validator(
                [](const std::string& key) -> std::string {
                    return technique_from_key(key) ? "" : "no technique is called " + key;
                },
                "KEY"));
    command->add_option("--count", options->count, "Number of problems (default 30)")
        ->transform(any_number);
    auto seed = std::make_shared<std::uint64_t>(0);
    CLI::Option* seed_option = command->add_option(
        "--seed", *seed, "Seed S, 0..2^64-1 (default: from the clock, printed to standard error)");
    seed_option->transform(any_number);
    command->add_option("--start", options->start, "Number K of the first problem (default 0)")
        ->transform(any_number);
    auto shard = std::make_shared<std::string>();
    CLI::Option* shard_option =
        command
            ->add_option("--shard", *shard,
                         "Make only shard I (0..N-1) of N of the problems; the N shards joined "
                         "in order are the whole run, whatever machines made them")
            ->check(shard_validator());
    command->add_option("--jobs", options->jobs, "Threads (default: one per core)")
        ->transform(number_in(1, MAX_JOBS, "1..1024"));
    auto format = std::make_shared<std::string>("dat");
    command
        ->add_option("--format", *format,
                     "dat (problem-file lines, default), line (81 characters, '.' for empty) or "
                     "json (JSON Lines)")
        ->check(CLI::IsMember({"dat", "line", "json"}));
    command->add_option("--output", options->output,
                        "Write to this new file; an existing file is never overwritten");
    command->add_flag("--stats", options->stats,
                      "Print attempts, fillings, acceptance rate, problems per second and the "
                      "techniques the problems needed");
    command->callback([options, seed, seed_option, format, shard, shard_option, technique,
                       technique_option, &status] {
        GenerateOptions run = *options;
        if (technique_option->count() != 0) {
            run.hardest = technique_from_key(*technique);
        }
        if (shard_option->count() != 0) {
            run.shard = parse_shard(*shard);
        } else if (const std::optional<std::string> hint =
                       shard_hint([](const char* name) { return std::getenv(name); })) {
            std::cerr << *hint << '\n';
        }
        run.format = *format == "json"   ? GenerateFormat::json
                     : *format == "line" ? GenerateFormat::line
                                         : GenerateFormat::dat;
        if (seed_option->count() != 0) {
            run.seed = *seed;
        }
        run.progress = is_terminal(stderr);
        status = run_generate(run, std::cout, std::cerr);
    });
}

}  // namespace cellwright::tool

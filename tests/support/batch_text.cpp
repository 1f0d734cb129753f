#include "support/batch_text.hpp"

#include <fstream>
#include <sstream>

#include "app/accept_problem.hpp"
#include "app/problem_line.hpp"

namespace cellwright::test {

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string batch_text(std::uint32_t seed, int difficulty_class, int problems) {
    RandomState random;
    random_seed(random, seed);
    TechniqueCounters counters;
    std::string text;
    for (int i = 0; i < problems; ++i) {
        ProblemRecord record;
        accept_next_problem(random, difficulty_class, record, counters);
        text += format_problem_line(record).view();
        text += '\n';
    }
    return text;
}

}  // namespace cellwright::test

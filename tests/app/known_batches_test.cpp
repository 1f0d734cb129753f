// Whole batches seeded with 0 must reproduce the reference problem files byte for byte.

#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "app/accept_problem.hpp"
#include "app/problem_line.hpp"

namespace cellwright {
namespace {

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

TEST(KnownBatches, SeedZeroReproducesReferenceFiles) {
    for (int difficulty_class = 1; difficulty_class <= 3; ++difficulty_class) {
        const std::string expected = read_file(std::string(CELLWRIGHT_TEST_DATA) + "/seed0_class" +
                                               std::to_string(difficulty_class) + ".dat");
        ASSERT_FALSE(expected.empty()) << "reference file of class " << difficulty_class;
        EXPECT_EQ(batch_text(0, difficulty_class, 30), expected) << "class " << difficulty_class;
    }
}

}  // namespace
}  // namespace cellwright

// Whole batches seeded with 0 must reproduce the reference problem files byte for byte.

#include <string>

#include <gtest/gtest.h>

#include "support/batch_text.hpp"

namespace cellwright {
namespace {

using test::batch_text;
using test::read_file;

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

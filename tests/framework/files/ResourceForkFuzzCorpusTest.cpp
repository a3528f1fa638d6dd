// Runs the fuzz entry point over a corpus of damaged inputs, so the cases a
// fuzzer would try first are checked on every build (under the sanitizers
// when the build uses them).
#include "FileTestSupport.h"

#include "fuzz/resource_fork_fuzz.cpp"

#include <gtest/gtest.h>
#include <random>

namespace {

int runTarget(const std::string& bytes) {
    return LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

std::vector<std::string> seeds() {
    const std::string fork = buildResourceFork(
        {{"TEXT", 256, "Boil the water", "name"}, {"TEXT", -3, "", ""}, {"styl", 256, "xyz", ""}});
    return {fork, buildAppleDouble({{9, finderInfo("clpt", "MACS")}, {2, fork}}), buildResourceFork({}),
            buildClippingPlist("public.utf8-plain-text", plistUtf16(std::string("\0a\0b", 4)))};
}

}  // namespace

TEST(ResourceForkFuzzCorpus, SurvivesTruncationsBitFlipsAndHostileFields) {
    std::mt19937 random(20090307);  // fixed, so a failure can be replayed
    size_t inputs = 0;
    for (const auto& seed : seeds()) {
        for (size_t length = 0; length <= seed.size(); ++length, ++inputs) EXPECT_EQ(runTarget(seed.substr(0, length)), 0);
        for (int round = 0; round < 3000; ++round, ++inputs) {
            std::string mutated = seed;
            const int flips = 1 + static_cast<int>(random() % 4);
            for (int f = 0; f < flips; ++f) mutated[random() % mutated.size()] ^= static_cast<char>(1 << (random() % 8));
            EXPECT_EQ(runTarget(mutated), 0);
        }
        // Every aligned 32-bit field set to the values that break naive
        // arithmetic.
        for (size_t at = 0; at + 4 <= seed.size(); at += 2) {
            for (uint32_t hostile : {0u, 1u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu, 0xFFFFFFF0u}) {
                std::string mutated = seed;
                mutated.replace(at, 4, bigEndian(hostile, 4));
                EXPECT_EQ(runTarget(mutated), 0);
                ++inputs;
            }
        }
    }
    EXPECT_GT(inputs, 10000u);
}

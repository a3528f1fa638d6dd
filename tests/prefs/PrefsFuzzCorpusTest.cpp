// The preferences fuzz target's corpus goes through its entry point on every
// run: a file another program or an older version left must be read or
// refused whole, and a store that was read must write again or raise.
#include <gtest/gtest.h>

#define LARDERWISE_FUZZ_WITH_FILE_REFERENCES
#include "fuzz/prefs_fuzz.cpp"
#include "tests/support/TestFiles.h"

TEST(PrefsFuzzCorpus, EveryFileAndEveryPrefixOfItIsReadOrRefused) {
    const auto files = fuzzCorpus("prefs");
    ASSERT_GE(files.size(), 5u) << fuzzCorpusFolder("prefs");
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        for (size_t length = 0; length <= bytes.size(); ++length) {
            const std::string prefix = bytes.substr(0, length);
            EXPECT_EQ(LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(prefix.data()), prefix.size()), 0);
        }
    }
}

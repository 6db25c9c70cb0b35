// Every input the fuzzer found troublesome, kept as a file: the reader must
// get through it (no crash, no hang, no read outside the file).
#include "tests/support/ScanFixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace halvane::testing {
namespace {

TEST(FuzzRegression, ReaderSurvivesEveryKeptInput)
{
    std::size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(HALVANE_FUZZ_REGRESSIONS)) {
        if (!entry.is_regular_file())
            continue;
        RecordingHost host;
        ScanFile(entry.path().string(), host);
        ++count;
    }
    EXPECT_GT(count, 0u);
}

}  // namespace
}  // namespace halvane::testing

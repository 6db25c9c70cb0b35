// A one-line progress bar on standard error: percentage, rate and time
// left. Draws nothing when standard error is not a terminal or when quiet.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace halvane::cli {

class ProgressBar {
public:
    ProgressBar(std::string label, bool quiet, const char* unit = "B");
    ~ProgressBar();
    void Update(std::uint64_t done, std::uint64_t total);
    void Finish();

private:
    std::string label_;
    const char* unit_;
    bool enabled_;
    bool drawn_ = false;
    std::chrono::steady_clock::time_point start_;
    std::chrono::steady_clock::time_point lastDraw_;
};

}  // namespace halvane::cli

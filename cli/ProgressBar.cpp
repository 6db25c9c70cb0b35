#include "cli/ProgressBar.h"

#include <cstdio>
#include <unistd.h>

namespace halvane::cli {

ProgressBar::ProgressBar(std::string label, bool quiet, const char* unit)
    : label_(std::move(label)), unit_(unit), enabled_(!quiet && ::isatty(STDERR_FILENO) != 0),
      start_(std::chrono::steady_clock::now()), lastDraw_(start_)
{
}

ProgressBar::~ProgressBar()
{
    Finish();
}

void ProgressBar::Update(std::uint64_t done, std::uint64_t total)
{
    if (!enabled_)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (drawn_ && now - lastDraw_ < std::chrono::milliseconds(100) && done < total)
        return;
    lastDraw_ = now;
    drawn_ = true;
    const double seconds = std::chrono::duration<double>(now - start_).count();
    const double ratio = total == 0 ? 1.0 : static_cast<double>(done) / static_cast<double>(total);
    const double rate = seconds > 0 ? static_cast<double>(done) / seconds : 0.0;
    const double left = rate > 0 ? static_cast<double>(total - done) / rate : 0.0;
    const int width = 30;
    const int filled = static_cast<int>(ratio * width);
    std::string bar(static_cast<std::size_t>(filled), '#');
    bar.resize(width, '.');
    const bool bytes = unit_[0] == 'B';
    std::fprintf(stderr, "\r%s [%s] %6.2f%%  %.1f %s/s  %.0fs left ", label_.c_str(), bar.c_str(), ratio * 100.0,
                 bytes ? rate / 1048576.0 : rate, bytes ? "MiB" : unit_, left);
    std::fflush(stderr);
}

void ProgressBar::Finish()
{
    if (enabled_ && drawn_) {
        std::fputc('\n', stderr);
        drawn_ = false;
    }
}

}  // namespace halvane::cli

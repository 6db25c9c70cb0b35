// The texts the scan job shows: time stamps of log lines, the backup's size
// and file times, and the progress texts of the status bar.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

namespace halvane::app {

// "%b-%d-%Y(%I-%M-%S-%p)" of the local time, e.g. Dec-09-2024(11-02-33-PM).
[[nodiscard]] std::string LogTimeStamp(std::time_t when = std::time(nullptr));

// A size of at most 1024 bytes as "N(Bytes)", larger ones as "N/1024(KB)".
[[nodiscard]] std::string SizeText(std::uint64_t size);
// The size text of a file on disk; empty when it cannot be read.
[[nodiscard]] std::string BkfFileSizeText(const std::string& path);

// "%02d/%02d/%d  %02d:%02d:%02d": month, day, year, 24-hour time, local.
[[nodiscard]] std::string FileTimeText(std::time_t when);

struct BkfFileTimes {
    std::string created, modified, accessed;
};
// False (and `times` unchanged) when the file's times cannot be read.
[[nodiscard]] bool ReadBkfFileTimes(const std::string& path, BkfFileTimes& times);

// "Progress: done/total".
[[nodiscard]] std::string ProgressText(std::uint64_t done, std::uint64_t total);
// done/total in single precision, as the bar (0..1000) and the percentage ("45.23%") show it.
[[nodiscard]] int ProgressBarPosition(std::uint64_t done, std::uint64_t total);
[[nodiscard]] std::string ProgressPercentText(std::uint64_t done, std::uint64_t total);

}  // namespace halvane::app

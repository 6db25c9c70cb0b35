#include "app/ScanTexts.h"

#include <cinttypes>
#include <cstdio>
#include <sys/stat.h>

namespace halvane::app {

std::string LogTimeStamp(std::time_t when)
{
    std::tm local{};
    if (localtime_r(&when, &local) == nullptr)
        return {};
    char buf[128];
    const std::size_t n = std::strftime(buf, sizeof buf, "%b-%d-%Y(%I-%M-%S-%p)", &local);
    return std::string(buf, n);
}

std::string SizeText(std::uint64_t size)
{
    char buf[64];
    if (size <= 1024)
        std::snprintf(buf, sizeof buf, "%" PRIu64 "(Bytes)", size);
    else
        std::snprintf(buf, sizeof buf, "%" PRIu64 "(KB)", size / 1024);
    return buf;
}

std::string BkfFileSizeText(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode))
        return {};
    return SizeText(static_cast<std::uint64_t>(st.st_size));
}

std::string FileTimeText(std::time_t when)
{
    std::tm t{};
    if (localtime_r(&when, &t) == nullptr)
        return {};
    char buf[64];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%d  %02d:%02d:%02d", t.tm_mon + 1, t.tm_mday, t.tm_year + 1900, t.tm_hour,
                  t.tm_min, t.tm_sec);
    return buf;
}

bool ReadBkfFileTimes(const std::string& path, BkfFileTimes& times)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return false;
    // The platform keeps no creation time in stat; the status change time
    // is the closest it offers.
    times.created = FileTimeText(st.st_ctime);
    times.modified = FileTimeText(st.st_mtime);
    times.accessed = FileTimeText(st.st_atime);
    return true;
}

std::string ProgressText(std::uint64_t done, std::uint64_t total)
{
    char buf[96];
    std::snprintf(buf, sizeof buf, "Progress: %" PRIu64 "/%" PRIu64, done, total);
    return buf;
}

namespace {
float Ratio(std::uint64_t done, std::uint64_t total)
{
    return static_cast<float>(done) / static_cast<float>(total);
}
}  // namespace

int ProgressBarPosition(std::uint64_t done, std::uint64_t total)
{
    return total == 0 ? 0 : static_cast<int>(Ratio(done, total) * 1000.0f);
}

std::string ProgressPercentText(std::uint64_t done, std::uint64_t total)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f%%", total == 0 ? 0.0 : static_cast<double>(Ratio(done, total) * 100.0f));
    return buf;
}

}  // namespace halvane::app

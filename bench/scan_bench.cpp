// Times the scanner (fast or the literal reference), an extraction, and
// reports the bytes read and the peak memory.
//   scan_bench scan FILE | literal FILE | extract FILE OUT
#include "reader/BkfReader.h"
#include "tests/support/LiteralScanner.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>

namespace {

class BenchHost final : public halvane::reader::ReaderHost {
public:
    BenchHost() { ProcessRunning() = 1; Extracting() = 1; }
    void FileFound(const halvane::reader::CatalogFile& r) override { ++records; firstPosition = records == 1 ? r.BlockPosition() : firstPosition; }
    void Progress(const halvane::reader::ProgressRecord&) override { ++progress; }
    void ShowMessage(std::string_view text) override { std::fprintf(stderr, "%.*s\n", int(text.size()), text.data()); }
    halvane::reader::TraceSink& Trace() override { return trace; }
    std::size_t records = 0, progress = 0;
    std::uint64_t firstPosition = 0;
    halvane::reader::NullTraceSink trace;
};

long PeakKiB()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: scan_bench scan|literal FILE | extract FILE OUT\n");
        return 2;
    }
    const std::string mode = argv[1];
    BenchHost host;
    const auto start = std::chrono::steady_clock::now();
    std::uint64_t bytes = 0;
    if (mode == "scan") {
        halvane::reader::BkfReader reader(host);
        reader.Scan(argv[2]);
        bytes = reader.ScanBytesRead();
    } else if (mode == "literal") {
        halvane::testing::LiteralScan(argv[2], host);
    } else if (mode == "extract" && argc == 4) {
        halvane::reader::BkfReader reader(host);
        reader.Scan(argv[2]);
        const auto first = host.firstPosition;
        const auto t0 = std::chrono::steady_clock::now();
        bytes = reader.Extract(first, argv[3], false).bytesWritten;
        const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        std::printf("extract %.3f s, %llu bytes, %.0f MiB/s, peak %ld KiB\n", s, (unsigned long long)bytes,
                    bytes / s / 1048576.0, PeakKiB());
        return 0;
    } else {
        return 2;
    }
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%s %.3f s, %zu records, %zu progress records, %llu bytes read, peak %ld KiB\n", mode.c_str(), s,
                host.records, host.progress, (unsigned long long)bytes, PeakKiB());
    return 0;
}

// libFuzzer target: scans the input as a backup file and extracts every
// file it catalogues, with the preview limit. The reader must survive any
// bytes without crashing, hanging or reading outside the file.
#include "reader/BkfReader.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

class FuzzHost final : public halvane::reader::ReaderHost {
public:
    FuzzHost() { ProcessRunning() = 1; Extracting() = 1; }
    void FileFound(const halvane::reader::CatalogFile& record) override { positions.push_back(record.BlockPosition()); }
    void Progress(const halvane::reader::ProgressRecord&) override {}
    void ShowMessage(std::string_view) override {}
    halvane::reader::TraceSink& Trace() override { return trace; }
    std::vector<std::uint64_t> positions;
    halvane::reader::NullTraceSink trace;
};

std::string TempPath(const char* name)
{
    return std::string("/tmp/halvane-fuzz-") + std::to_string(::getpid()) + "-" + name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string input = TempPath("input.bkf");
    static const std::string output = TempPath("output.bin");
    std::FILE* f = std::fopen(input.c_str(), "wb");
    if (f == nullptr)
        return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);

    FuzzHost host;
    {
        halvane::reader::BkfReader reader(host);
        reader.Scan(input);
    }
    halvane::reader::BkfReader extractor(host);
    if (extractor.OpenBackupFile(input))
        for (std::size_t i = 0; i < host.positions.size() && i < 8; ++i)
            (void)extractor.ProcessFileBlock(host.positions[i], halvane::reader::FileBlockMode::Extract, output, 1);
    return 0;
}

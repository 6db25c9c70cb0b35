// Writes a snapshot of N records and a backup of N small files (for the
// search and save benchmarks of halvane-cli).
//   snapshot_bench snapshot FILE N
#include "files/RecoverySnapshot.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    if (argc != 4 || std::string(argv[1]) != "snapshot")
        return 2;
    const unsigned long n = std::strtoul(argv[3], nullptr, 10);
    std::FILE* f = std::fopen(argv[2], "wb");
    if (f == nullptr)
        return 1;
    std::vector<unsigned char> header(halvane::files::kSnapshotHeaderSize, 0);
    for (std::size_t i = 0; i < halvane::files::kSnapshotSignature.size(); ++i)
        header[2 * i] = static_cast<unsigned char>(halvane::files::kSnapshotSignature[i]);
    const std::string backup = "/data/backups/exchange.bkf";
    for (std::size_t i = 0; i < backup.size(); ++i)
        header[60 + 2 * i] = static_cast<unsigned char>(backup[i]);
    std::fwrite(header.data(), 1, header.size(), f);
    for (unsigned long k = 0; k < n; ++k) {
        halvane::reader::CatalogFile r;
        const std::string path = "BKFSET1(Dailyadmin)C\\Exchsrvr\\folder" + std::to_string(k % 5000) + "\\file" +
                                 std::to_string(k) + (k % 97 == 0 ? ".edb" : ".log");
        r.SetPath(std::u16string(path.begin(), path.end()));
        r.SetBlockPosition(k * 4096);
        r.SetDataLength(static_cast<std::uint32_t>(k));
        std::fwrite(r.Bytes().data(), 1, r.Bytes().size(), f);
    }
    std::fclose(f);
    return 0;
}

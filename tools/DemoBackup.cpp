#include "tools/DemoBackup.h"

#include <string>

namespace halvane::tools {

using testing::BackupBuilder;
using testing::Bytes;
using testing::FileSink;

namespace {

void Put32(Bytes& b, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

void PutUnits(Bytes& b, std::size_t at, const std::u16string& s)
{
    for (std::size_t i = 0; i < s.size(); ++i) {
        b[at + 2 * i] = static_cast<std::uint8_t>(s[i]);
        b[at + 2 * i + 1] = static_cast<std::uint8_t>(s[i] >> 8);
    }
}

void LogTime(Bytes& b, std::size_t at, int year, int month, int day, int h, int m, int s)
{
    b[at] = static_cast<std::uint8_t>(s);
    b[at + 1] = static_cast<std::uint8_t>(m);
    b[at + 2] = static_cast<std::uint8_t>(h);
    b[at + 3] = static_cast<std::uint8_t>(day);
    b[at + 4] = static_cast<std::uint8_t>(month);
    b[at + 5] = static_cast<std::uint8_t>(year - 1900);
}

Bytes LogFile(int generation)
{
    std::string text = "Transaction log generation " + std::to_string(generation) + "\r\n";
    Bytes b = testing::RandomBytes(3000 + 500 * static_cast<std::size_t>(generation), static_cast<std::uint64_t>(generation));
    std::copy(text.begin(), text.end(), b.begin());
    return b;
}

}  // namespace

Bytes DatabaseHeaderPage(std::uint32_t fileType, std::uint32_t state)
{
    Bytes page(8192, 0);
    Put32(page, 0, 0x1A2B3C4D);                          // checksum
    page[4] = 0xEF; page[5] = 0xCD; page[6] = 0xAB; page[7] = 0x89;  // signature
    page[8] = 0x20; page[9] = 0x06;                      // format version
    Put32(page, 12, fileType);
    page[16] = 0x10; page[18] = 0x02; page[20] = 0x07;   // database time 16:2:7
    LogTime(page, 28, 2024, 12, 9, 23, 2, 33);
    PutUnits(page, 36, u"MAILSRV");  // the field ends where the state begins
    Put32(page, 52, state);
    page[56] = 0x10; page[58] = 0x02; page[60] = 0x07;   // consistent position
    LogTime(page, 64, 2024, 12, 9, 23, 0, 0);
    LogTime(page, 72, 2024, 12, 1, 8, 30, 0);
    Put32(page, 136 + 16, 20);
    Put32(page, 136 + 20, 27);
    LogTime(page, 136 + 8, 2024, 12, 8, 22, 0, 0);
    Put32(page, 216, 8);
    Put32(page, 220, 0);
    Put32(page, 224, 685);
    Put32(page, 236, 8192);
    page[296] = 0x1A; page[300] = 0x1B;                  // required log 26..27
    return page;
}

void WriteDemoBackup(const std::string& path)
{
    FileSink sink(path);
    BackupBuilder b(sink);
    b.Tape(u"Exchange weekly");
    b.Set(1, u"Daily", u"Information store", u"admin");
    b.Volume(u"Microsoft Information Store", u"First Storage Group");
    b.Directory({u"First Storage Group"});
    Bytes edb = DatabaseHeaderPage(0, 3);
    const Bytes rest = testing::RandomBytes(40000, 11);
    edb.insert(edb.end(), rest.begin(), rest.end());
    b.File(u"priv1.edb", edb);
    Bytes stm = DatabaseHeaderPage(1, 3);
    stm.resize(20000, 0x5A);
    b.File(u"priv1.stm", stm);
    b.Directory({u"First Storage Group", u"Logs"});
    for (int g = 26; g <= 28; ++g) {
        const std::string name = "E00000" + std::to_string(g) + ".log";
        b.File(std::u16string(name.begin(), name.end()), LogFile(g));
    }
    b.Catalog({{"VOLB", 64}, {"DIRB", 64}, {"ETED", 64}, {"ETED", 64}, {"FEND", 8}});
    b.EndOfSet();

    b.Set(2, u"Public", u"Public folders", u"operator");
    b.Volume(u"C:", u"System");
    b.Directory({u"Exchsrvr", u"mdbdata"});
    Bytes pub = DatabaseHeaderPage(0, 2);
    pub.resize(30000, 0x33);
    b.File(u"pub1.edb", pub);
    b.File(u"E00.chk", testing::RandomBytes(4096, 5));
    b.Directory({u"Exchsrvr", u"mdbdata", u"Reports"});
    const std::string report = "Backup report: 5 files, 2 sets.\r\n";
    b.File(u"report.txt", Bytes(report.begin(), report.end()));
    b.EndOfSet();
    sink.Finish();
}

void WriteManyFilesBackup(const std::string& path, std::uint32_t count, std::uint64_t fileSize)
{
    FileSink sink(path);
    BackupBuilder b(sink);
    b.Tape().Set(1, u"Bench", u"", u"admin").Volume(u"C:");
    for (std::uint32_t i = 0; i < count; ++i) {
        if (i % 100 == 0) {
            const std::string dir = "folder" + std::to_string(i / 100);
            b.Directory({u"data", std::u16string(dir.begin(), dir.end())});
        }
        const std::string name = "file" + std::to_string(i) + ".dat";
        b.SparseFile(std::u16string(name.begin(), name.end()), fileSize);
    }
    b.EndOfSet();
    sink.Finish();
}

void WriteOneLargeFileBackup(const std::string& path, std::uint64_t size)
{
    FileSink sink(path);
    BackupBuilder b(sink);
    b.Set(1, u"Big", u"", u"admin").Volume(u"C:").Directory({u"big"});
    // Written in pieces: a stream header with the whole length, then the data.
    const std::u16string name = u"large.edb";
    testing::Bytes head(22 + 4 + 2 * name.size(), 0);
    const char* id = "ETED";
    std::copy(id, id + 4, head.begin());
    const std::uint64_t length = 4 + 2 * name.size() + size;
    for (int i = 0; i < 8; ++i)
        head[8 + i] = static_cast<std::uint8_t>(length >> (8 * i));
    head[22] = static_cast<std::uint8_t>(2 * name.size());
    for (std::size_t i = 0; i < name.size(); ++i)
        head[26 + 2 * i] = static_cast<std::uint8_t>(name[i]);
    b.Raw(head);
    constexpr std::size_t kPiece = 8 << 20;
    for (std::uint64_t done = 0; done < size; done += kPiece) {
        const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(kPiece, size - done));
        b.Raw(testing::RandomBytes(n, done + 1));
    }
    sink.Finish();
}

void WriteRandomFile(const std::string& path, std::uint64_t size)
{
    FileSink sink(path);
    constexpr std::size_t kPiece = 8 << 20;
    for (std::uint64_t done = 0; done < size; done += kPiece) {
        const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(kPiece, size - done));
        const Bytes b = testing::RandomBytes(n, done + 7);
        sink.Write(b.data(), b.size());
    }
    sink.Finish();
}

}  // namespace halvane::tools

// Scans bytes through the fast reader or the literal reference and keeps
// what the host received.
#pragma once

#include "reader/BkfReader.h"
#include "tests/support/BackupBuilder.h"
#include "tests/support/LiteralScanner.h"
#include "tests/support/RecordingHost.h"
#include "tests/support/TempDir.h"

#include <functional>
#include <string>

namespace halvane::testing {

enum class Engine { Fast, Literal };

inline void ScanFile(const std::string& path, RecordingHost& host, Engine engine = Engine::Fast)
{
    if (engine == Engine::Literal) {
        LiteralScan(path, host);
        return;
    }
    reader::BkfReader reader(host);
    reader.Scan(path);
}

inline void ScanBytes(const Bytes& bytes, RecordingHost& host, Engine engine = Engine::Fast)
{
    TempDir dir;
    const std::string path = dir.File("backup.bkf");
    WriteFile(path, bytes);
    ScanFile(path, host, engine);
}

}  // namespace halvane::testing

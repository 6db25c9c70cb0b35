// A reader host that records everything the reader reports, for tests.
#pragma once

#include "reader/ReaderHost.h"

#include <functional>
#include <string>
#include <vector>

namespace halvane::testing {

class RecordingHost final : public reader::ReaderHost {
public:
    RecordingHost() { ProcessRunning() = 1; Extracting() = 1; }

    void FileFound(const reader::CatalogFile& record) override
    {
        records.push_back(record);
        if (onFileFound)
            onFileFound(records.size());
    }
    void Progress(const reader::ProgressRecord& progress) override { this->progress.push_back(progress); }
    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
    reader::TraceSink& Trace() override { return trace; }

    [[nodiscard]] std::vector<std::u16string> Paths() const
    {
        std::vector<std::u16string> paths;
        for (const auto& r : records)
            paths.push_back(r.Path());
        return paths;
    }

    std::vector<reader::CatalogFile> records;
    std::vector<reader::ProgressRecord> progress;
    std::vector<std::string> messages;
    reader::StringTraceSink trace;
    // Called after each record with the number received so far.
    std::function<void(std::size_t)> onFileFound;
};

}  // namespace halvane::testing

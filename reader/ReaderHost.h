// What the reader needs from whoever drives it: somewhere to send each file
// record and progress record, the running and extracting flags, a way to
// tell the user that the backup cannot be opened, and the trace sink.
//
// Thread: the reader calls the host on the thread that runs it; a host
// whose user interface lives on another thread hands each call over and
// waits for it (the desktop program does so). The flags are shared with
// other threads and are only ever 0 or 1.
#pragma once

#include "reader/CatalogFile.h"
#include "reader/ProgressRecord.h"
#include "reader/TraceSink.h"

#include <atomic>
#include <string_view>

namespace halvane::reader {

inline constexpr std::string_view kOpenFailedText = "Failed to open the file";

class ReaderHost {
public:
    virtual ~ReaderHost() = default;

    // A file block found in catalog mode; returns when the record is handled.
    virtual void FileFound(const CatalogFile& record) = 0;
    virtual void Progress(const ProgressRecord& progress) = 0;
    // The message box with an OK button ("Failed to open the file").
    virtual void ShowMessage(std::string_view text) = 0;
    virtual TraceSink& Trace() = 0;

    // 1 while the scan may go on; cleared to stop it.
    [[nodiscard]] std::atomic<int>& ProcessRunning() { return processRunning_; }
    // 1 while an extraction may go on; cleared to cut it short.
    [[nodiscard]] std::atomic<int>& Extracting() { return extracting_; }

private:
    std::atomic<int> processRunning_{0};
    std::atomic<int> extracting_{0};
};

}  // namespace halvane::reader

// Where the reader's diagnostic trace goes. The trace is plain bytes (names
// are written as the low byte of each UTF-16 unit, zero bytes included);
// nothing reads it back.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace halvane::reader {

class TraceSink {
public:
    virtual ~TraceSink() = default;
    virtual void Write(std::string_view bytes) = 0;
};

// Writes to a C stream (standard output by default); does not own it.
class StreamTraceSink final : public TraceSink {
public:
    explicit StreamTraceSink(std::FILE* stream = stdout) : stream_(stream) {}
    void Write(std::string_view bytes) override;

private:
    std::FILE* stream_;
};

// Keeps the trace in memory, for tests and comparisons.
class StringTraceSink final : public TraceSink {
public:
    void Write(std::string_view bytes) override { text_.append(bytes); }
    [[nodiscard]] const std::string& Text() const { return text_; }

private:
    std::string text_;
};

// Drops the trace.
class NullTraceSink final : public TraceSink {
public:
    void Write(std::string_view) override {}
};

}  // namespace halvane::reader

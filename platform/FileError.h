// The one exception type of file operations: it carries the system's text
// for the failure (strerror of the errno that the call left) and the path.
#pragma once

#include <stdexcept>
#include <string>

namespace halvane::platform {

class FileError : public std::runtime_error {
public:
    FileError(std::string path, int errorCode);

    // The system's text for the error, e.g. "No such file or directory".
    [[nodiscard]] const std::string& SystemText() const { return systemText_; }
    [[nodiscard]] const std::string& Path() const { return path_; }
    [[nodiscard]] int Code() const { return code_; }
    // "PATH: system text", the form every front end shows.
    [[nodiscard]] std::string Describe() const;

private:
    std::string path_;
    std::string systemText_;
    int code_;
};

// The system's text for an errno value.
[[nodiscard]] std::string SystemErrorText(int errorCode);

}  // namespace halvane::platform

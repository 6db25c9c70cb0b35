#include "platform/FileError.h"

#include <cstring>

namespace halvane::platform {

std::string SystemErrorText(int errorCode)
{
    return std::strerror(errorCode);
}

FileError::FileError(std::string path, int errorCode)
    : std::runtime_error(SystemErrorText(errorCode)),
      path_(std::move(path)),
      systemText_(SystemErrorText(errorCode)),
      code_(errorCode)
{
}

std::string FileError::Describe() const
{
    return path_.empty() ? systemText_ : path_ + ": " + systemText_;
}

}  // namespace halvane::platform

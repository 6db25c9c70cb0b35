// The application's name, as captions and settings use it.
#pragma once

#include <QString>

namespace halvane::platform {

inline QString ApplicationTitle()
{
    return QStringLiteral("Nelvar Halvane v22.0");
}

inline constexpr char kCompany[] = "Nelvar";
inline constexpr char kProduct[] = "Halvane";
inline constexpr char kVersion[] = "22.0";

}  // namespace halvane::platform

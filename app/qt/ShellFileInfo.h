// Type names and icons of files by name alone (the disk is never touched),
// from Qt's MIME database and the icon theme.
#pragma once

#include <QHash>
#include <QIcon>
#include <QString>

namespace halvane::app {

class CUseShGetFileInfo {
public:
    [[nodiscard]] QString TypeName(const QString& fileName) const;
    [[nodiscard]] QIcon FileIcon(const QString& fileName) const;
    [[nodiscard]] QIcon FolderIcon() const;

private:
    mutable QHash<QString, QIcon> icons_;
};

}  // namespace halvane::app

// Type names and icons of files by name alone (the disk is never touched),
// from Qt's MIME database and the icon theme. Icons are handed out as
// indices into one image list shared by the tree and the lists, like the
// system's small image list: one entry per distinct type, made on first use.
// UI thread only.
#pragma once

#include <QHash>
#include <QIcon>
#include <QList>
#include <QString>

namespace halvane::app {

class CUseShGetFileInfo {
public:
    [[nodiscard]] QString TypeName(const QString& fileName) const;
    [[nodiscard]] int FileIconIndex(const QString& fileName) const;
    [[nodiscard]] int FolderIconIndex() const;
    [[nodiscard]] QIcon FileIcon(const QString& fileName) const { return images_[FileIconIndex(fileName)]; }
    [[nodiscard]] QIcon FolderIcon() const { return images_[FolderIconIndex()]; }
    // The shared image list; entries are only ever added.
    [[nodiscard]] const QList<QIcon>& ImageList() const { return images_; }

private:
    mutable QHash<QString, int> byExtension_;
    mutable QHash<QString, QString> typeNames_;  // by lower-case extension
    mutable QList<QIcon> images_;
    mutable int folderIndex_ = -1;
};

}  // namespace halvane::app

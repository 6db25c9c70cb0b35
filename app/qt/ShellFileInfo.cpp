#include "app/qt/ShellFileInfo.h"

#include <QApplication>
#include <QMimeDatabase>
#include <QStyle>

namespace halvane::app {

namespace {
QString Extension(const QString& fileName)
{
    const qsizetype dot = fileName.lastIndexOf('.');
    return dot < 0 ? QString() : fileName.mid(dot + 1);
}
}  // namespace

QString CUseShGetFileInfo::TypeName(const QString& fileName) const
{
    const QString ext = Extension(fileName).toLower();
    if (ext == "edb")
        return "Exchange Database";
    if (ext == "stm")
        return "Exchange Streaming File";
    const auto known = typeNames_.constFind(ext);
    if (known != typeNames_.constEnd())
        return *known;
    const QMimeType type = QMimeDatabase().mimeTypeForFile(fileName, QMimeDatabase::MatchExtension);
    const QString name = !type.isDefault() && !type.comment().isEmpty() ? type.comment()
                         : ext.isEmpty()                                ? QStringLiteral("File")
                                                                        : ext.toUpper() + " File";
    typeNames_.insert(ext, name);
    return name;
}

int CUseShGetFileInfo::FileIconIndex(const QString& fileName) const
{
    const QString ext = Extension(fileName).toLower();
    const auto it = byExtension_.constFind(ext);
    if (it != byExtension_.constEnd())
        return *it;
    const QMimeType type = QMimeDatabase().mimeTypeForFile(fileName, QMimeDatabase::MatchExtension);
    QIcon icon = QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName()));
    if (icon.isNull())
        icon = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
    images_.append(icon);
    const int index = static_cast<int>(images_.size() - 1);
    byExtension_.insert(ext, index);
    return index;
}

int CUseShGetFileInfo::FolderIconIndex() const
{
    if (folderIndex_ < 0) {
        images_.append(QApplication::style()->standardIcon(QStyle::SP_DirIcon));
        folderIndex_ = static_cast<int>(images_.size() - 1);
    }
    return folderIndex_;
}

}  // namespace halvane::app

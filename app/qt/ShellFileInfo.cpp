#include "app/qt/ShellFileInfo.h"

#include <QApplication>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QStyle>

namespace halvane::app {

namespace {
QString Extension(const QString& fileName)
{
    const int dot = fileName.lastIndexOf('.');
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
    const QMimeType type = QMimeDatabase().mimeTypeForFile(fileName, QMimeDatabase::MatchExtension);
    if (!type.isDefault() && !type.comment().isEmpty())
        return type.comment();
    return ext.isEmpty() ? QStringLiteral("File") : Extension(fileName).toUpper() + " File";
}

QIcon CUseShGetFileInfo::FileIcon(const QString& fileName) const
{
    const QString ext = Extension(fileName).toLower();
    auto it = icons_.find(ext);
    if (it != icons_.end())
        return *it;
    const QMimeType type = QMimeDatabase().mimeTypeForFile(fileName, QMimeDatabase::MatchExtension);
    QIcon icon = QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName()));
    if (icon.isNull())
        icon = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
    icons_.insert(ext, icon);
    return icon;
}

QIcon CUseShGetFileInfo::FolderIcon() const
{
    return QApplication::style()->standardIcon(QStyle::SP_DirIcon);
}

}  // namespace halvane::app

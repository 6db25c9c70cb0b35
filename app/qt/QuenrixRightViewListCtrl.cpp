#include "app/qt/QuenrixRightViewListCtrl.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>

namespace halvane::app {

void FileListModel::SetRows(std::vector<FileListRow> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int FileListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int FileListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant FileListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const FileListRow& row = rows_[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        switch (index.column()) {
        case 0: return row.text;
        case 1: return row.typeName;
        default: return row.folder ? QString() : QString::number(row.size) + " ";
        }
    case Qt::DecorationRole:
        if (index.column() == 0 && images_ != nullptr && row.image >= 0 && row.image < images_->size())
            return QVariant::fromValue((*images_)[row.image]);
        return {};
    case kRecordRole: return row.record;
    case kCheckedRole: return row.checked ? 1 : 0;
    default: return {};
    }
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const kCaptions[] = {"File Name", "File Type", "File Size(Bytes)"};
    return section >= 0 && section < 3 ? QString(kCaptions[section]) : QString();
}

CQuenrixRightViewListCtrl::CQuenrixRightViewListCtrl(QWidget* parent)
    : QTreeView(parent), model_(new FileListModel(this))
{
    setObjectName("FileList");
    setModel(model_);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setColumnWidth(0, 200);
    setColumnWidth(1, 100);
    setColumnWidth(2, 100);
    header()->setStretchLastSection(true);
    header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont bold("Arial");
    bold.setPixelSize(16);
    bold.setWeight(QFont::Bold);
    header()->setFont(bold);
}

QString CQuenrixRightViewListCtrl::ItemText(int row, int column) const
{
    return model_->index(row, column).data(Qt::DisplayRole).toString();
}

void CQuenrixRightViewListCtrl::SetBackgroundPicture(const QImage& picture)
{
    background_ = picture;
    StretchBackground();
}

void CQuenrixRightViewListCtrl::StretchBackground()
{
    if (background_.isNull() || viewport()->width() <= 0 || viewport()->height() <= 0)
        return;
    QPalette p = viewport()->palette();
    p.setBrush(QPalette::Base, QBrush(QPixmap::fromImage(background_.scaled(
                                   viewport()->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation))));
    viewport()->setPalette(p);
    viewport()->update();
}

void CQuenrixRightViewListCtrl::mousePressEvent(QMouseEvent* event)
{
    QTreeView::mousePressEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid())
        emit ListItemClicked(index.row());
    else if (event->button() == Qt::RightButton)
        emit ListItemRClicked(index.isValid() ? index.row() : -1);
}

void CQuenrixRightViewListCtrl::resizeEvent(QResizeEvent* event)
{
    QTreeView::resizeEvent(event);
    StretchBackground();
}

bool CQuenrixRightViewListCtrl::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex index = indexAt(help->pos());
        if (index.isValid())
            QToolTip::showText(help->globalPos(), index.data(Qt::ToolTipRole).toString(), viewport());
        else
            QToolTip::hideText();
        return true;
    }
    return QTreeView::viewportEvent(event);
}

}  // namespace halvane::app

#include "app/qt/QuenrixRightViewListCtrl.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>

namespace halvane::app {

CQuenrixRightViewListCtrl::CQuenrixRightViewListCtrl(QWidget* parent) : QTreeWidget(parent)
{
    setObjectName("FileList");
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHeaderLabels({"File Name", "File Type", "File Size(Bytes)"});
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
    QTreeWidget::mousePressEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid())
        emit ListItemClicked(index.row());
    else if (event->button() == Qt::RightButton)
        emit ListItemRClicked(index.isValid() ? index.row() : -1);
}

void CQuenrixRightViewListCtrl::resizeEvent(QResizeEvent* event)
{
    QTreeWidget::resizeEvent(event);
    StretchBackground();
}

bool CQuenrixRightViewListCtrl::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex index = indexAt(help->pos());
        if (index.isValid())
            QToolTip::showText(help->globalPos(), index.data(Qt::DisplayRole).toString(), viewport());
        else
            QToolTip::hideText();
        return true;
    }
    return QTreeWidget::viewportEvent(event);
}

}  // namespace halvane::app

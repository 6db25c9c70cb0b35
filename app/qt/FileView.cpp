#include "app/qt/FileView.h"

#include "widgets/CheckTreeView.h"

#include <QPainter>
#include <QVBoxLayout>

namespace halvane::app {

CFileView::CFileView(QWidget* parent) : QWidget(parent), tree_(new widgets::CheckTreeView(this))
{
    tree_->setFrameShape(QFrame::NoFrame);
    tree_->setObjectName("CatalogTree");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(tree_);
    setFocusProxy(tree_);
}

void CFileView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace halvane::app

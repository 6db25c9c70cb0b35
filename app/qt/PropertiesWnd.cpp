#include "app/qt/PropertiesWnd.h"

#include <QTreeWidget>
#include <QVBoxLayout>

namespace halvane::app {

CPropertiesWnd::CPropertiesWnd(QWidget* parent) : QWidget(parent), grid_(new QTreeWidget(this))
{
    grid_->setColumnCount(2);
    grid_->setHeaderHidden(true);
    grid_->setColumnWidth(0, 180);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_);
}

void CPropertiesWnd::Clear()
{
    grid_->clear();
}

QTreeWidgetItem* CPropertiesWnd::AddGroup(const QString& name)
{
    auto* group = new QTreeWidgetItem(grid_, {name});
    QFont bold = group->font(0);
    bold.setBold(true);
    group->setFont(0, bold);
    return group;
}

void CPropertiesWnd::AddProperty(QTreeWidgetItem* group, const QString& name, const QString& value, const QString& tip)
{
    auto* property = new QTreeWidgetItem(group, {name, value});
    property->setToolTip(0, tip);
    property->setToolTip(1, tip);
}

void CPropertiesWnd::ExpandAll()
{
    grid_->expandAll();
}

}  // namespace halvane::app

// The "Selected File Properties" pane's content: a two-column property grid
// of groups and named values with tooltips. UI thread only.
#pragma once

#include <QWidget>

class QTreeWidget;
class QTreeWidgetItem;

namespace halvane::app {

class CPropertiesWnd : public QWidget {
    Q_OBJECT
public:
    explicit CPropertiesWnd(QWidget* parent = nullptr);
    [[nodiscard]] QTreeWidget* Grid() const { return grid_; }

    void Clear();
    QTreeWidgetItem* AddGroup(const QString& name);
    void AddProperty(QTreeWidgetItem* group, const QString& name, const QString& value, const QString& tip);
    void ExpandAll();

private:
    QTreeWidget* grid_;
};

}  // namespace halvane::app

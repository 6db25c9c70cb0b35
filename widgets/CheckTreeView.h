// The kit's tree with check boxes: draws a TreeItems container with
// buttons, dotted lines (also at the root), a check box and an image per
// item, full-row selection that stays shown without focus, and info tips
// for labels the pane cuts off. Only the visible rows are ever looked at,
// so the cost of a paint does not grow with the number of items.
//
// Growth is cheap: after items are added the owner calls ItemsChanged(),
// which refreshes the scroll range and the picture once per short interval
// instead of once per item.
//
// Ownership: the view owns its TreeItems; the image list is shared and must
// outlive the view. UI thread only.
#pragma once

#include "widgets/TreeItems.h"

#include <QAbstractScrollArea>
#include <QIcon>
#include <QList>
#include <QTimer>

namespace halvane::widgets {

class CheckTreeView : public QAbstractScrollArea {
    Q_OBJECT
public:
    using Item = TreeItems::Item;
    enum class HitPart { Nowhere, Indent, Button, CheckBox, Icon, Label, Right };
    struct Hit {
        Item* item = nullptr;
        HitPart part = HitPart::Nowhere;
    };

    explicit CheckTreeView(QWidget* parent = nullptr);

    [[nodiscard]] TreeItems& Items() { return items_; }
    [[nodiscard]] const TreeItems& Items() const { return items_; }
    void SetImageList(const QList<QIcon>* images) { images_ = images; }

    // The selected item; null when none (or after the items were cleared).
    [[nodiscard]] Item* CurrentItem() const;
    void SetCurrentItem(Item* item);

    // Expands the item's ancestors and scrolls so that it is shown.
    void ScrollToItem(Item& item);
    void ScrollFullyLeft();
    void ExpandAll();
    void CollapseAll();
    void SetExpanded(Item& item, bool expanded);
    void ToggleChecked(Item& item);

    // Items were added or removed: refresh soon (coalesced).
    void ItemsChanged();
    // Refresh now: scroll range and picture.
    void Refresh();

    [[nodiscard]] Hit HitTest(const QPoint& viewportPos) const;
    // Where an item's part is drawn, in viewport coordinates (empty when not on screen).
    [[nodiscard]] QRect PartRect(const Item& item, HitPart part) const;
    [[nodiscard]] int RowHeight() const;
    [[nodiscard]] std::uint64_t FirstVisibleRow() const;

signals:
    // Left button down on an item's label or check box.
    void ItemPressed(halvane::widgets::TreeItems::Item* item);
    // Right button down while the tree is not empty; item may be null.
    void ItemRightPressed(halvane::widgets::TreeItems::Item* item, const QPoint& globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void contextMenuEvent(QContextMenuEvent*) override {}
    bool viewportEvent(QEvent* event) override;

private:
    struct RowGeometry {
        int x = 0;  // left of the button cell, after horizontal scrolling
        QRect button, check, icon, label;
    };
    [[nodiscard]] RowGeometry Geometry(const Item& item, int top) const;
    [[nodiscard]] int RowsPerPage() const;
    void UpdateScrollBars();
    void MoveCurrent(Item* item);
    void PaintRow(QPainter& painter, const Item& item, int top);

    TreeItems items_;
    const QList<QIcon>* images_ = nullptr;
    Item* current_ = nullptr;
    std::uint64_t currentGeneration_ = 0;
    int contentWidth_ = 0;
    QTimer refreshTimer_;
};

}  // namespace halvane::widgets

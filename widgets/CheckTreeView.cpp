#include "widgets/CheckTreeView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QToolTip>

#include <algorithm>
#include <limits>

namespace halvane::widgets {

namespace {

constexpr int kIndent = 19;
constexpr int kIconSize = 16;
constexpr int kGap = 3;
// Growth refreshes the picture at most this often.
constexpr int kRefreshMs = 50;

QString ItemText(const TreeItems::Item& item)
{
    return QString::fromUtf16(item.Text().data(), static_cast<qsizetype>(item.Text().size()));
}

}  // namespace

CheckTreeView::CheckTreeView(QWidget* parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setBackgroundRole(QPalette::Base);
    refreshTimer_.setSingleShot(true);
    refreshTimer_.setInterval(kRefreshMs);
    connect(&refreshTimer_, &QTimer::timeout, this, &CheckTreeView::Refresh);
}

int CheckTreeView::RowHeight() const
{
    return std::max(fontMetrics().height(), kIconSize) + 2;
}

int CheckTreeView::RowsPerPage() const
{
    return std::max(1, viewport()->height() / RowHeight());
}

std::uint64_t CheckTreeView::FirstVisibleRow() const
{
    return static_cast<std::uint64_t>(std::max(0, verticalScrollBar()->value()));
}

CheckTreeView::Item* CheckTreeView::CurrentItem() const
{
    return currentGeneration_ == items_.Generation() ? current_ : nullptr;
}

void CheckTreeView::SetCurrentItem(Item* item)
{
    current_ = item;
    currentGeneration_ = items_.Generation();
    viewport()->update();
}

void CheckTreeView::ItemsChanged()
{
    if (!refreshTimer_.isActive())
        refreshTimer_.start();
}

void CheckTreeView::Refresh()
{
    refreshTimer_.stop();
    UpdateScrollBars();
    viewport()->update();
}

void CheckTreeView::UpdateScrollBars()
{
    const std::uint64_t rows = items_.VisibleRowCount();
    const int page = RowsPerPage();
    const std::uint64_t maxFirst = rows > static_cast<std::uint64_t>(page) ? rows - page : 0;
    verticalScrollBar()->setRange(0, static_cast<int>(std::min<std::uint64_t>(maxFirst, std::numeric_limits<int>::max())));
    verticalScrollBar()->setPageStep(page);
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setRange(0, std::max(0, contentWidth_ - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(kIndent);
}

CheckTreeView::RowGeometry CheckTreeView::Geometry(const Item& item, int top) const
{
    RowGeometry g;
    const int h = RowHeight();
    g.x = item.Depth() * kIndent - horizontalScrollBar()->value();
    g.button = QRect(g.x, top, kIndent, h);
    const int checkSize = style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this);
    g.check = QRect(g.x + kIndent, top + (h - checkSize) / 2, checkSize, checkSize);
    g.icon = QRect(g.check.right() + 1 + kGap, top + (h - kIconSize) / 2, kIconSize, kIconSize);
    const int textWidth = fontMetrics().horizontalAdvance(ItemText(item)) + 2 * kGap;
    g.label = QRect(g.icon.right() + 1 + kGap, top, textWidth, h);
    return g;
}

CheckTreeView::Hit CheckTreeView::HitTest(const QPoint& pos) const
{
    Hit hit;
    if (pos.y() < 0 || pos.y() >= viewport()->height())
        return hit;
    const int rowInPage = pos.y() / RowHeight();
    hit.item = items_.ItemAtRow(FirstVisibleRow() + static_cast<std::uint64_t>(rowInPage));
    if (hit.item == nullptr)
        return hit;
    const RowGeometry g = Geometry(*hit.item, rowInPage * RowHeight());
    if (pos.x() < g.x)
        hit.part = HitPart::Indent;
    else if (g.button.contains(pos))
        hit.part = hit.item->HasChildren() ? HitPart::Button : HitPart::Indent;
    else if (pos.x() < g.icon.left())
        hit.part = HitPart::CheckBox;
    else if (pos.x() < g.label.left())
        hit.part = HitPart::Icon;
    else if (pos.x() <= g.label.right())
        hit.part = HitPart::Label;
    else
        hit.part = HitPart::Right;
    return hit;
}

QRect CheckTreeView::PartRect(const Item& item, HitPart part) const
{
    const std::uint64_t row = items_.RowOf(item);
    const std::uint64_t first = FirstVisibleRow();
    if (row == TreeItems::npos || row < first || row >= first + static_cast<std::uint64_t>(RowsPerPage()) + 1)
        return {};
    const RowGeometry g = Geometry(item, static_cast<int>(row - first) * RowHeight());
    switch (part) {
    case HitPart::Button: return g.button;
    case HitPart::CheckBox: return g.check;
    case HitPart::Icon: return g.icon;
    case HitPart::Label: return g.label;
    default: return {};
    }
}

void CheckTreeView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    const int h = RowHeight();
    const int rows = viewport()->height() / h + 1;
    Item* item = items_.ItemAtRow(FirstVisibleRow());
    const int widthBefore = contentWidth_;
    for (int r = 0; r < rows && item != nullptr; ++r, item = items_.NextVisible(*item))
        PaintRow(painter, *item, r * h);
    // The horizontal range follows the widest row seen so far.
    if (contentWidth_ > widthBefore)
        QMetaObject::invokeMethod(this, &CheckTreeView::UpdateScrollBars, Qt::QueuedConnection);
}

void CheckTreeView::PaintRow(QPainter& painter, const Item& item, int top)
{
    const RowGeometry g = Geometry(item, top);
    const int h = RowHeight();
    const QRect row(0, top, viewport()->width(), h);
    const bool selected = &item == CurrentItem();
    if (selected)
        painter.fillRect(row, palette().color(QPalette::Active, QPalette::Highlight));

    // Lines: one vertical per ancestor level that has more siblings below,
    // then this item's own branch.
    painter.setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DotLine));
    const int mid = top + h / 2;
    int level = item.Depth() - 1;
    for (const Item* a = item.Parent(); a != nullptr; a = a->Parent(), --level)
        if (!TreeItems::IsLastChild(*a)) {
            const int x = g.x - (item.Depth() - level) * kIndent + kIndent / 2;
            painter.drawLine(x, top, x, top + h);
        }
    const int cx = g.button.center().x();
    const bool firstOfAll = item.Parent() == nullptr && item.Row() == 0;
    painter.drawLine(cx, firstOfAll ? mid : top, cx, TreeItems::IsLastChild(item) ? mid : top + h);
    painter.drawLine(cx, mid, g.button.right(), mid);
    if (item.HasChildren()) {
        const QRect box(cx - 4, mid - 4, 8, 8);
        painter.setPen(palette().color(QPalette::Dark));
        painter.fillRect(box, palette().color(QPalette::Base));
        painter.drawRect(box);
        painter.setPen(palette().color(QPalette::Text));
        painter.drawLine(box.left() + 2, mid, box.right() - 2, mid);
        if (!item.Expanded())
            painter.drawLine(cx, box.top() + 2, cx, box.bottom() - 2);
    }

    QStyleOptionButton check;
    check.initFrom(this);
    check.rect = g.check;
    check.state = QStyle::State_Enabled;
    switch (item.State()) {
    case CheckState::Checked: check.state |= QStyle::State_On; break;
    case CheckState::Partial: check.state |= QStyle::State_NoChange; break;
    case CheckState::Unchecked: check.state |= QStyle::State_Off; break;
    }
    style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &check, &painter, this);

    if (images_ != nullptr && item.Image() >= 0 && item.Image() < images_->size())
        (*images_)[item.Image()].paint(&painter, g.icon);

    painter.setPen(palette().color(QPalette::Active, selected ? QPalette::HighlightedText : QPalette::Text));
    painter.drawText(g.label.adjusted(kGap, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                     ItemText(item));
    contentWidth_ = std::max(contentWidth_, g.label.right() + 1 + horizontalScrollBar()->value());
}

void CheckTreeView::SetExpanded(Item& item, bool expanded)
{
    items_.SetExpanded(item, expanded);
    Refresh();
}

void CheckTreeView::ToggleChecked(Item& item)
{
    items_.SetChecked(item, !item.IsChecked());
    viewport()->update();
}

void CheckTreeView::ExpandAll()
{
    items_.ExpandAll();
    Refresh();
}

void CheckTreeView::CollapseAll()
{
    items_.CollapseAll();
    Refresh();
}

void CheckTreeView::ScrollToItem(Item& item)
{
    for (Item* a = item.Parent(); a != nullptr; a = a->Parent())
        items_.SetExpanded(*a, true);
    UpdateScrollBars();
    const std::uint64_t row = items_.RowOf(item);
    const std::uint64_t first = FirstVisibleRow();
    const auto page = static_cast<std::uint64_t>(RowsPerPage());
    if (row < first)
        verticalScrollBar()->setValue(static_cast<int>(row));
    else if (row >= first + page)
        verticalScrollBar()->setValue(static_cast<int>(row - page + 1));
    viewport()->update();
}

void CheckTreeView::ScrollFullyLeft()
{
    horizontalScrollBar()->setValue(0);
}

void CheckTreeView::MoveCurrent(Item* item)
{
    if (item == nullptr)
        return;
    SetCurrentItem(item);
    ScrollToItem(*item);
}

void CheckTreeView::mousePressEvent(QMouseEvent* event)
{
    const Hit hit = HitTest(event->position().toPoint());
    if (event->button() == Qt::RightButton) {
        if (items_.Empty())
            return;
        if (hit.item != nullptr)
            SetCurrentItem(hit.item);
        emit ItemRightPressed(hit.item, event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton || hit.item == nullptr)
        return;
    SetCurrentItem(hit.item);
    switch (hit.part) {
    case HitPart::Button: SetExpanded(*hit.item, !hit.item->Expanded()); break;
    case HitPart::CheckBox:
        ToggleChecked(*hit.item);
        emit ItemPressed(hit.item);
        break;
    case HitPart::Label: emit ItemPressed(hit.item); break;
    default: break;
    }
}

void CheckTreeView::mouseDoubleClickEvent(QMouseEvent* event)
{
    const Hit hit = HitTest(event->position().toPoint());
    if (event->button() == Qt::LeftButton && hit.item != nullptr &&
        (hit.part == HitPart::Label || hit.part == HitPart::Icon))
        SetExpanded(*hit.item, !hit.item->Expanded());
    else
        mousePressEvent(event);
}

void CheckTreeView::keyPressEvent(QKeyEvent* event)
{
    Item* current = CurrentItem();
    if (current == nullptr) {
        if (!items_.Empty() && event->key() != Qt::Key_Escape)
            MoveCurrent(&items_.TopLevel(0));
        return;
    }
    const auto page = static_cast<std::uint64_t>(RowsPerPage());
    const std::uint64_t rows = items_.VisibleRowCount();
    switch (event->key()) {
    case Qt::Key_Up: MoveCurrent(items_.PreviousVisible(*current)); break;
    case Qt::Key_Down: MoveCurrent(items_.NextVisible(*current)); break;
    case Qt::Key_Home: MoveCurrent(items_.ItemAtRow(0)); break;
    case Qt::Key_End: MoveCurrent(items_.ItemAtRow(rows - 1)); break;
    case Qt::Key_PageUp: {
        const std::uint64_t row = items_.RowOf(*current);
        MoveCurrent(items_.ItemAtRow(row > page ? row - page : 0));
        break;
    }
    case Qt::Key_PageDown: {
        const std::uint64_t row = items_.RowOf(*current);
        MoveCurrent(items_.ItemAtRow(std::min(row + page, rows - 1)));
        break;
    }
    case Qt::Key_Left:
        if (current->Expanded() && current->HasChildren())
            SetExpanded(*current, false);
        else
            MoveCurrent(current->Parent());
        break;
    case Qt::Key_Right:
        if (!current->HasChildren())
            break;
        if (!current->Expanded())
            SetExpanded(*current, true);
        else
            MoveCurrent(&current->Child(0));
        break;
    case Qt::Key_Plus: SetExpanded(*current, true); break;
    case Qt::Key_Minus: SetExpanded(*current, false); break;
    case Qt::Key_Asterisk:
        items_.ExpandBranch(*current);
        Refresh();
        break;
    case Qt::Key_Space: ToggleChecked(*current); break;
    default: QAbstractScrollArea::keyPressEvent(event); break;
    }
}

void CheckTreeView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void CheckTreeView::scrollContentsBy(int, int)
{
    viewport()->update();
}

bool CheckTreeView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const Hit hit = HitTest(help->pos());
        if (hit.item != nullptr && (hit.part == HitPart::Label || hit.part == HitPart::Icon)) {
            const QRect label = PartRect(*hit.item, HitPart::Label);
            if (label.left() < 0 || label.right() >= viewport()->width()) {
                QToolTip::showText(help->globalPos(), ItemText(*hit.item), viewport());
                return true;
            }
        }
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

}  // namespace halvane::widgets

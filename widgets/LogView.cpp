#include "widgets/LogView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace halvane::widgets {

namespace {
constexpr int kRefreshMs = 50;
constexpr int kMargin = 2;
}  // namespace

LogView::LogView(QWidget* parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setBackgroundRole(QPalette::Base);
    refreshTimer_.setSingleShot(true);
    refreshTimer_.setInterval(kRefreshMs);
    connect(&refreshTimer_, &QTimer::timeout, this, &LogView::Refresh);
}

int LogView::RowHeight() const
{
    return fontMetrics().height() + 1;
}

int LogView::RowsPerPage() const
{
    return std::max(1, viewport()->height() / RowHeight());
}

int LogView::FirstVisibleRow() const
{
    return verticalScrollBar()->value();
}

void LogView::AppendLine(const QString& text)
{
    lines_.Append(text.toStdString());
    if (!refreshTimer_.isActive())
        refreshTimer_.start();
}

void LogView::Clear()
{
    lines_.Clear();
    current_ = -1;
    scrollToEnd_ = false;
    Refresh();
}

QString LogView::Line(int row) const
{
    const std::string_view line = lines_.Line(static_cast<std::size_t>(row));
    return QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
}

void LogView::ScrollToEnd()
{
    scrollToEnd_ = true;
    if (!refreshTimer_.isActive())
        refreshTimer_.start();
}

void LogView::SetCurrentRow(int row)
{
    current_ = row >= 0 && row < Count() ? row : -1;
    if (current_ >= 0) {
        if (current_ < FirstVisibleRow())
            verticalScrollBar()->setValue(current_);
        else if (current_ >= FirstVisibleRow() + RowsPerPage())
            verticalScrollBar()->setValue(current_ - RowsPerPage() + 1);
    }
    viewport()->update();
}

void LogView::Refresh()
{
    refreshTimer_.stop();
    UpdateScrollBars();
    if (scrollToEnd_) {
        scrollToEnd_ = false;
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    }
    viewport()->update();
}

void LogView::UpdateScrollBars()
{
    const int page = RowsPerPage();
    verticalScrollBar()->setRange(0, std::max(0, Count() - page));
    verticalScrollBar()->setPageStep(page);
    horizontalScrollBar()->setRange(0, std::max(0, kColumnWidth - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
}

void LogView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    const int h = RowHeight();
    const int first = FirstVisibleRow();
    const int left = kMargin - horizontalScrollBar()->value();
    for (int r = 0, row = first; row < Count() && r * h < viewport()->height(); ++r, ++row) {
        const QRect rect(left, r * h, kColumnWidth, h);
        const bool selected = row == current_;
        if (selected)
            painter.fillRect(rect, palette().color(hasFocus() ? QPalette::Highlight : QPalette::Midlight));
        painter.setPen(palette().color(selected && hasFocus() ? QPalette::HighlightedText : QPalette::Text));
        painter.drawText(rect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, Line(row));
    }
}

void LogView::mousePressEvent(QMouseEvent* event)
{
    const int row = FirstVisibleRow() + static_cast<int>(event->position().y()) / RowHeight();
    SetCurrentRow(row < Count() ? row : -1);
}

void LogView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up: SetCurrentRow(std::max(0, current_ - 1)); break;
    case Qt::Key_Down: SetCurrentRow(std::min(Count() - 1, current_ + 1)); break;
    case Qt::Key_PageUp: SetCurrentRow(std::max(0, current_ - RowsPerPage())); break;
    case Qt::Key_PageDown: SetCurrentRow(std::min(Count() - 1, current_ + RowsPerPage())); break;
    case Qt::Key_Home: SetCurrentRow(0); break;
    case Qt::Key_End: SetCurrentRow(Count() - 1); break;
    default: QAbstractScrollArea::keyPressEvent(event); break;
    }
}

void LogView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void LogView::scrollContentsBy(int, int)
{
    viewport()->update();
}

}  // namespace halvane::widgets

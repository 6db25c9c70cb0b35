// The kit's log list: one column of text rows (1500 pixels wide, no
// header), single selection, both scroll bars. Appending and scrolling to
// the end cost O(1) whatever the length; the picture is refreshed once per
// short interval while lines keep arriving.
// UI thread only.
#pragma once

#include "widgets/LogLines.h"

#include <QAbstractScrollArea>
#include <QString>
#include <QTimer>

namespace halvane::widgets {

class LogView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit LogView(QWidget* parent = nullptr);

    void AppendLine(const QString& text);
    void Clear();
    // Makes the last row visible (at the next refresh).
    void ScrollToEnd();

    [[nodiscard]] int Count() const { return static_cast<int>(lines_.Count()); }
    [[nodiscard]] QString Line(int row) const;
    [[nodiscard]] int CurrentRow() const { return current_; }
    void SetCurrentRow(int row);
    [[nodiscard]] int FirstVisibleRow() const;
    [[nodiscard]] int RowHeight() const;

    static constexpr int kColumnWidth = 1500;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void Refresh();
    void UpdateScrollBars();
    [[nodiscard]] int RowsPerPage() const;

    LogLines lines_;
    int current_ = -1;
    bool scrollToEnd_ = false;
    QTimer refreshTimer_;
};

}  // namespace halvane::widgets

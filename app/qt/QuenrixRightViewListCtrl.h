// The file list of the main view: report rows "File Name", "File Type",
// "File Size(Bytes)" under a bold Arial header, full-row selection, info
// tips with the text of the cell under the cursor, the last column filling
// the width, and a background picture stretched to the list's size on every
// resize. It reports a left press on a row and a right click (row or -1).
// UI thread only.
#pragma once

#include <QImage>
#include <QTreeWidget>

namespace halvane::app {

class CQuenrixRightViewListCtrl : public QTreeWidget {
    Q_OBJECT
public:
    explicit CQuenrixRightViewListCtrl(QWidget* parent = nullptr);
    void SetBackgroundPicture(const QImage& picture);

signals:
    void ListItemClicked(int row);
    void ListItemRClicked(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void StretchBackground();
    QImage background_;
};

}  // namespace halvane::app

// The file list of the main view: report rows "File Name", "File Type",
// "File Size(Bytes)" under a bold Arial header, full-row selection, info
// tips with the text of the cell under the cursor, the last column filling
// the width, and a background picture stretched to the list's size on every
// resize. It reports a left press on a row and a right click (row or -1).
//
// Rows are plain values kept by the list's own model, so a folder of a
// million files costs a few dozen bytes per row, not an item object each.
// UI thread only.
#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QImage>
#include <QList>
#include <QTreeView>

#include <cstdint>
#include <vector>

namespace halvane::app {

struct FileListRow {
    QString text;
    QString typeName;       // "Folder" for a folder
    int image = 0;          // index into the shared image list
    std::uint32_t record = 0;  // k, 0 for a folder
    std::int32_t size = 0;
    bool checked = false;
    bool folder = false;    // shows no size
};

class FileListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kRecordRole = Qt::UserRole;
    static constexpr int kCheckedRole = Qt::UserRole + 1;

    explicit FileListModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}
    void SetImageList(const QList<QIcon>* images) { images_ = images; }
    void SetRows(std::vector<FileListRow> rows);
    [[nodiscard]] const std::vector<FileListRow>& Rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<FileListRow> rows_;
    const QList<QIcon>* images_ = nullptr;
};

class CQuenrixRightViewListCtrl : public QTreeView {
    Q_OBJECT
public:
    explicit CQuenrixRightViewListCtrl(QWidget* parent = nullptr);
    void SetBackgroundPicture(const QImage& picture);
    // The shared image list; it must outlive the list.
    void SetImageList(const QList<QIcon>* images) { model_->SetImageList(images); }

    void DeleteAllItems() { SetRows({}); }
    void SetRows(std::vector<FileListRow> rows) { model_->SetRows(std::move(rows)); }
    [[nodiscard]] int ItemCount() const { return model_->rowCount(); }
    [[nodiscard]] const FileListRow& Row(int row) const { return model_->Rows().at(static_cast<std::size_t>(row)); }
    // The text of a cell as shown.
    [[nodiscard]] QString ItemText(int row, int column) const;

signals:
    void ListItemClicked(int row);
    void ListItemRClicked(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void StretchBackground();
    FileListModel* model_;
    QImage background_;
};

}  // namespace halvane::app

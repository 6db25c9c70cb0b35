// The "Exchange BKF file" pane's content: the catalog tree, one pixel
// inside a frame drawn in the button-shadow colour. Focus given to the pane
// goes to the tree. UI thread only.
#pragma once

#include <QWidget>

namespace halvane::widgets {
class CheckTreeView;
}

namespace halvane::app {

class CFileView : public QWidget {
    Q_OBJECT
public:
    explicit CFileView(QWidget* parent = nullptr);
    [[nodiscard]] widgets::CheckTreeView* Tree() const { return tree_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    widgets::CheckTreeView* tree_;
};

}  // namespace halvane::app

// The "Exchange BKF file Status" pane's content: a tab control with the
// tabs at the bottom, "Log Window" (the log list) and "File Viewer" (the
// preview area). UI thread only.
#pragma once

#include <QWidget>

class QTabWidget;

namespace halvane::widgets {
class LogView;
}

namespace halvane::app {

class COutputWnd : public QWidget {
    Q_OBJECT
public:
    static constexpr int kLogTab = 0;
    static constexpr int kViewerTab = 1;

    explicit COutputWnd(QWidget* parent = nullptr);
    [[nodiscard]] QTabWidget* Tabs() const { return tabs_; }
    [[nodiscard]] widgets::LogView* Log() const { return log_; }
    [[nodiscard]] QWidget* Viewer() const { return viewer_; }

private:
    QTabWidget* tabs_;
    widgets::LogView* log_;
    QWidget* viewer_;
};

}  // namespace halvane::app

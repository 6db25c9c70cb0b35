// The main window: ribbon, status bar, the catalog tree pane, the output
// pane with the log, the properties pane and the file list; the state of
// the current run and the handlers of every custom message.
//
// Thread: lives on the UI thread. The scan worker reaches it only through
// the synchronous send (platform::SendToUi) of the message handlers below;
// the running and extracting flags are atomics shared with the worker.
#pragma once

#include "app/CatalogStore.h"
#include "app/CatalogTree.h"
#include "app/ScanTexts.h"
#include "app/qt/QuenrixRightViewListCtrl.h"
#include "app/qt/ShellFileInfo.h"
#include "platform/qt/UserDialogs.h"
#include "reader/BkfReader.h"

#include <QMainWindow>

#include <atomic>
#include <memory>
#include <thread>

class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTreeWidget;

namespace halvane::widgets {
class CheckTreeView;
class LogView;
class RibbonBar;
}

namespace halvane::app {

class CFileView;
class COutputWnd;
class CPropertiesWnd;

// The custom messages of the main frame: one handler each, 1 when it acted, 0 when it refused.
inline constexpr int WM_TREE_ITEM_CLICKED = 1174;
inline constexpr int WM_FILE_FOUND = 1175;
inline constexpr int WM_TREE_ITEM_RCLICKED = 1176;
inline constexpr int WM_PROGRESS_UPDATE = 1177;
inline constexpr int WM_LIST_ITEM_CLICKED = 1179;
inline constexpr int WM_LIST_ITEM_RCLICKED = 1181;
inline constexpr int WM_PROCESS_STATE = 1183;

// Command ids of the ribbon and the status bar.
enum Command : int {
    kCmdOpen = 313, kCmdStop = 314, kCmdSave = 315, kCmdSearch = 316, kCmdLog = 317,
    kCmdLoadSnapshot = 318, kCmdSaveSnapshot = 319, kCmdHelp = 320, kCmdAbout = 321, kCmdStatusStop = 329,
    kCmdStatusLink = 332,
};

// The visual looks (210 to 218); 217 is the silver scheme, the default.
inline constexpr int kFirstLook = 210;
inline constexpr int kLastLook = 218;
inline constexpr int kSilverLook = 217;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(platform::UserDialogs& dialogs, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Commands.
    void OnOpen();
    void OnOpenPath(const QString& path);  // Open with the path already chosen
    void OnStop();
    // Applies look `id` (210..218) and stores it in the setting "ApplicationLook".
    void OnApplicationLook(int id);
    [[nodiscard]] int CurrentLook() const { return m_nLook; }

    // Message handlers.
    int OnFileFound(const reader::CatalogFile& record);
    int OnProgressUpdate(const reader::ProgressRecord& progress);
    int OnProcessState(int starting);
    int OnTreeItemClicked(CatalogTree::Item* item);
    int OnTreeItemRClicked(CatalogTree::Item* item, const QPoint& globalPos);

    void AppendLogLine(const QString& text);
    void ScrollLogToEnd();
    void ShowBkfFileProperties();

    // State, for the other parts of the program and for tests.
    [[nodiscard]] std::atomic<int>& ProcessRunning();  // m_bProcessRunning
    [[nodiscard]] std::atomic<int>& Extracting();      // m_bExtracting
    [[nodiscard]] int RecoveredFiles() const { return m_nRecoveredFiles; }
    [[nodiscard]] const CatalogStore& Store() const { return m_catalogStore; }
    [[nodiscard]] widgets::CheckTreeView* Tree() const { return m_tree; }
    [[nodiscard]] CatalogTree::Item* CurrentTreeItem() const { return m_hCurrentItem; }
    [[nodiscard]] CQuenrixRightViewListCtrl* FileList() const { return m_list; }
    [[nodiscard]] widgets::LogView* Log() const { return m_log; }
    [[nodiscard]] QTreeWidget* PropertyGrid() const { return m_grid; }
    [[nodiscard]] QTabWidget* OutputTabs() const { return m_tabs; }
    [[nodiscard]] widgets::RibbonBar* Ribbon() const { return m_ribbon; }
    [[nodiscard]] QWidget* StatusElement(int id) const;
    [[nodiscard]] bool WorkerRunning() const { return m_workerBusy.load() != 0; }
    // Waits (running UI events) until the scan worker has ended.
    void WaitForWorker();
    // The menu answer for the tree's context menu (tests set it; 0 shows the menu).
    int m_scriptedMenuChoice = 0;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    class FrameHost;
    class TreeImages;
    void BuildRibbon();
    void BuildPanes();
    void ScanThreadProc(std::string path);
    void FillFileList(CatalogTree::Item* item);
    void OnCommand(int id);
    void Refuse(const QString& text);

    platform::UserDialogs& m_dialogs;
    std::unique_ptr<FrameHost> m_host;
    std::unique_ptr<reader::BkfReader> m_pReader;
    std::thread m_worker;
    std::atomic<int> m_workerBusy{0};

    widgets::RibbonBar* m_ribbon = nullptr;
    CFileView* m_fileView = nullptr;
    COutputWnd* m_outputWnd = nullptr;
    CPropertiesWnd* m_propertiesWnd = nullptr;
    widgets::CheckTreeView* m_tree = nullptr;
    CQuenrixRightViewListCtrl* m_list = nullptr;
    widgets::LogView* m_log = nullptr;
    QTabWidget* m_tabs = nullptr;
    QTreeWidget* m_grid = nullptr;
    QLabel* m_titlePane = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_percentPane = nullptr;
    QPushButton* m_stopButton = nullptr;
    QLabel* m_progressPane = nullptr;
    QLabel* m_foundPane = nullptr;

    CUseShGetFileInfo m_shellInfo;
    std::unique_ptr<TreeImages> m_treeImages;
    std::unique_ptr<CatalogTree> m_catalog;
    CatalogStore m_catalogStore;
    CatalogTree::Item* m_hCurrentItem = nullptr;
    QString m_strBkfPath;
    int m_nRecoveredFiles = 0;
    int m_nLook = kSilverLook;
    std::string m_bkfSizeText;
    BkfFileTimes m_bkfTimes;
};

}  // namespace halvane::app

#include "app/qt/MainFrame.h"

#include "app/CatalogPaths.h"
#include "files/TempFolders.h"
#include "platform/FileError.h"
#include "platform/TextCodec.h"
#include "platform/qt/AppInfo.h"
#include "platform/qt/SyncSend.h"
#include "widgets/RibbonBar.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <filesystem>

namespace halvane::app {

namespace {

constexpr int kRecordRole = Qt::UserRole;
constexpr int kCheckedRole = Qt::UserRole + 1;

QString FromUtf16(const std::u16string& s)
{
    return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size()));
}

std::u16string ToUtf16(const QString& s)
{
    return std::u16string(reinterpret_cast<const char16_t*>(s.utf16()), static_cast<std::size_t>(s.size()));
}

}  // namespace

// The reader's host: every report is handed to the UI thread and waited for.
class CMainFrame::FrameHost final : public reader::ReaderHost {
public:
    explicit FrameHost(CMainFrame& frame) : frame_(frame) {}
    void FileFound(const reader::CatalogFile& record) override
    {
        platform::SendToUi(&frame_, [&] { return frame_.OnFileFound(record); });
    }
    void Progress(const reader::ProgressRecord& progress) override
    {
        platform::SendToUi(&frame_, [&] { return frame_.OnProgressUpdate(progress); });
    }
    void ShowMessage(std::string_view text) override
    {
        const QString message = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        platform::SendToUi(&frame_, [&] { return frame_.m_dialogs.MessageBox(nullptr, message, platform::kMbOk); });
    }
    reader::TraceSink& Trace() override { return trace_; }

private:
    CMainFrame& frame_;
    reader::StreamTraceSink trace_;
};

CMainFrame::CMainFrame(platform::UserDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), m_dialogs(dialogs), m_host(std::make_unique<FrameHost>(*this))
{
    setWindowTitle(platform::ApplicationTitle());
    QSettings settings(platform::kCompany, QString(platform::kProduct) + "/" + platform::kVersion);
    const int look = settings.value("ApplicationLook", 217).toInt();
    settings.setValue("ApplicationLook", look);

    BuildRibbon();
    BuildPanes();

    auto* link = new QLabel("<a href='https://nelvar.example/halvane'>nelvar.example</a>", this);
    link->setOpenExternalLinks(true);
    statusBar()->addWidget(link);
    m_titlePane = new QLabel(platform::ApplicationTitle(), this);
    statusBar()->addPermanentWidget(m_titlePane);
    statusBar()->setContextMenuPolicy(Qt::PreventContextMenu);

    files::RemoveWorkFolder();
}

CMainFrame::~CMainFrame()
{
    ProcessRunning() = 0;
    WaitForWorker();
    m_catalogStore.CloseAndRemove();
}

std::atomic<int>& CMainFrame::ProcessRunning()
{
    return m_host->ProcessRunning();
}

std::atomic<int>& CMainFrame::Extracting()
{
    return m_host->Extracting();
}

void CMainFrame::BuildRibbon()
{
    m_ribbon = new widgets::RibbonBar("Nelvar Halvane", this);
    m_ribbon->ApplicationButton()->setToolTip(platform::ApplicationTitle());
    m_ribbon->ApplicationButton()->setIcon(style()->standardIcon(QStyle::SP_DriveHDIcon));
    const auto icon = [this](QStyle::StandardPixmap p) { return style()->standardIcon(p); };
    m_ribbon->AddPanel("Halvane");
    m_ribbon->AddButton(kCmdOpen, "Open", "Open Exchange BKF file", icon(QStyle::SP_DialogOpenButton));
    m_ribbon->AddButton(kCmdStop, "Stop", "Stop running recovery process", icon(QStyle::SP_BrowserStop));
    m_ribbon->AddButton(kCmdSave, "Save", "Save recovered data", icon(QStyle::SP_DialogSaveButton));
    m_ribbon->AddButton(kCmdSearch, "Search", "Search file from the list", icon(QStyle::SP_FileDialogContentsView));
    m_ribbon->AddButton(kCmdLog, "Log", "Save log for Exchange BKF file.", icon(QStyle::SP_FileDialogDetailedView));
    m_ribbon->AddPanel("Exchange BKF file Snapshots");
    m_ribbon->AddButton(kCmdLoadSnapshot, "Load", "Load Halvane Snapshot", icon(QStyle::SP_DirOpenIcon));
    m_ribbon->AddButton(kCmdSaveSnapshot, "Save", "Save Halvane Snapshot", icon(QStyle::SP_DriveFDIcon));
    m_ribbon->AddPanel("About Torvane");
    m_ribbon->AddButton(kCmdHelp, "Help", "Help for Nelvar Halvane", icon(QStyle::SP_DialogHelpButton));
    m_ribbon->AddButton(kCmdAbout, "About", "About Nelvar Halvane", icon(QStyle::SP_MessageBoxInformation));
    m_ribbon->Button(kCmdStop)->setEnabled(false);
    connect(m_ribbon, &widgets::RibbonBar::Command, this, &CMainFrame::OnCommand);
    setMenuWidget(m_ribbon);
}

void CMainFrame::BuildPanes()
{
    const auto makeDock = [this](const QString& title, QWidget* content, Qt::DockWidgetArea area) {
        auto* dock = new QDockWidget(title, this);
        dock->setObjectName(title);
        dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
        dock->setContextMenuPolicy(Qt::PreventContextMenu);
        dock->setWidget(content);
        addDockWidget(area, dock);
        return dock;
    };

    m_tree = new QTreeWidget(this);
    m_tree->setHeaderHidden(true);
    // Rows of one height: the view need not measure every item's text.
    m_tree->setUniformRowHeights(true);
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_tree, &QTreeWidget::itemPressed, this, [this](QTreeWidgetItem* item) {
        if (QApplication::mouseButtons() & Qt::LeftButton)
            OnTreeItemClicked(item);
    });
    connect(m_tree, &QTreeWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        if (m_tree->topLevelItemCount() == 0)
            return;
        QTreeWidgetItem* item = m_tree->itemAt(pos);
        if (item != nullptr)
            m_tree->setCurrentItem(item);
        OnTreeItemRClicked(item, m_tree->viewport()->mapToGlobal(pos));
    });
    makeDock("Exchange BKF file", m_tree, Qt::LeftDockWidgetArea)->resize(200, 200);

    m_tabs = new QTabWidget(this);
    m_tabs->setTabPosition(QTabWidget::South);
    m_log = new QListWidget(m_tabs);
    m_log->setUniformItemSizes(true);
    m_log->setLayoutMode(QListView::Batched);
    m_tabs->addTab(m_log, "Log Window");
    auto* viewer = new QLabel("Select file to see preview.....", m_tabs);
    viewer->setAutoFillBackground(true);
    viewer->setStyleSheet("background: white; color: white;");
    m_tabs->addTab(viewer, "File Viewer");
    makeDock("Exchange BKF file Status", m_tabs, Qt::BottomDockWidgetArea);

    m_grid = new QTreeWidget(this);
    m_grid->setColumnCount(2);
    m_grid->setHeaderHidden(true);
    makeDock("Selected File Properties", m_grid, Qt::RightDockWidgetArea);
    ShowBkfFileProperties();

    m_list = new QTreeWidget(this);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setHeaderLabels({"File Name", "File Type", "File Size(Bytes)"});
    m_list->setColumnWidth(0, 200);
    m_list->setColumnWidth(1, 100);
    QFont bold("Arial");
    bold.setBold(true);
    m_list->header()->setFont(bold);
    setCentralWidget(m_list);
    resize(1200, 800);
}

void CMainFrame::OnCommand(int id)
{
    switch (id) {
    case kCmdOpen: OnOpen(); break;
    case kCmdStop:
    case kCmdStatusStop: OnStop(); break;
    case kCmdSave:
    case kCmdSearch: {
        if (ProcessRunning() == 1)
            Refuse(id == kCmdSave ? "Please stop the running process to save the recovered files."
                                  : "Please stop the running process to search the files.");
        else
            Refuse("Please select Exchange BKF file to recover data.");
        break;
    }
    default: break;
    }
}

void CMainFrame::Refuse(const QString& text)
{
    m_dialogs.MessageBox(this, text, platform::kMbIconInformation);
}

QWidget* CMainFrame::StatusElement(int id) const
{
    switch (id) {
    case 328: return m_progress;
    case 329: return m_stopButton;
    case 330: return m_progressPane;
    case 331: return m_foundPane;
    case 338: return m_percentPane;
    default: return nullptr;
    }
}

void CMainFrame::AppendLogLine(const QString& text)
{
    m_log->addItem(text);
}

void CMainFrame::ScrollLogToEnd()
{
    // Scrolling a long list costs a layout pass: one per burst of lines,
    // when the event loop next runs, shows the same last row.
    if (m_logScrollPending)
        return;
    m_logScrollPending = true;
    QTimer::singleShot(0, this, [this] {
        m_logScrollPending = false;
        m_log->scrollToBottom();
    });
}

void CMainFrame::ShowBkfFileProperties()
{
    m_grid->clear();
    const auto group = [this](const QString& name) {
        auto* g = new QTreeWidgetItem(m_grid, {name});
        QFont f = g->font(0);
        f.setBold(true);
        g->setFont(0, f);
        return g;
    };
    const auto property = [](QTreeWidgetItem* g, const QString& name, const QString& value, const QString& tip) {
        auto* p = new QTreeWidgetItem(g, {name, value});
        p->setToolTip(0, tip);
        p->setToolTip(1, tip);
    };
    const bool filled = !m_strBkfPath.isEmpty();
    auto* info = group("Exchange BKF File Information");
    property(info, "File Type:", filled ? "Exchange Database file" : "", "File type of selected file");
    property(info, "File Path:", m_strBkfPath, "Display full path of selected file");
    auto* details = group("File Details");
    property(details, "File Size(Bytes):", QString::fromStdString(m_bkfSizeText), "Total file size in bytes");
    property(details, "Created Date:", QString::fromStdString(m_bkfTimes.created), "Created date time of selected file");
    property(details, "Last Modified Date:", QString::fromStdString(m_bkfTimes.modified),
             filled ? "Last Modified date time of selected File" : "Last Modified date of selected File");
    property(details, "Last Access Date:", QString::fromStdString(m_bkfTimes.accessed),
             filled ? "Last Access date time of selected File" : "Last Access date of selected File");
    m_grid->expandAll();
}

void CMainFrame::OnOpen()
{
    if (ProcessRunning() == 1) {
        Refuse("Please stop the running process to open Exchange BKF file.");
        return;
    }
    const QString chosen = m_dialogs.OpenFileName(this, ".exchange bkf Files (*bkf)");
    if (chosen.isEmpty())
        return;
    OnOpenPath(chosen);
}

void CMainFrame::OnOpenPath(const QString& chosen)
{
    if (ProcessRunning() == 1) {
        Refuse("Please stop the running process to open Exchange BKF file.");
        return;
    }
    const QString path = chosen.trimmed();
    if (!path.contains(".bkf") || !std::filesystem::is_regular_file(path.toStdString())) {
        m_dialogs.MessageBox(nullptr, "Please select valid Exchange BKF file to recover.", platform::kMbIconInformation);
        return;
    }
    WaitForWorker();
    m_catalogStore.CloseAndRemove();
    const std::string storePath = files::CatalogStorePath();

    m_strBkfPath = path;
    (void)ReadBkfFileTimes(path.toStdString(), m_bkfTimes);
    m_nRecoveredFiles = 0;
    m_tabs->setCurrentIndex(0);

    m_list->clear();
    m_tree->clear();
    m_hCurrentItem = nullptr;
    m_pReader.reset();

    // The name after the last separator; on this platform that is '/'.
    const QString rootText = path.mid(path.lastIndexOf('/') + 1);
    CatalogTree::Item& root = m_catalog.Reset(ToUtf16(rootText));
    auto* rootItem = new QTreeWidgetItem(m_tree, {rootText});
    rootItem->setIcon(0, m_shellInfo.FileIcon(rootText));
    rootItem->setFlags(rootItem->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
    rootItem->setCheckState(0, Qt::Unchecked);
    rootItem->setData(0, kRecordRole, 0u);
    root.view = rootItem;

    OnProcessState(1);
    m_progress->setRange(0, 1000);
    m_progress->setValue(0);
    ProcessRunning() = 1;

    m_log->clear();
    m_bkfSizeText = BkfFileSizeText(path.toStdString());
    AppendLogLine("");
    AppendLogLine(path + " File is selected for recovery....");
    AppendLogLine("");
    AppendLogLine("Exchange BKF file size is: " + QString::fromStdString(m_bkfSizeText));
    AppendLogLine("");
    AppendLogLine("Nelvar Exchange BKF file Recovery process starts.  " + QString::fromStdString(LogTimeStamp()));
    AppendLogLine("");
    m_log->scrollToBottom();

    try {
        m_catalogStore.Create(storePath);
    } catch (const platform::FileError& error) {
        m_dialogs.MessageBox(this, QString::fromStdString(error.Describe()), platform::kMbIconInformation);
    }
    m_tabs->setCurrentIndex(0);
    ShowBkfFileProperties();

    m_workerBusy = 1;
    m_worker = std::thread(&CMainFrame::ScanThreadProc, this, path.toStdString());
}

void CMainFrame::ScanThreadProc(std::string path)
{
    auto reader = std::make_unique<reader::BkfReader>(*m_host);
    reader::BkfReader* scanner = reader.get();
    platform::SendToUi(this, [&] { m_pReader = std::move(reader); });
    try {
        scanner->Scan(path);
    } catch (const platform::FileError& error) {
        const QString text = QString::fromStdString(error.Describe());
        platform::SendToUi(this, [&] { return m_dialogs.MessageBox(nullptr, text, platform::kMbIconInformation); });
    }
    std::fflush(stdout);
    platform::SendToUi(this, [&] {
        for (int i = 0; i < m_tree->topLevelItemCount(); ++i)
            m_tree->topLevelItem(i)->setCheckState(0, Qt::Checked);
    });
    ProcessRunning() = 0;
    scanner->CloseBackupFile();
    platform::SendToUi(this, [&] { return OnProcessState(0); });
    platform::SendToUi(this, [&] {
        AppendLogLine("");
        AppendLogLine("Number of Recovered files: " + QString::number(m_nRecoveredFiles));
        AppendLogLine("");
        AppendLogLine("Nelvar Halvane process completed.  " + QString::fromStdString(LogTimeStamp()));
        m_log->scrollToBottom();
    });
    m_workerBusy = 0;
}

void CMainFrame::WaitForWorker()
{
    while (m_workerBusy.load() != 0)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    if (m_worker.joinable())
        m_worker.join();
}

void CMainFrame::OnStop()
{
    if (ProcessRunning() == 0)
        return;
    if (m_dialogs.MessageBox(nullptr, "Do you want to stop recovering file(s)?", platform::kMbIconQuestion | platform::kMbYesNo) ==
        platform::kIdYes)
        ProcessRunning() = 0;
}

int CMainFrame::OnProgressUpdate(const reader::ProgressRecord& progress)
{
    if (m_progress == nullptr)
        return 1;
    m_progressPane->setText(QString::fromStdString(ProgressText(progress.done, progress.total)));
    m_progress->setValue(ProgressBarPosition(progress.done, progress.total));
    m_percentPane->setText(QString::fromStdString(ProgressPercentText(progress.done, progress.total)));
    return 1;
}

int CMainFrame::OnProcessState(int starting)
{
    if (starting != 0 && m_progress == nullptr) {
        m_progress = new QProgressBar(this);
        m_progress->setFixedSize(600, 26);
        m_progress->setTextVisible(false);
        m_percentPane = new QLabel("Page 3  ", this);
        m_stopButton = new QPushButton("Stop", this);
        m_stopButton->setToolTip("Stop the running process.");
        connect(m_stopButton, &QPushButton::clicked, this, [this] { OnCommand(kCmdStatusStop); });
        m_progressPane = new QLabel("Page 1" + QString(49, ' ') + "..", this);
        m_foundPane = new QLabel("Line 1" + QString(33, ' ') + "..", this);
        for (QWidget* w : std::initializer_list<QWidget*>{m_progress, m_percentPane, m_stopButton, m_progressPane, m_foundPane})
            statusBar()->addWidget(w);
    } else if (starting == 0 && m_progress != nullptr) {
        for (QWidget* w : std::initializer_list<QWidget*>{m_progress, m_stopButton, m_percentPane, m_progressPane, m_foundPane}) {
            statusBar()->removeWidget(w);
            w->deleteLater();
        }
        m_progress = nullptr;
        m_stopButton = nullptr;
        m_percentPane = m_progressPane = m_foundPane = nullptr;
    }
    m_ribbon->Button(kCmdStop)->setEnabled(starting != 0);
    update();
    return 1;
}

QTreeWidgetItem* CMainFrame::ViewItem(CatalogTree::Item& item)
{
    return static_cast<QTreeWidgetItem*>(item.view);
}

void CMainFrame::ItemAdded(void* self, CatalogTree::Item& item, bool asFirst)
{
    auto* frame = static_cast<CMainFrame*>(self);
    const QString text = FromUtf16(item.text);
    auto* view = new QTreeWidgetItem(QStringList{text});
    view->setIcon(0, item.isFile ? frame->m_shellInfo.FileIcon(text) : frame->m_shellInfo.FolderIcon());
    view->setFlags(view->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
    view->setCheckState(0, Qt::Unchecked);
    view->setData(0, kRecordRole, item.record);
    item.view = view;
    QTreeWidgetItem* parent = item.parent != nullptr ? frame->ViewItem(*item.parent) : nullptr;
    if (parent == nullptr) {
        if (asFirst)
            frame->m_tree->insertTopLevelItem(0, view);
        else
            frame->m_tree->addTopLevelItem(view);
        return;
    }
    if (asFirst)
        parent->insertChild(0, view);
    else
        parent->addChild(view);
    if (!parent->isExpanded())
        parent->setExpanded(true);
}

int CMainFrame::OnFileFound(const reader::CatalogFile& found)
{
    reader::CatalogFile record = found;
    const QString sizeText = QString::number(record.SizeField()) + " ";
    const std::u16string original = record.Path();
    const std::uint32_t k = ++m_nRecoveredFiles;
    // The store collapses the path into the record; the tree takes it from there.
    if (m_catalogStore.IsOpen())
        (void)m_catalogStore.Append(record);
    else
        record.SetPath(CollapseBackslashes(original));
    m_catalog.InsertPath(record.Path(), k, &CMainFrame::ItemAdded, this);
    if (m_foundPane != nullptr)
        m_foundPane->setText("File Found: " + QString::number(k));
    AppendLogLine(FromUtf16(FileNamePart(original)) + "  file found.          " + "File Size(Bytes): " + sizeText);
    ScrollLogToEnd();
    return 1;
}

int CMainFrame::OnTreeItemClicked(QTreeWidgetItem* item)
{
    if (ProcessRunning() == 1) {
        Refuse("Please wait for the running process.");
        return 0;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_hCurrentItem = item;
    files::RemoveWorkFolder();
    FillFileList(item);
    QApplication::restoreOverrideCursor();
    return 1;
}

void CMainFrame::FillFileList(QTreeWidgetItem* item)
{
    m_list->clear();
    if (item == nullptr)
        return;
    const auto addRow = [this](QTreeWidgetItem* source) {
        const std::uint32_t k = source->data(0, kRecordRole).toUInt();
        auto* row = new QTreeWidgetItem(m_list, {source->text(0)});
        row->setIcon(0, source->icon(0));
        row->setData(0, kRecordRole, k);
        row->setData(0, kCheckedRole, source->checkState(0) == Qt::Checked ? 1 : 0);
        if (k == 0 && source->childCount() > 0) {
            row->setText(1, "Folder");
        } else {
            row->setText(1, m_shellInfo.TypeName(source->text(0)));
            const std::int32_t size = k == 0 ? 0 : m_catalogStore.Read(k).SizeField();
            row->setText(2, QString::number(size) + " ");
        }
    };
    if (item->childCount() == 0) {
        addRow(item);
        return;
    }
    for (int i = 0; i < item->childCount(); ++i) {
        QTreeWidgetItem* child = item->child(i);
        if (child->data(0, kRecordRole).toUInt() == 0) {
            auto* row = new QTreeWidgetItem(m_list, {child->text(0), "Folder"});
            row->setIcon(0, child->icon(0));
            row->setData(0, kRecordRole, 0u);
            row->setData(0, kCheckedRole, child->checkState(0) == Qt::Checked ? 1 : 0);
        } else {
            addRow(child);
        }
    }
}

int CMainFrame::OnTreeItemRClicked(QTreeWidgetItem*, const QPoint& globalPos)
{
    if (m_nRecoveredFiles == 0)
        return 0;
    if (ProcessRunning() == 1) {
        Refuse("Please wait for the running process.");
        return 0;
    }
    int choice = m_scriptedMenuChoice;
    if (choice == 0) {
        QMenu menu(this);
        QAction* expand = menu.addAction("Expand All");
        QAction* collapse = menu.addAction("Collapse All");
        QAction* chosen = menu.exec(globalPos);
        choice = chosen == expand ? 32771 : chosen == collapse ? 32772 : -1;
    }
    if (choice == 32771) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QTreeWidgetItem* selected = m_tree->currentItem() != nullptr ? m_tree->currentItem() : m_tree->topLevelItem(0);
        m_tree->expandAll();
        m_tree->setCurrentItem(selected);
        m_tree->scrollToItem(selected);
        QApplication::restoreOverrideCursor();
    } else if (choice == 32772) {
        m_tree->collapseAll();
        m_tree->setCurrentItem(m_tree->topLevelItem(0));
    }
    return 1;
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (ProcessRunning() == 1) {
        Refuse("Please stop the running process to close the application.");
        event->ignore();
        return;
    }
    WaitForWorker();
    m_pReader.reset();
    m_catalogStore.CloseAndRemove();
    files::RemoveWorkFolder();
    event->accept();
}

}  // namespace halvane::app

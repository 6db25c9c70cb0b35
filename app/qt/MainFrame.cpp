#include "app/qt/MainFrame.h"

#include "app/CatalogPaths.h"
#include "app/qt/FileView.h"
#include "app/qt/OutputWnd.h"
#include "app/qt/PropertiesWnd.h"
#include "app/qt/QuenrixRightViewListCtrl.h"
#include "files/TempFolders.h"
#include "platform/FileError.h"
#include "platform/TextCodec.h"
#include "platform/qt/AppInfo.h"
#include "platform/qt/SyncSend.h"
#include "widgets/CheckTreeView.h"
#include "widgets/LogView.h"
#include "widgets/RibbonBar.h"
#include "widgets/SplashWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QStyleFactory>
#include <QUrl>
#include <QTabWidget>
#include <QTreeWidget>

#include <cstdio>
#include <filesystem>

namespace halvane::app {

namespace {

constexpr char kProductPage[] = "https://nelvar.example/halvane";
constexpr char kHelpPage[] = "https://nelvar.example/halvane/help";

QString FromUtf16(const std::u16string& s)
{
    return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size()));
}

std::u16string ToUtf16(const QString& s)
{
    return std::u16string(reinterpret_cast<const char16_t*>(s.utf16()), static_cast<std::size_t>(s.size()));
}

}  // namespace

// Image indices of new tree items, from the shared image list.
class CMainFrame::TreeImages final : public CatalogTree::Images {
public:
    explicit TreeImages(const CUseShGetFileInfo& info) : info_(info) {}
    int FileImage(const std::u16string& fileName) override { return info_.FileIconIndex(FromUtf16(fileName)); }
    int FolderImage() override { return info_.FolderIconIndex(); }

private:
    const CUseShGetFileInfo& info_;
};

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
    {
        const QSettings settings(platform::kCompany, QString(platform::kProduct) + "/" + platform::kVersion);
        m_nLook = settings.value("ApplicationLook", kSilverLook).toInt();
    }

    auto* splash = new widgets::SplashWindow(QImage(":/images/splash.png"), QColor(255, 0, 255), "v17.0", this);
    splash->Start();
    OnApplicationLook(m_nLook);

    BuildRibbon();
    BuildPanes();

    auto* link = new QLabel(QString("<a href='%1'>nelvar.example</a>").arg(kProductPage), this);
    link->setToolTip(platform::ApplicationTitle());
    connect(link, &QLabel::linkActivated, this, [this] { OnCommand(kCmdStatusLink); });
    statusBar()->addWidget(link);
    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::VLine);
    statusBar()->addWidget(separator);
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
    // The child widgets outlive the members (QWidget deletes them later):
    // they must not draw with the image list any more.
    m_tree->SetImageList(nullptr);
    m_list->SetImageList(nullptr);
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
    m_ribbon->ApplicationButton()->setIcon(QIcon(":/images/application-button.png"));
    m_ribbon->ApplicationButton()->setIconSize(QSize(42, 42));
    const QImage small(":/images/ribbon-small.png");
    const QImage large(":/images/ribbon-large.png");
    const QImage panels(":/images/panel-icons.png");
    const auto icon = [&](int index) { return widgets::RibbonBar::StripIcon(small, large, index); };
    const auto panelIcon = [&](int index) { return widgets::RibbonBar::StripIcon(panels, panels, index); };
    m_ribbon->AddPanel("Halvane", panelIcon(1));
    m_ribbon->AddButton(kCmdOpen, "Open", "Open Exchange BKF file", icon(0));
    m_ribbon->AddButton(kCmdStop, "Stop", "Stop running recovery process", icon(1));
    m_ribbon->AddButton(kCmdSave, "Save", "Save recovered data", icon(2));
    m_ribbon->AddButton(kCmdSearch, "Search", "Search file from the list", icon(3));
    m_ribbon->AddButton(kCmdLog, "Log", "Save log for Exchange BKF file.", icon(4));
    m_ribbon->AddPanel("Exchange BKF file Snapshots", panelIcon(2));
    m_ribbon->AddButton(kCmdLoadSnapshot, "Load", "Load Halvane Snapshot", icon(5));
    m_ribbon->AddButton(kCmdSaveSnapshot, "Save", "Save Halvane Snapshot", icon(6));
    m_ribbon->AddPanel("About Torvane", panelIcon(1));
    m_ribbon->AddButton(kCmdHelp, "Help", "Help for Nelvar Halvane", icon(7));
    m_ribbon->AddButton(kCmdAbout, "About", "About Nelvar Halvane", icon(8));
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

    m_fileView = new CFileView(this);
    m_tree = m_fileView->Tree();
    m_tree->SetImageList(&m_shellInfo.ImageList());
    m_treeImages = std::make_unique<TreeImages>(m_shellInfo);
    m_catalog = std::make_unique<CatalogTree>(m_tree->Items(), m_treeImages.get());
    connect(m_tree, &widgets::CheckTreeView::ItemPressed, this, [this](CatalogTree::Item* item) { OnTreeItemClicked(item); });
    connect(m_tree, &widgets::CheckTreeView::ItemRightPressed, this,
            [this](CatalogTree::Item* item, const QPoint& globalPos) { OnTreeItemRClicked(item, globalPos); });
    makeDock("Exchange BKF file", m_fileView, Qt::LeftDockWidgetArea)->resize(200, 200);

    m_outputWnd = new COutputWnd(this);
    m_tabs = m_outputWnd->Tabs();
    m_log = m_outputWnd->Log();
    makeDock("Exchange BKF file Status", m_outputWnd, Qt::BottomDockWidgetArea)->resize(100, 100);

    m_propertiesWnd = new CPropertiesWnd(this);
    m_grid = m_propertiesWnd->Grid();
    makeDock("Selected File Properties", m_propertiesWnd, Qt::RightDockWidgetArea)->resize(400, 200);
    ShowBkfFileProperties();

    m_list = new CQuenrixRightViewListCtrl(this);
    m_list->SetImageList(&m_shellInfo.ImageList());
    m_list->SetBackgroundPicture(QImage(":/images/list-background.png"));
    setCentralWidget(m_list);
    resize(1200, 800);
}

void CMainFrame::OnCommand(int id)
{
    switch (id) {
    case kCmdOpen: OnOpen(); break;
    case kCmdStop:
    case kCmdStatusStop: OnStop(); break;
    case kCmdHelp: QDesktopServices::openUrl(QUrl(kHelpPage)); break;
    case kCmdStatusLink: QDesktopServices::openUrl(QUrl(kProductPage)); break;
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

void CMainFrame::OnApplicationLook(int id)
{
    if (id < kFirstLook || id > kLastLook)
        id = kSilverLook;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_nLook = id;
    // One visual manager for every look; 217 picks its silver scheme.
    if (QStyle* fusion = QStyleFactory::create("Fusion"))
        QApplication::setStyle(fusion);
    QPalette palette = QApplication::style()->standardPalette();
    if (id == kSilverLook) {
        palette.setColor(QPalette::Window, QColor(226, 230, 236));
        palette.setColor(QPalette::Button, QColor(236, 239, 243));
        palette.setColor(QPalette::AlternateBase, QColor(240, 242, 245));
        palette.setColor(QPalette::Highlight, QColor(120, 150, 196));
        palette.setColor(QPalette::HighlightedText, Qt::white);
    }
    QApplication::setPalette(palette);
    update();
    QSettings settings(platform::kCompany, QString(platform::kProduct) + "/" + platform::kVersion);
    settings.setValue("ApplicationLook", id);
    QApplication::restoreOverrideCursor();
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
    m_log->AppendLine(text);
}

void CMainFrame::ScrollLogToEnd()
{
    m_log->ScrollToEnd();
}

void CMainFrame::ShowBkfFileProperties()
{
    CPropertiesWnd& grid = *m_propertiesWnd;
    grid.Clear();
    const bool filled = !m_strBkfPath.isEmpty();
    auto* info = grid.AddGroup("Exchange BKF File Information");
    grid.AddProperty(info, "File Type:", filled ? "Exchange Database file" : "", "File type of selected file");
    grid.AddProperty(info, "File Path:", m_strBkfPath, "Display full path of selected file");
    auto* details = grid.AddGroup("File Details");
    grid.AddProperty(details, "File Size(Bytes):", QString::fromStdString(m_bkfSizeText), "Total file size in bytes");
    grid.AddProperty(details, "Created Date:", QString::fromStdString(m_bkfTimes.created),
                     "Created date time of selected file");
    grid.AddProperty(details, "Last Modified Date:", QString::fromStdString(m_bkfTimes.modified),
                     filled ? "Last Modified date time of selected File" : "Last Modified date of selected File");
    grid.AddProperty(details, "Last Access Date:", QString::fromStdString(m_bkfTimes.accessed),
                     filled ? "Last Access date time of selected File" : "Last Access date of selected File");
    grid.ExpandAll();
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

    m_list->DeleteAllItems();
    m_hCurrentItem = nullptr;
    m_pReader.reset();

    // The name after the last separator; on this platform that is '/'.
    const QString rootText = path.mid(path.lastIndexOf('/') + 1);
    m_catalog->Reset(ToUtf16(rootText), m_shellInfo.FileIconIndex(rootText));
    m_tree->Refresh();

    OnProcessState(1);
    m_progress->setRange(0, 1000);
    m_progress->setValue(0);
    ProcessRunning() = 1;

    m_log->Clear();
    m_bkfSizeText = BkfFileSizeText(path.toStdString());
    AppendLogLine("");
    AppendLogLine(path + " File is selected for recovery....");
    AppendLogLine("");
    AppendLogLine("Exchange BKF file size is: " + QString::fromStdString(m_bkfSizeText));
    AppendLogLine("");
    AppendLogLine("Nelvar Exchange BKF file Recovery process starts.  " + QString::fromStdString(LogTimeStamp()));
    AppendLogLine("");
    ScrollLogToEnd();

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
        widgets::TreeItems& items = m_tree->Items();
        for (std::size_t i = 0; i < items.TopLevelCount(); ++i)
            items.SetChecked(items.TopLevel(i), true);
        m_tree->Refresh();
    });
    ProcessRunning() = 0;
    scanner->CloseBackupFile();
    platform::SendToUi(this, [&] { return OnProcessState(0); });
    platform::SendToUi(this, [&] {
        AppendLogLine("");
        AppendLogLine("Number of Recovered files: " + QString::number(m_nRecoveredFiles));
        AppendLogLine("");
        AppendLogLine("Nelvar Halvane process completed.  " + QString::fromStdString(LogTimeStamp()));
        ScrollLogToEnd();
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
        // Qt 6.4's removeWidget hides the item that follows the removed one:
        // here the title pane.
        m_titlePane->show();
    }
    m_ribbon->Button(kCmdStop)->setEnabled(starting != 0);
    update();
    return 1;
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
    m_catalog->InsertPath(record.Path(), k);
    m_tree->ItemsChanged();
    if (m_foundPane != nullptr)
        m_foundPane->setText("File Found: " + QString::number(k));
    AppendLogLine(FromUtf16(FileNamePart(original)) + "  file found.          " + "File Size(Bytes): " + sizeText);
    ScrollLogToEnd();
    return 1;
}

int CMainFrame::OnTreeItemClicked(CatalogTree::Item* item)
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

void CMainFrame::FillFileList(CatalogTree::Item* item)
{
    if (item == nullptr) {
        m_list->DeleteAllItems();
        return;
    }
    std::vector<FileListRow> rows;
    // A child with record 0 is a folder; the clicked leaf itself always shows as a file.
    const auto addRow = [&](const CatalogTree::Item& source, bool asChild) {
        FileListRow row;
        row.text = FromUtf16(source.Text());
        row.image = source.Image();
        row.record = source.Data();
        row.checked = source.IsChecked();
        if (asChild && row.record == 0) {
            row.typeName = QStringLiteral("Folder");
            row.folder = true;
        } else {
            row.typeName = m_shellInfo.TypeName(row.text);
            row.size = row.record == 0 ? 0 : m_catalogStore.Read(row.record).SizeField();
        }
        rows.push_back(std::move(row));
    };
    if (!item->HasChildren()) {
        addRow(*item, false);
    } else {
        rows.reserve(item->ChildCount());
        for (std::size_t i = 0; i < item->ChildCount(); ++i)
            addRow(item->Child(i), true);
    }
    m_list->SetRows(std::move(rows));
}

int CMainFrame::OnTreeItemRClicked(CatalogTree::Item*, const QPoint& globalPos)
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
    widgets::TreeItems& items = m_tree->Items();
    if (choice == 32771) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        CatalogTree::Item* selected = m_tree->CurrentItem();
        if (selected == nullptr && !items.Empty())
            selected = &items.TopLevel(0);
        m_tree->ExpandAll();
        if (selected != nullptr) {
            m_tree->SetCurrentItem(selected);
            m_tree->ScrollToItem(*selected);
        }
        m_tree->ScrollFullyLeft();
        QApplication::restoreOverrideCursor();
    } else if (choice == 32772) {
        m_tree->CollapseAll();
        m_tree->SetCurrentItem(items.Empty() ? nullptr : &items.TopLevel(0));
        m_tree->ScrollFullyLeft();
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

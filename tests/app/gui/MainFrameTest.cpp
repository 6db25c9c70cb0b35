// The main window driven offscreen with scripted dialogs.
#include "app/qt/HalvaneApplication.h"
#include "app/qt/MainFrame.h"
#include "files/TempFolders.h"
#include "platform/qt/AppInfo.h"
#include "platform/qt/SingleInstance.h"
#include "tests/app/gui/ScriptedDialogs.h"
#include "tests/support/BackupBuilder.h"
#include "tests/support/TempDir.h"
#include "widgets/CheckTreeView.h"
#include "widgets/LogView.h"
#include "widgets/RibbonBar.h"
#include "widgets/SplashWindow.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QStatusBar>
#include <QSettings>
#include <QTabWidget>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

namespace halvane::testing {
namespace {

using Item = app::CatalogTree::Item;
using widgets::CheckState;
using widgets::CheckTreeView;

// Answers the boxes of the application object's exception boundary.
ScriptedDialogs* g_appDialogs = nullptr;

QStringList LogLines(const app::CMainFrame& frame)
{
    QStringList lines;
    for (int i = 0; i < frame.Log()->Count(); ++i)
        lines.append(frame.Log()->Line(i));
    return lines;
}

Item* Child(Item* item, const QString& text)
{
    if (item == nullptr)
        return nullptr;
    for (std::size_t i = 0; i < item->ChildCount(); ++i)
        if (QString::fromStdU16String(item->Child(i).Text()) == text)
            return &item->Child(i);
    return nullptr;
}

Item* TopItem(const app::CMainFrame& frame)
{
    const widgets::TreeItems& items = frame.Tree()->Items();
    return items.Empty() ? nullptr : &items.TopLevel(0);
}

void Press(CheckTreeView* tree, const QPoint& at, Qt::MouseButton button)
{
    QMouseEvent press(QEvent::MouseButtonPress, at, tree->viewport()->mapToGlobal(at), button, button, Qt::NoModifier);
    QApplication::sendEvent(tree->viewport(), &press);
}

QStringList Rows(const app::CQuenrixRightViewListCtrl* list)
{
    QStringList rows;
    for (int i = 0; i < list->ItemCount(); ++i)
        rows.append(list->ItemText(i, 0) + "|" + list->ItemText(i, 1) + "|" + list->ItemText(i, 2));
    return rows;
}

class MainFrame : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::setenv("XDG_RUNTIME_DIR", runtime.Path().c_str(), 1);
        BackupBuilder b;
        b.Set(1, u"Daily", u"", u"admin").Volume(u"C:").Directory({u"Mail"});
        b.File(u"priv1.edb", Bytes(5000, 1)).File(u"priv1.stm", Bytes(700, 2));
        b.Directory({u"Mail", u"Logs"}).File(u"E00.log", Bytes(10, 3));
        b.Directory({u"Other"}).File(u"a.txt", Bytes(3, 4));
        backup = dir.File("demo.bkf");
        WriteFile(backup, b.Data());
        frame = std::make_unique<app::CMainFrame>(dialogs);
    }
    void TearDown() override
    {
        frame.reset();
        ::unsetenv("XDG_RUNTIME_DIR");
    }
    void OpenAndWait(const std::string& path)
    {
        dialogs.files.push_back(QString::fromStdString(path));
        frame->OnOpen();
        frame->WaitForWorker();
    }

    TempDir runtime;
    TempDir dir;
    std::string backup;
    ScriptedDialogs dialogs;
    std::unique_ptr<app::CMainFrame> frame;
};

TEST_F(MainFrame, OpenScansAndBuildsTreeListLogAndStore)
{
    OpenAndWait(backup);
    EXPECT_EQ(frame->RecoveredFiles(), 4);
    EXPECT_EQ(frame->ProcessRunning().load(), 0);
    EXPECT_EQ(frame->StatusElement(328), nullptr) << "status elements removed at the end";
    EXPECT_EQ(dialogs.filters, QStringList{".exchange bkf Files (*bkf)"});

    const QStringList log = LogLines(*frame);
    ASSERT_GE(log.size(), 15);
    EXPECT_EQ(log[0], "");
    EXPECT_EQ(log[1], QString::fromStdString(backup) + " File is selected for recovery....");
    EXPECT_TRUE(log[3].startsWith("Exchange BKF file size is: "));
    EXPECT_TRUE(log[5].startsWith("Nelvar Exchange BKF file Recovery process starts.  "));
    EXPECT_EQ(log[7], "priv1.edb  file found.          File Size(Bytes): 5000 ");
    EXPECT_EQ(log[log.size() - 3], "Number of Recovered files: 4");
    EXPECT_TRUE(log.back().startsWith("Nelvar Halvane process completed.  "));

    // Tree: root, label+drive, folders; everything checked after the scan.
    ASSERT_EQ(frame->Tree()->Items().TopLevelCount(), 1u);
    Item* root = TopItem(*frame);
    EXPECT_EQ(root->Text(), u"demo.bkf");
    EXPECT_EQ(root->State(), CheckState::Checked);
    Item* mail = Child(Child(root, "BKFSET1(Dailyadmin)C"), "Mail");
    ASSERT_NE(mail, nullptr);

    EXPECT_EQ(frame->OnTreeItemClicked(mail), 1);
    EXPECT_EQ(Rows(frame->FileList()),
              (QStringList{"priv1.stm|Exchange Streaming File|700 ", "priv1.edb|Exchange Database|5000 ", "Logs|Folder|"}));
    EXPECT_EQ(frame->OnTreeItemClicked(Child(mail, "priv1.edb")), 1);
    EXPECT_EQ(Rows(frame->FileList()), QStringList{"priv1.edb|Exchange Database|5000 "});

    const auto& store = frame->Store();
    ASSERT_EQ(store.Count(), 4u);
    EXPECT_EQ(std::filesystem::file_size(files::CatalogStorePath()), 4u * 2274u);
    EXPECT_EQ(store.Read(3).Path(), u"BKFSET1(Dailyadmin)C\\Mail\\Logs\\E00.log");
}

TEST_F(MainFrame, RefusesWhatTheRulesRefuse)
{
    WriteFile(dir.File("upper.BKF"), {1});
    WriteFile(dir.File("plain.txt"), {1});
    for (const std::string& p : {dir.File("upper.BKF"), dir.File("plain.txt"), dir.File("missing.bkf")}) {
        dialogs.messages.clear();
        OpenAndWait(p);
        EXPECT_EQ(dialogs.messages, QStringList{"Please select valid Exchange BKF file to recover."}) << p;
        EXPECT_TRUE(frame->Tree()->Items().Empty());
    }
    // A folder named .bkf makes any file in it acceptable.
    std::filesystem::create_directory(dir.File("x.bkf.d"));
    WriteFile(dir.File("x.bkf.d") + "/backup", {0});
    dialogs.messages.clear();
    OpenAndWait(dir.File("x.bkf.d") + "/backup");
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(frame->RecoveredFiles(), 0);
    EXPECT_EQ(frame->Tree()->Items().TopLevelCount(), 1u);

    // Right click before any file was found: no menu.
    EXPECT_EQ(frame->OnTreeItemRClicked(TopItem(*frame), {}), 0);
}

TEST_F(MainFrame, WhileRunningOpenAndClicksAreRefused)
{
    frame->ProcessRunning() = 1;
    dialogs.files.push_back(QString::fromStdString(backup));
    frame->OnOpen();
    EXPECT_EQ(dialogs.messages, QStringList{"Please stop the running process to open Exchange BKF file."});
    EXPECT_EQ(frame->OnTreeItemClicked(nullptr), 0);
    EXPECT_EQ(dialogs.messages.last(), "Please wait for the running process.");
    frame->ProcessRunning() = 0;
}

TEST_F(MainFrame, StopAnsweredNoThenYes)
{
    frame->ProcessRunning() = 1;
    dialogs.answers = {platform::kIdNo};
    frame->OnStop();
    EXPECT_EQ(frame->ProcessRunning().load(), 1);
    EXPECT_EQ(dialogs.messages.last(), "Do you want to stop recovering file(s)?");
    EXPECT_EQ(dialogs.styles.back(), 36);
    dialogs.answers = {platform::kIdYes};
    frame->OnStop();
    EXPECT_EQ(frame->ProcessRunning().load(), 0);
}

TEST_F(MainFrame, StoppedScanStillWritesTheClosingLines)
{
    // A large backup so that Stop arrives while the scan runs.
    BackupBuilder b;
    b.Set(1, u"S", u"", u"u").Volume(u"C:").Directory({u"d"});
    for (int i = 0; i < 3000; ++i)
        b.File(u"f" + std::u16string(1, char16_t(u'A' + i % 26)) + std::u16string(1, char16_t(u'a' + i / 26 % 26)) +
                   std::u16string(1, char16_t(u'0' + i / 676)),
               Bytes(10, 1));
    WriteFile(dir.File("big.bkf"), b.Data());
    dialogs.files.push_back(QString::fromStdString(dir.File("big.bkf")));
    dialogs.answers = {platform::kIdYes};
    frame->OnOpen();
    while (frame->RecoveredFiles() < 10 && frame->WorkerRunning())
        QCoreApplication::processEvents();
    frame->OnStop();
    frame->WaitForWorker();
    EXPECT_LT(frame->RecoveredFiles(), 3000);
    const QStringList log = LogLines(*frame);
    EXPECT_EQ(log[log.size() - 3], "Number of Recovered files: " + QString::number(frame->RecoveredFiles()));
}

TEST_F(MainFrame, SecondOpenReplacesTheCatalog)
{
    OpenAndWait(backup);
    BackupBuilder b;
    b.File(u"only", {1});
    WriteFile(dir.File("second.bkf"), b.Data());
    OpenAndWait(dir.File("second.bkf"));
    EXPECT_EQ(frame->RecoveredFiles(), 1);
    EXPECT_EQ(frame->Store().Count(), 1u);
    EXPECT_EQ(std::filesystem::file_size(files::CatalogStorePath()), 2274u);
    EXPECT_EQ(TopItem(*frame)->Text(), u"second.bkf");
}

TEST_F(MainFrame, ContextMenuExpandsAndCollapses)
{
    OpenAndWait(backup);
    frame->m_scriptedMenuChoice = 32772;
    EXPECT_EQ(frame->OnTreeItemRClicked(nullptr, {}), 1);
    EXPECT_FALSE(TopItem(*frame)->Expanded());
    frame->m_scriptedMenuChoice = 32771;
    EXPECT_EQ(frame->OnTreeItemRClicked(nullptr, {}), 1);
    EXPECT_TRUE(TopItem(*frame)->Child(0).Expanded());
}

TEST_F(MainFrame, RibbonAndPanes)
{
    auto* ribbon = frame->Ribbon();
    EXPECT_EQ(ribbon->Button(app::kCmdOpen)->toolTip(), "Open Exchange BKF file");
    EXPECT_FALSE(ribbon->Button(app::kCmdStop)->isEnabled());
    EXPECT_EQ(frame->windowTitle(), "Nelvar Halvane v22.0");
    EXPECT_EQ(frame->OutputTabs()->tabText(0), "Log Window");
    EXPECT_EQ(frame->OutputTabs()->tabText(1), "File Viewer");
    EXPECT_EQ(frame->PropertyGrid()->topLevelItem(0)->text(0), "Exchange BKF File Information");

    // The idle status bar: the link, then the title pane at the right, also after a run.
    frame->show();
    QCoreApplication::processEvents();
    OpenAndWait(backup);
    QCoreApplication::processEvents();
    QLabel* title = nullptr;
    for (auto* label : frame->statusBar()->findChildren<QLabel*>())
        if (label->text() == "Nelvar Halvane v22.0")
            title = label;
    ASSERT_NE(title, nullptr);
    EXPECT_TRUE(title->isVisible());
    EXPECT_GT(title->geometry().left(), frame->statusBar()->width() / 2);
    EXPECT_LE(title->geometry().right(), frame->statusBar()->width());
}

TEST_F(MainFrame, MouseOnTheTreeFillsTheListAndChecks)
{
    frame->show();
    OpenAndWait(backup);
    QCoreApplication::processEvents();
    CheckTreeView* tree = frame->Tree();
    Item* mail = Child(Child(TopItem(*frame), "BKFSET1(Dailyadmin)C"), "Mail");
    ASSERT_NE(mail, nullptr);
    Press(tree, tree->PartRect(*mail, CheckTreeView::HitPart::Label).center(), Qt::LeftButton);
    EXPECT_EQ(frame->CurrentTreeItem(), mail);
    EXPECT_EQ(Rows(frame->FileList()).size(), 3);

    // A press on a check box unchecks the branch, then lists it with that state.
    Press(tree, tree->PartRect(*mail, CheckTreeView::HitPart::CheckBox).center(), Qt::LeftButton);
    EXPECT_EQ(mail->State(), CheckState::Unchecked);
    EXPECT_EQ(TopItem(*frame)->State(), CheckState::Partial);
    ASSERT_EQ(frame->FileList()->ItemCount(), 3);
    EXPECT_FALSE(frame->FileList()->Row(0).checked);
    EXPECT_EQ(frame->FileList()->Row(0).record, 2u) << "record of priv1.stm";
    EXPECT_EQ(frame->FileList()->Row(2).record, 0u) << "the folder Logs";

    // Right press: the scripted menu answer collapses everything.
    frame->m_scriptedMenuChoice = 32772;
    Press(tree, tree->PartRect(*mail, CheckTreeView::HitPart::Label).center(), Qt::RightButton);
    EXPECT_FALSE(TopItem(*frame)->Expanded());
    EXPECT_EQ(tree->CurrentItem(), TopItem(*frame));
}

TEST_F(MainFrame, WorkFolderIsRemovedAtStartAndAtEveryTreeClick)
{
    const auto plant = [] {
        const std::filesystem::path work = files::WorkFolderPath();
        std::filesystem::create_directories(work / "nested");
        WriteFile((work / "nested" / "preview.edb").string(), {1, 2, 3});
        return work;
    };
    const auto work = plant();
    frame = std::make_unique<app::CMainFrame>(dialogs);
    EXPECT_FALSE(std::filesystem::exists(work));
    OpenAndWait(backup);
    plant();
    EXPECT_EQ(frame->OnTreeItemClicked(TopItem(*frame)), 1);
    EXPECT_FALSE(std::filesystem::exists(work));
}

TEST_F(MainFrame, FileListBackgroundFollowsItsSize)
{
    frame->show();
    for (const QSize size : {QSize(1000, 700), QSize(1300, 900)}) {
        frame->resize(size);
        QCoreApplication::processEvents();
        const QWidget* viewport = frame->FileList()->viewport();
        EXPECT_EQ(viewport->palette().brush(QPalette::Base).texture().size(), viewport->size()) << size.width();
    }
    EXPECT_EQ(frame->FileList()->header()->font().pixelSize(), 16);
    EXPECT_TRUE(frame->FileList()->header()->font().bold());
}

TEST_F(MainFrame, ApplicationLookIsReadAppliedAndStored)
{
    const auto stored = [] {
        return QSettings(platform::kCompany, "Halvane/22.0").value("ApplicationLook").toInt();
    };
    QSettings(platform::kCompany, "Halvane/22.0").remove("ApplicationLook");
    frame = std::make_unique<app::CMainFrame>(dialogs);
    EXPECT_EQ(frame->CurrentLook(), 217) << "silver without a stored look";
    EXPECT_EQ(stored(), 217);
    const QColor silver = QApplication::palette().color(QPalette::Window);

    QSettings(platform::kCompany, "Halvane/22.0").setValue("ApplicationLook", 213);
    frame = std::make_unique<app::CMainFrame>(dialogs);
    EXPECT_EQ(frame->CurrentLook(), 213);
    EXPECT_NE(QApplication::palette().color(QPalette::Window), silver) << "the default scheme";
    frame->OnApplicationLook(217);
    EXPECT_EQ(stored(), 217);
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), silver);
}

TEST_F(MainFrame, SplashAndRibbonPictures)
{
    const auto splashes = frame->findChildren<widgets::SplashWindow*>();
    ASSERT_EQ(splashes.size(), 1);
    EXPECT_TRUE(splashes[0]->isVisible());
    EXPECT_FALSE(splashes[0]->mask().isEmpty()) << "the key colour shapes the window";
    EXPECT_TRUE(splashes[0]->mask().contains(splashes[0]->rect().center()));
    EXPECT_FALSE(splashes[0]->mask().contains(QPoint(splashes[0]->width() - 1, 0))) << "a key-coloured corner";
    for (int id : {app::kCmdOpen, app::kCmdStop, app::kCmdAbout})
        EXPECT_FALSE(frame->Ribbon()->Button(id)->icon().isNull()) << id;
    EXPECT_FALSE(frame->Ribbon()->ApplicationButton()->icon().isNull());
}

// An object whose handler throws, as a faulty slot would.
class Throwing : public QObject {
public:
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::User)
            throw std::runtime_error("handler failed");
        return QObject::event(e);
    }
};

TEST(ExceptionBoundary, AnEscapingExceptionIsShownAndTheProgramGoesOn)
{
    ASSERT_NE(g_appDialogs, nullptr);
    g_appDialogs->messages.clear();
    Throwing target;
    QCoreApplication::postEvent(&target, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&target, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    EXPECT_EQ(g_appDialogs->messages, (QStringList{"handler failed", "handler failed"}));
}

TEST(SingleInstance, SecondLockIsRefusedAndFreedWithTheFirst)
{
    TempDir dir;
    const std::string lock = dir.File("lock");
    auto first = std::make_unique<platform::SingleInstance>(lock);
    EXPECT_FALSE(first->AnotherIsRunning());
    {
        platform::SingleInstance second(lock);
        EXPECT_TRUE(second.AnotherIsRunning());
    }
    first.reset();
    platform::SingleInstance third(lock);
    EXPECT_FALSE(third.AnotherIsRunning());
}

}  // namespace
}  // namespace halvane::testing

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Settings go to a folder of the test's own.
    halvane::testing::TempDir config;
    ::setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
    halvane::testing::ScriptedDialogs appDialogs;
    halvane::testing::g_appDialogs = &appDialogs;
    halvane::app::HalvaneApplication app(argc, argv, appDialogs);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

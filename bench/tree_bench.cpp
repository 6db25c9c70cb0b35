// Feeds records to the main window (offscreen) the way a scan does: a worker
// thread sends each one through the synchronous send to the real file-found
// handler while the UI thread runs its event loop, so every redraw and
// layout the window does between two records is paid for. Records go to N
// files in one folder, or spread over F folders.
//   tree_bench COUNT [FOLDERS]
#include "app/qt/MainFrame.h"
#include "platform/qt/SyncSend.h"
#include "tests/support/BackupBuilder.h"
#include "widgets/CheckTreeView.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>
#include <thread>

namespace {
class NoDialogs final : public halvane::platform::UserDialogs {
public:
    int MessageBox(QWidget*, const QString&, int) override { return halvane::platform::kIdOk; }
    QString OpenFileName(QWidget*, const QString&) override { return {}; }
};
}  // namespace

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    const unsigned long count = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 100000;
    const unsigned long folders = argc > 2 ? std::max(1ul, std::strtoul(argv[2], nullptr, 10)) : 1;
    const std::string empty = "/tmp/halvane-tree-bench-empty.bkf";
    halvane::testing::WriteFile(empty, {});
    NoDialogs dialogs;
    halvane::app::CMainFrame frame(dialogs);
    frame.show();
    frame.OnOpenPath(QString::fromStdString(empty));
    frame.WaitForWorker();

    // Not the application's loop: quitting that would close the window.
    QEventLoop loop;
    const auto start = std::chrono::steady_clock::now();
    std::thread worker([&] {
        for (unsigned long k = 0; k < count; ++k) {
            halvane::reader::CatalogFile r;
            const std::string path = "BKFSET1(Dailyadmin)C\\data\\folder" + std::to_string(k % folders) + "\\file" +
                                     std::to_string(k) + ".log";
            r.SetPath(std::u16string(path.begin(), path.end()));
            halvane::platform::SendToUi(&frame, [&] { return frame.OnFileFound(r); });
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
    // Whatever the window still owes the user: the last refresh and paint.
    frame.Tree()->repaint();
    QCoreApplication::processEvents();
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // A click on the fullest folder lists all its files, one record read each.
    halvane::widgets::TreeItems::Item* folder = &frame.Tree()->Items().TopLevel(0);
    while (folder->HasChildren() && folder->Child(folder->ChildCount() - 1).HasChildren())
        folder = &folder->Child(folder->ChildCount() - 1);
    const auto clickStart = std::chrono::steady_clock::now();
    frame.OnTreeItemClicked(folder);
    const double click = std::chrono::duration<double>(std::chrono::steady_clock::now() - clickStart).count();
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    std::printf("tree %lu records in %lu folder(s): %.2f s, peak %ld MiB; listing %zu rows: %.2f s\n", count, folders,
                s, u.ru_maxrss / 1024, static_cast<std::size_t>(frame.FileList()->ItemCount()), click);
    return 0;
}

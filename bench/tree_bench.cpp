// Feeds records through the real file-found handler of the main window
// (offscreen) and times the tree: N records in one folder, or spread over
// folders.   tree_bench COUNT FOLDERS
#include "app/qt/MainFrame.h"
#include "tests/support/BackupBuilder.h"

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

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
    const unsigned long folders = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 1;
    const std::string empty = "/tmp/halvane-tree-bench-empty.bkf";
    halvane::testing::WriteFile(empty, {});
    NoDialogs dialogs;
    halvane::app::CMainFrame frame(dialogs);
    frame.show();
    frame.OnOpenPath(QString::fromStdString(empty));
    frame.WaitForWorker();
    const auto start = std::chrono::steady_clock::now();
    for (unsigned long k = 0; k < count; ++k) {
        halvane::reader::CatalogFile r;
        const std::string path = "BKFSET1(Dailyadmin)C\\data\\folder" + std::to_string(k % folders) + "\\file" +
                                 std::to_string(k) + ".log";
        r.SetPath(std::u16string(path.begin(), path.end()));
        frame.OnFileFound(r);
        if (k % 1000 == 0)
            QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    std::printf("tree %lu records in %lu folder(s): %.2f s, peak %ld MiB\n", count, folders, s, u.ru_maxrss / 1024);
    return 0;
}

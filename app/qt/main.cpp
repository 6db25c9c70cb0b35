// halvane: the desktop program. `halvane BACKUP.bkf` opens and scans that
// backup as if it had been chosen with Open.
#include "app/qt/HalvaneApplication.h"
#include "app/qt/MainFrame.h"
#include "platform/qt/AppInfo.h"
#include "platform/qt/SingleInstance.h"

#include <QMessageBox>
#include <QTimer>

int main(int argc, char** argv)
{
    halvane::platform::SingleInstance instance;
    halvane::platform::QtUserDialogs dialogs;
    halvane::app::HalvaneApplication app(argc, argv, dialogs);
    if (instance.AnotherIsRunning()) {
        QMessageBox::information(nullptr, halvane::platform::ApplicationTitle(),
                                 "Another instance of application is already running");
        return 0;
    }
    halvane::app::CMainFrame frame(dialogs);
    frame.showMaximized();
    const QStringList args = app.arguments();
    if (args.size() > 1)
        QTimer::singleShot(0, &frame, [&frame, path = args.at(1)] { frame.OnOpenPath(path); });
    return app.exec();
}

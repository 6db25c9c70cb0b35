// The application object: an exception that escapes any handler is caught
// here, at one boundary, and shown with its text; it never ends the program.
#pragma once

#include "platform/qt/UserDialogs.h"

#include <QApplication>

namespace halvane::app {

class HalvaneApplication : public QApplication {
public:
    HalvaneApplication(int& argc, char** argv, platform::UserDialogs& dialogs);
    bool notify(QObject* receiver, QEvent* event) override;

private:
    platform::UserDialogs& dialogs_;
};

}  // namespace halvane::app

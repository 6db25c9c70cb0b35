#include "app/qt/HalvaneApplication.h"

#include "platform/FileError.h"

#include <exception>

namespace halvane::app {

HalvaneApplication::HalvaneApplication(int& argc, char** argv, platform::UserDialogs& dialogs)
    : QApplication(argc, argv), dialogs_(dialogs)
{
}

bool HalvaneApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const platform::FileError& error) {
        dialogs_.MessageBox(nullptr, QString::fromStdString(error.Describe()), platform::kMbIconInformation);
    } catch (const std::exception& error) {
        dialogs_.MessageBox(nullptr, QString::fromUtf8(error.what()), platform::kMbIconInformation);
    }
    return false;
}

}  // namespace halvane::app

#include "platform/qt/UserDialogs.h"

#include "platform/KitMarkup.h"
#include "platform/qt/AppInfo.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>

namespace halvane::platform {

int QtUserDialogs::MessageBox(QWidget* owner, const QString& text, int style)
{
    QMessageBox box(owner != nullptr ? owner : QApplication::activeWindow());
    box.setWindowTitle(ApplicationTitle());
    box.setTextFormat(Qt::RichText);
    box.setTextInteractionFlags(Qt::TextBrowserInteraction);
    box.setText(QString::fromStdString(KitMarkupToHtml(text.toStdString())));
    if (auto* label = box.findChild<QLabel*>("qt_msgbox_label"))
        label->setOpenExternalLinks(true);
    box.setIcon((style & 0xF0) == kMbIconQuestion ? QMessageBox::Question : QMessageBox::Information);
    if ((style & 0x0F) == kMbYesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? kIdYes : kIdNo;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return kIdOk;
}

QString QtUserDialogs::OpenFileName(QWidget* owner, const QString& filter)
{
    return QFileDialog::getOpenFileName(owner, QString(), QString(), filter);
}

}  // namespace halvane::platform

#include "app/qt/OutputWnd.h"

#include "widgets/LogView.h"

#include <QFontDatabase>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace halvane::app {

COutputWnd::COutputWnd(QWidget* parent) : QWidget(parent), tabs_(new QTabWidget(this))
{
    const QFont paneFont = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    tabs_->setTabPosition(QTabWidget::South);
    tabs_->setDocumentMode(true);
    log_ = new widgets::LogView(tabs_);
    log_->setFont(paneFont);
    // The preview area: white until a file is shown in it.
    auto* viewer = new QLabel("Select file to see preview.....", tabs_);
    viewer->setAutoFillBackground(true);
    viewer->setStyleSheet("background: white; color: white;");
    viewer->setFont(paneFont);
    viewer_ = viewer;
    tabs_->addTab(log_, "Log Window");
    tabs_->addTab(viewer_, "File Viewer");
    tabs_->setCurrentIndex(kLogTab);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs_);
}

}  // namespace halvane::app

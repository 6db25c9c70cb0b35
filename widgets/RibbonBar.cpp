#include "widgets/RibbonBar.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace halvane::widgets {

RibbonBar::RibbonBar(const QString& category, QWidget* parent) : QWidget(parent)
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 2, 4, 2);
    auto* top = new QHBoxLayout;
    appButton_ = new QToolButton(this);
    appButton_->setFixedSize(42, 42);
    appButton_->setAutoRaise(true);
    top->addWidget(appButton_);
    auto* tab = new QLabel(category, this);
    tab->setObjectName("ribbonCategory");
    top->addWidget(tab);
    top->addStretch();
    outer->addLayout(top);
    panels_ = new QHBoxLayout;
    panels_->setSpacing(6);
    outer->addLayout(panels_);
    panels_->addStretch();
}

QIcon RibbonBar::StripIcon(const QImage& smallStrip, const QImage& largeStrip, int index)
{
    QIcon icon;
    for (const QImage* strip : {&smallStrip, &largeStrip}) {
        const int size = strip->height();
        if (size > 0 && (index + 1) * size <= strip->width())
            icon.addPixmap(QPixmap::fromImage(strip->copy(index * size, 0, size, size)));
    }
    return icon;
}

void RibbonBar::AddPanel(const QString& caption, const QIcon& icon)
{
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    auto* column = new QVBoxLayout(frame);
    column->setContentsMargins(4, 2, 4, 2);
    current_ = new QHBoxLayout;
    column->addLayout(current_);
    auto* captionRow = new QHBoxLayout;
    captionRow->addStretch();
    if (!icon.isNull()) {
        auto* iconLabel = new QLabel(frame);
        iconLabel->setPixmap(icon.pixmap(16, 16));
        captionRow->addWidget(iconLabel);
    }
    auto* label = new QLabel(caption, frame);
    label->setAlignment(Qt::AlignCenter);
    captionRow->addWidget(label);
    captionRow->addStretch();
    column->addLayout(captionRow);
    panels_->insertWidget(panels_->count() - 1, frame);
}

QToolButton* RibbonBar::AddButton(int id, const QString& caption, const QString& tooltip, const QIcon& icon)
{
    auto* button = new QToolButton(this);
    button->setText(caption);
    button->setToolTip(tooltip);
    button->setIcon(icon);
    button->setIconSize(QSize(32, 32));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setMinimumWidth(52);
    connect(button, &QToolButton::clicked, this, [this, id] { emit Command(id); });
    if (current_ == nullptr)
        AddPanel(QString());
    current_->addWidget(button);
    buttons_[id] = button;
    return button;
}

QToolButton* RibbonBar::Button(int id) const
{
    const auto it = buttons_.find(id);
    return it == buttons_.end() ? nullptr : it->second;
}

}  // namespace halvane::widgets

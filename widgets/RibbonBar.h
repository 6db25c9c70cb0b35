// A ribbon: an application button, one category caption and panels of large
// buttons with captions and tooltips. It shows no context menu.
#pragma once

#include <QIcon>
#include <QToolButton>
#include <QWidget>

#include <map>

class QHBoxLayout;

namespace halvane::widgets {

class RibbonBar : public QWidget {
    Q_OBJECT
public:
    explicit RibbonBar(const QString& category, QWidget* parent = nullptr);
    // Starts a new panel with a caption (and its icon) under its buttons.
    void AddPanel(const QString& caption, const QIcon& icon = QIcon());
    // Adds a large button with caption and tooltip to the last panel.
    QToolButton* AddButton(int id, const QString& caption, const QString& tooltip, const QIcon& icon);
    [[nodiscard]] QToolButton* Button(int id) const;
    QToolButton* ApplicationButton() const { return appButton_; }

    // Image `index` of an image strip (square images side by side), as an
    // icon with the small and the large size.
    static QIcon StripIcon(const QImage& smallStrip, const QImage& largeStrip, int index);

signals:
    void Command(int id);

protected:
    void contextMenuEvent(QContextMenuEvent*) override {}

private:
    QHBoxLayout* panels_;
    QHBoxLayout* current_ = nullptr;
    QToolButton* appButton_;
    std::map<int, QToolButton*> buttons_;
};

}  // namespace halvane::widgets

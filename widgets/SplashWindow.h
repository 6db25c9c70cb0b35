// The kit's splash window: a picture whose pixels of the key colour are
// transparent and shape the window, with a text drawn on it, centred on the
// screen. It fades in, stays, fades out and deletes itself; it takes no
// clicks, no keys and no focus.
// Ownership: a child of its owner (deleted with it at the latest). UI thread.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

namespace halvane::widgets {

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    struct Timing {
        int fadeInMs = 500;
        int showMs = 2000;  // from the start until the fade-out begins
        int fadeOutMs = 200;
    };

    SplashWindow(const QImage& picture, QColor key, const QString& text, QWidget* owner, Timing timing);
    SplashWindow(const QImage& picture, QColor key, const QString& text, QWidget* owner)
        : SplashWindow(picture, key, text, owner, Timing{}) {}
    // Shows it and starts the fades; the window deletes itself at the end.
    void Start();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Fade(qreal from, qreal to, int ms, bool thenClose);

    QImage picture_;
    Timing timing_;
};

}  // namespace halvane::widgets

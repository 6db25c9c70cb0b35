#include "widgets/SplashWindow.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QVariantAnimation>

namespace halvane::widgets {

SplashWindow::SplashWindow(const QImage& picture, QColor key, const QString& text, QWidget* owner, Timing timing)
    : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                         Qt::WindowDoesNotAcceptFocus),
      picture_(picture.convertToFormat(QImage::Format_RGB32)), timing_(timing)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    {
        QPainter p(&picture_);
        QFont f = font();
        f.setBold(true);
        f.setPixelSize(14);
        p.setFont(f);
        p.setPen(Qt::white);
        // Bottom right of the picture, clear of its transparent rim.
        p.drawText(picture_.rect().adjusted(0, 0, -28, -26), Qt::AlignRight | Qt::AlignBottom, text);
    }
    setFixedSize(picture_.size());
    // The bitmap made from this mask image keeps every pixel that is not the
    // key colour (the GUI test checks a corner and the centre).
    const QImage mask = picture_.createMaskFromColor(key.rgb(), Qt::MaskInColor);
    setMask(QBitmap::fromImage(mask));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void SplashWindow::Start()
{
    setWindowOpacity(0.0);
    show();
    Fade(0.0, 1.0, timing_.fadeInMs, false);
    QTimer::singleShot(timing_.showMs, this, [this] { Fade(1.0, 0.0, timing_.fadeOutMs, true); });
}

void SplashWindow::Fade(qreal from, qreal to, int ms, bool thenClose)
{
    auto* fade = new QVariantAnimation(this);
    fade->setStartValue(from);
    fade->setEndValue(to);
    fade->setDuration(ms);
    connect(fade, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) { setWindowOpacity(v.toReal()); });
    if (thenClose)
        connect(fade, &QVariantAnimation::finished, this, &QObject::deleteLater);
    fade->start(QAbstractAnimation::DeleteWhenStopped);
}

void SplashWindow::paintEvent(QPaintEvent*)
{
    QPainter(this).drawImage(0, 0, picture_);
}

}  // namespace halvane::widgets

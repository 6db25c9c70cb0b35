// draw_images OUTDIR: paints the program's bitmaps (ribbon image strips,
// panel icons, the application button, the splash picture and the file
// list's background) and writes them as PNG files. The committed files in
// res/images come from this tool; run it again after changing a drawing.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdio>
#include <functional>

namespace {

using Draw = std::function<void(QPainter&, const QRectF&)>;

QColor Blue() { return QColor(40, 96, 170); }

void Folder(QPainter& p, const QRectF& r)
{
    const qreal u = r.width() / 16;
    QPainterPath back;
    back.moveTo(r.left() + 1 * u, r.top() + 4 * u);
    back.lineTo(r.left() + 6 * u, r.top() + 4 * u);
    back.lineTo(r.left() + 7 * u, r.top() + 5.5 * u);
    back.lineTo(r.left() + 15 * u, r.top() + 5.5 * u);
    back.lineTo(r.left() + 15 * u, r.top() + 14 * u);
    back.lineTo(r.left() + 1 * u, r.top() + 14 * u);
    back.closeSubpath();
    p.setPen(QPen(QColor(150, 110, 20), std::max<qreal>(1, u * 0.6)));
    p.setBrush(QColor(240, 200, 80));
    p.drawPath(back);
    QPainterPath front;
    front.moveTo(r.left() + 3 * u, r.top() + 7.5 * u);
    front.lineTo(r.left() + 15.5 * u, r.top() + 7.5 * u);
    front.lineTo(r.left() + 13.5 * u, r.top() + 14 * u);
    front.lineTo(r.left() + 1 * u, r.top() + 14 * u);
    front.closeSubpath();
    p.setBrush(QColor(252, 222, 120));
    p.drawPath(front);
}

void Arrow(QPainter& p, const QRectF& r, bool down, const QColor& colour)
{
    const qreal u = r.width() / 16;
    QPainterPath a;
    const qreal cx = r.center().x();
    const qreal tip = down ? r.top() + 15 * u : r.top() + 1 * u;
    const qreal base = down ? r.top() + 9 * u : r.top() + 7 * u;
    const qreal tail = down ? r.top() + 2 * u : r.top() + 14 * u;
    a.moveTo(cx, tip);
    a.lineTo(cx - 5 * u, base);
    a.lineTo(cx - 2 * u, base);
    a.lineTo(cx - 2 * u, tail);
    a.lineTo(cx + 2 * u, tail);
    a.lineTo(cx + 2 * u, base);
    a.lineTo(cx + 5 * u, base);
    a.closeSubpath();
    p.setPen(QPen(colour.darker(150), std::max<qreal>(1, u * 0.6)));
    p.setBrush(colour);
    p.drawPath(a);
}

void Open(QPainter& p, const QRectF& r)
{
    Folder(p, r);
}

void Stop(QPainter& p, const QRectF& r)
{
    const qreal u = r.width() / 16;
    QPolygonF octagon;
    for (int i = 0; i < 8; ++i) {
        const double a = (22.5 + 45 * i) * M_PI / 180;
        octagon << QPointF(r.center().x() + 7 * u * std::cos(a), r.center().y() + 7 * u * std::sin(a));
    }
    p.setPen(QPen(QColor(120, 0, 0), std::max<qreal>(1, u * 0.6)));
    p.setBrush(QColor(210, 30, 30));
    p.drawPolygon(octagon);
    p.fillRect(QRectF(r.left() + 4 * u, r.center().y() - 1.2 * u, 8 * u, 2.4 * u), Qt::white);
}

void Save(QPainter& p, const QRectF& r)
{
    const qreal u = r.width() / 16;
    p.setPen(QPen(QColor(60, 60, 60), std::max<qreal>(1, u * 0.6)));
    p.setBrush(QColor(200, 200, 205));
    p.drawRoundedRect(QRectF(r.left() + 1 * u, r.top() + 10 * u, 14 * u, 5 * u), u, u);
    Arrow(p, QRectF(r.left(), r.top() - 1 * u, r.width(), r.height()), true, QColor(40, 160, 60));
}

void Search(QPainter& p, const QRectF& r)
{
    const qreal u = r.width() / 16;
    p.setPen(QPen(QColor(90, 60, 30), 2.6 * u, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(r.left() + 10 * u, r.top() + 10 * u), QPointF(r.left() + 14.5 * u, r.top() + 14.5 * u));
    p.setPen(QPen(QColor(50, 50, 60), 1.4 * u));
    p.setBrush(QColor(190, 225, 250));
    p.drawEllipse(QRectF(r.left() + 1.5 * u, r.top() + 1.5 * u, 10 * u, 10 * u));
}

void Page(QPainter& p, const QRectF& r)
{
    const qreal u = r.width() / 16;
    p.setPen(QPen(QColor(90, 90, 100), std::max<qreal>(1, u * 0.6)));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(r.left() + 3 * u, r.top() + 1 * u, 10 * u, 14 * u));
    p.setPen(QPen(Blue(), std::max<qreal>(1, u * 0.8)));
    for (int i = 0; i < 5; ++i)
        p.drawLine(QPointF(r.left() + 5 * u, r.top() + (4 + 2.2 * i) * u),
                   QPointF(r.left() + 11 * u, r.top() + (4 + 2.2 * i) * u));
}

void Camera(QPainter& p, const QRectF& r)
{
    const qreal u = r.width() / 16;
    p.setPen(QPen(QColor(40, 40, 50), std::max<qreal>(1, u * 0.6)));
    p.setBrush(QColor(110, 120, 140));
    p.drawRoundedRect(QRectF(r.left() + 1 * u, r.top() + 5 * u, 14 * u, 9 * u), u, u);
    p.drawRect(QRectF(r.left() + 5 * u, r.top() + 3 * u, 6 * u, 2 * u));
    p.setBrush(QColor(200, 230, 255));
    p.drawEllipse(QRectF(r.left() + 5 * u, r.top() + 6.5 * u, 6 * u, 6 * u));
}

void LoadSnapshot(QPainter& p, const QRectF& r)
{
    Camera(p, r);
    const qreal u = r.width() / 16;
    Arrow(p, QRectF(r.left() + 7 * u, r.top() - 1 * u, 9 * u, 9 * u), false, QColor(230, 170, 30));
}

void SaveSnapshot(QPainter& p, const QRectF& r)
{
    Camera(p, r);
    const qreal u = r.width() / 16;
    Arrow(p, QRectF(r.left() + 7 * u, r.top() - 1 * u, 9 * u, 9 * u), true, QColor(40, 160, 60));
}

void Badge(QPainter& p, const QRectF& r, const QString& mark)
{
    const qreal u = r.width() / 16;
    p.setPen(QPen(Blue().darker(140), std::max<qreal>(1, u * 0.6)));
    p.setBrush(Blue());
    p.drawEllipse(r.adjusted(u, u, -u, -u));
    QFont f("DejaVu Sans");
    f.setBold(true);
    f.setPixelSize(static_cast<int>(10 * u));
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, mark);
}

void Help(QPainter& p, const QRectF& r)
{
    Badge(p, r, "?");
}

void About(QPainter& p, const QRectF& r)
{
    Badge(p, r, "i");
}

// The ribbon's buttons, in image-index order.
const Draw kButtons[] = {Open, Stop, Save, Search, Page, LoadSnapshot, SaveSnapshot, Help, About};

QImage Strip(const Draw* draws, int count, int size)
{
    QImage image(size * count, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < count; ++i)
        draws[i](p, QRectF(i * size, 0, size, size));
    return image;
}

QImage ApplicationButton()
{
    QImage image(42, 42, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(16, 12), 30);
    g.setColorAt(0, QColor(120, 170, 235));
    g.setColorAt(1, QColor(20, 60, 130));
    p.setPen(QPen(QColor(15, 40, 90), 1.5));
    p.setBrush(g);
    p.drawEllipse(QRectF(1.5, 1.5, 39, 39));
    Page(p, QRectF(9, 9, 24, 24));
    return image;
}

// The splash: a rounded card on the key colour (255, 0, 255), which the
// splash window leaves transparent, with a dark band below and to the right
// of the card as its shadow.
QImage Splash()
{
    QImage image(480, 280, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 255));
    QPainter p(&image);
    const QRectF card(0, 0, 472, 272);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 70, 80));
    p.drawRoundedRect(card.translated(8, 8), 18, 18);
    QLinearGradient g(card.topLeft(), card.bottomLeft());
    g.setColorAt(0, QColor(38, 92, 168));
    g.setColorAt(1, QColor(14, 40, 90));
    p.setBrush(g);
    p.drawRoundedRect(card, 18, 18);
    p.setRenderHint(QPainter::Antialiasing);
    Page(p, QRectF(36, 70, 96, 96));
    Search(p, QRectF(92, 120, 64, 64));
    QFont title("DejaVu Sans");
    title.setBold(true);
    title.setPixelSize(40);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRectF(170, 80, 290, 50), Qt::AlignLeft | Qt::AlignVCenter, "Halvane");
    QFont sub("DejaVu Sans");
    sub.setPixelSize(16);
    p.setFont(sub);
    p.setPen(QColor(200, 220, 250));
    p.drawText(QRectF(172, 130, 290, 60), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               "Exchange BKF file recovery");
    return image;
}

QImage ListBackground()
{
    QImage image(400, 300, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient g(0, 0, 0, 300);
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(1, QColor(232, 238, 247));
    p.fillRect(image.rect(), g);
    p.setRenderHint(QPainter::Antialiasing);
    p.setOpacity(0.07);
    Page(p, QRectF(250, 150, 130, 130));
    return image;
}

bool Write(const QImage& image, const QString& path)
{
    if (image.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "draw_images: cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_images OUTDIR\n");
        return 2;
    }
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    const QString dir = QString::fromLocal8Bit(argv[1]) + "/";
    const int count = static_cast<int>(std::size(kButtons));
    const Draw panels[] = {About, Open, LoadSnapshot};
    const bool ok = Write(Strip(kButtons, count, 32), dir + "ribbon-large.png") &&
                    Write(Strip(kButtons, count, 16), dir + "ribbon-small.png") &&
                    Write(Strip(panels, 3, 16), dir + "panel-icons.png") &&
                    Write(ApplicationButton(), dir + "application-button.png") && Write(Splash(), dir + "splash.png") &&
                    Write(ListBackground(), dir + "list-background.png");
    return ok ? 0 : 1;
}

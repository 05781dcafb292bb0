// Draws the pictures of the floor heating dialogs into PNG files of the given folder: the four
// "Užít" switches of the spacing series (used, not used; enabled, then greyed for a system that
// has no choice). Run by hand when a picture changes; the PNG files are kept with the dialogs'
// resources.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

namespace
{
const QColor kMask(0x40, 0x40, 0x40); // transparent in the image list
const QColor kInk(30, 30, 40);
const QColor kGrey(150, 150, 150);
const QColor kBox(255, 255, 255);
const QColor kGreyBox(225, 225, 225);
constexpr int kSize = 13;

// One check box of 13 × 13 pixels at x, ticked or empty, in full or greyed colours.
void Switch(QPainter& p, int x, bool ticked, bool enabled)
{
    const QColor ink = enabled ? kInk : kGrey;
    p.setPen(QPen(ink, 1));
    p.setBrush(enabled ? kBox : kGreyBox);
    p.drawRect(QRect(x + 1, 1, kSize - 3, kSize - 3));
    if (!ticked)
        return;
    p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    const QPoint tick[] = {QPoint(x + 3, 6), QPoint(x + 5, 9), QPoint(x + 9, 3)};
    p.drawPolyline(tick, 3);
}
} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QImage strip(4 * kSize, kSize, QImage::Format_RGB32);
    strip.fill(kMask);
    QPainter p(&strip);
    Switch(p, 0 * kSize, true, true);
    Switch(p, 1 * kSize, false, true);
    Switch(p, 2 * kSize, true, false);
    Switch(p, 3 * kSize, false, false);
    p.end();
    return strip.save(folder + "/series-use.png") ? 0 : 1;
}

// Draws the heating design program's pictures (tool bar, buttons, logo, start picture, icon)
// into PNG files of the given folder. Run by hand when a picture changes; the PNG files are
// kept with the program's resources.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <functional>
#include <vector>

namespace
{
const QColor kInk(40, 40, 60);
const QColor kHeat(210, 40, 30);
const QColor kBlue(40, 90, 190);
const QColor kYellow(240, 200, 60);
const QColor kPaper(255, 255, 250);

using Drawing = std::function<void(QPainter&)>;

QImage Draw(int width, int height, const Drawing& draw, QColor background = Qt::transparent)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(background);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return image;
}

void Page(QPainter& p, QRectF r)
{
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 3, r.top());
    path.lineTo(r.right(), r.top() + 3);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawPath(path);
}

void House(QPainter& p, QColor wall)
{
    p.setPen(QPen(kInk, 1));
    p.setBrush(wall);
    p.drawRect(QRectF(3.5, 7.5, 9, 7));
    QPolygonF roof{{1.5, 8}, {8, 1.5}, {14.5, 8}};
    p.setBrush(QColor(170, 60, 40));
    p.drawPolygon(roof);
}

void Meander(QPainter& p, QRectF r, int turns, bool vertical)
{
    QPainterPath path;
    const double step = (vertical ? r.width() : r.height()) / turns;
    for (int i = 0; i <= turns; ++i)
    {
        const double at = (vertical ? r.left() : r.top()) + i * step;
        const QPointF a = vertical ? QPointF(at, i % 2 ? r.bottom() : r.top()) : QPointF(i % 2 ? r.right() : r.left(), at);
        const QPointF b = vertical ? QPointF(at, i % 2 ? r.top() : r.bottom()) : QPointF(i % 2 ? r.left() : r.right(), at);
        if (i == 0)
            path.moveTo(a);
        else
            path.lineTo(a);
        path.lineTo(b);
    }
    p.setPen(QPen(kHeat, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void Arrow(QPainter& p, QPointF from, QPointF to, QColor colour)
{
    p.setPen(QPen(colour, 1.5));
    p.drawLine(from, to);
    const double angle = std::atan2(to.y() - from.y(), to.x() - from.x());
    const QPointF left = to - QPointF(std::cos(angle - 0.5) * 3.5, std::sin(angle - 0.5) * 3.5);
    const QPointF right = to - QPointF(std::cos(angle + 0.5) * 3.5, std::sin(angle + 0.5) * 3.5);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF{to, left, right});
}

void Text(QPainter& p, QRectF r, const QString& text, int pixelSize, QColor colour, bool bold = true)
{
    QFont font("DejaVu Sans");
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(r, Qt::AlignCenter, text);
}

std::vector<Drawing> ToolbarButtons()
{
    return {
        [](QPainter& p) { Page(p, QRectF(3.5, 1.5, 9, 13)); }, // new
        [](QPainter& p) { // open
            p.setPen(QPen(kInk, 1));
            p.setBrush(kYellow.darker(115));
            p.drawRect(QRectF(1.5, 4.5, 12, 9));
            p.setBrush(kYellow);
            p.drawPolygon(QPolygonF{{3.5, 7.5}, {15, 7.5}, {12.5, 13.5}, {1.5, 13.5}});
        },
        [](QPainter& p) { // save
            p.setPen(QPen(kInk, 1));
            p.setBrush(kBlue);
            p.drawRect(QRectF(1.5, 1.5, 13, 13));
            p.setBrush(kPaper);
            p.drawRect(QRectF(4.5, 1.5, 7, 5));
            p.setBrush(QColor(200, 200, 210));
            p.drawRect(QRectF(4.5, 9.5, 7, 5));
        },
        [](QPainter& p) { // cut
            p.setPen(QPen(kInk, 1.3));
            p.drawLine(QPointF(4, 1), QPointF(10, 10));
            p.drawLine(QPointF(12, 1), QPointF(6, 10));
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(kBlue, 1.5));
            p.drawEllipse(QPointF(4.5, 12), 2.5, 2.5);
            p.drawEllipse(QPointF(11.5, 12), 2.5, 2.5);
        },
        [](QPainter& p) { // copy
            Page(p, QRectF(1.5, 1.5, 8, 10));
            Page(p, QRectF(6.5, 4.5, 8, 10));
        },
        [](QPainter& p) { // paste
            p.setPen(QPen(kInk, 1));
            p.setBrush(QColor(170, 120, 60));
            p.drawRect(QRectF(1.5, 2.5, 10, 12));
            p.setBrush(QColor(200, 200, 200));
            p.drawRect(QRectF(4.5, 1.5, 4, 3));
            Page(p, QRectF(6.5, 6.5, 8, 9));
        },
        [](QPainter& p) { // CAD choice: set square and pencil line
            p.setPen(QPen(kBlue, 1));
            p.setBrush(QColor(120, 170, 230, 160));
            p.drawPolygon(QPolygonF{{1.5, 14.5}, {1.5, 2.5}, {13.5, 14.5}});
            p.setPen(QPen(kHeat, 1.5));
            p.drawLine(QPointF(6, 10), QPointF(15, 1));
        },
        [](QPainter& p) { // settings: gear
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(100, 100, 110));
            for (int i = 0; i < 8; ++i)
            {
                p.save();
                p.translate(8, 8);
                p.rotate(i * 45);
                p.drawRect(QRectF(-1.5, -7.5, 3, 4));
                p.restore();
            }
            p.drawEllipse(QPointF(8, 8), 5, 5);
            p.setBrush(QColor(230, 230, 230));
            p.drawEllipse(QPointF(8, 8), 2, 2);
        },
        [](QPainter& p) { // changed conditions: thermometer
            p.setPen(QPen(kInk, 1));
            p.setBrush(kPaper);
            p.drawRoundedRect(QRectF(4.5, 1.5, 4, 10), 2, 2);
            p.setBrush(kHeat);
            p.drawEllipse(QPointF(6.5, 12.5), 3, 3);
            p.drawRect(QRectF(5.5, 6, 2, 6));
            Arrow(p, QPointF(12, 12), QPointF(12, 3), kBlue);
        },
        [](QPainter& p) { // basic data: house with "i"
            House(p, kPaper);
            Text(p, QRectF(3, 7, 10, 8), "i", 7, kBlue);
        },
        [](QPainter& p) { // input data: table with a pencil
            p.setPen(QPen(kInk, 1));
            p.setBrush(kPaper);
            p.drawRect(QRectF(1.5, 2.5, 11, 11));
            for (double y : {6.5, 10.5})
                p.drawLine(QPointF(1.5, y), QPointF(12.5, y));
            p.drawLine(QPointF(5.5, 2.5), QPointF(5.5, 13.5));
            p.setPen(QPen(kYellow.darker(130), 2.2));
            p.drawLine(QPointF(8, 14), QPointF(15, 7));
        },
        [](QPainter& p) { // heat-loss calculation: house losing heat
            House(p, QColor(250, 220, 200));
            Arrow(p, QPointF(9, 11), QPointF(15, 11), kHeat);
        },
        [](QPainter& p) { // loss split: pie
            p.setPen(QPen(kInk, 1));
            p.setBrush(kHeat);
            p.drawPie(QRectF(1.5, 1.5, 13, 13), 90 * 16, 200 * 16);
            p.setBrush(kBlue);
            p.drawPie(QRectF(1.5, 1.5, 13, 13), 290 * 16, 100 * 16);
            p.setBrush(kYellow);
            p.drawPie(QRectF(1.5, 1.5, 13, 13), 30 * 16, 60 * 16);
        },
        [](QPainter& p) { // floor heating
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(200, 190, 170));
            p.drawRect(QRectF(0, 12, 16, 4));
            Meander(p, QRectF(1.5, 2, 13, 9), 4, false);
        },
        [](QPainter& p) { // wall heating
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(200, 190, 170));
            p.drawRect(QRectF(0, 0, 4, 16));
            Meander(p, QRectF(5, 1.5, 10, 13), 4, true);
        },
        [](QPainter& p) { // pipe sizing
            p.setPen(QPen(kBlue, 3));
            p.drawLine(QPointF(1, 5), QPointF(15, 5));
            p.setPen(QPen(kHeat, 2));
            p.drawLine(QPointF(1, 11), QPointF(15, 11));
            Text(p, QRectF(5, 5.5, 8, 6), "Ø", 7, kInk);
        },
        [](QPainter& p) { // preview
            Page(p, QRectF(1.5, 1.5, 9, 12));
            p.setPen(QPen(kInk, 1.5));
            p.setBrush(QColor(200, 230, 255, 200));
            p.drawEllipse(QPointF(9, 8), 3.5, 3.5);
            p.drawLine(QPointF(11.5, 10.5), QPointF(15, 14));
        },
        [](QPainter& p) { // print
            Page(p, QRectF(4.5, 1.5, 7, 6));
            p.setPen(QPen(kInk, 1));
            p.setBrush(QColor(170, 170, 180));
            p.drawRect(QRectF(1.5, 6.5, 13, 6));
            p.setBrush(kPaper);
            p.drawRect(QRectF(4.5, 10.5, 7, 4));
        },
        [](QPainter& p) { // about
            p.setPen(Qt::NoPen);
            p.setBrush(kBlue);
            p.drawEllipse(QRectF(1, 1, 14, 14));
            Text(p, QRectF(1, 1, 14, 14), "?", 11, Qt::white);
        },
    };
}

QImage Toolbar()
{
    const std::vector<Drawing> buttons = ToolbarButtons();
    return Draw(16 * int(buttons.size()), 16, [&](QPainter& p) {
        for (std::size_t i = 0; i < buttons.size(); ++i)
        {
            p.save();
            p.translate(16.0 * double(i), 0);
            buttons[i](p);
            p.restore();
        }
    });
}

void WallSection(QPainter& p)
{
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(210, 150, 120));
    p.drawRect(QRectF(12.5, 3.5, 8, 26));
    p.setBrush(QColor(240, 240, 200));
    p.drawRect(QRectF(10.5, 3.5, 2, 26));
}

std::vector<Drawing> DataEditorButtons()
{
    return {
        [](QPainter& p) { // wall U-value
            WallSection(p);
            Arrow(p, QPointF(2, 16), QPointF(30, 16), kHeat);
            Text(p, QRectF(0, 20, 12, 10), "U", 9, kInk);
        },
        [](QPainter& p) { // opening U-value
            p.setPen(QPen(kInk, 1));
            p.setBrush(QColor(190, 220, 250));
            p.drawRect(QRectF(8.5, 4.5, 15, 22));
            p.drawLine(QPointF(16, 4.5), QPointF(16, 26.5));
            Arrow(p, QPointF(2, 16), QPointF(30, 16), kHeat);
        },
        [](QPainter& p) { // joint infiltration
            p.setPen(QPen(kInk, 1));
            p.setBrush(QColor(190, 220, 250));
            p.drawRect(QRectF(12.5, 3.5, 8, 26));
            p.setPen(QPen(kBlue, 1.3));
            p.setBrush(Qt::NoBrush);
            for (double y : {9.0, 16.0, 23.0})
            {
                QPainterPath wave;
                wave.moveTo(1, y);
                wave.cubicTo(5, y - 3, 7, y + 3, 11, y);
                p.drawPath(wave);
            }
        },
        [](QPainter& p) { // opening types: window and door
            p.setPen(QPen(kInk, 1));
            p.setBrush(QColor(190, 220, 250));
            p.drawRect(QRectF(2.5, 6.5, 12, 12));
            p.setBrush(QColor(170, 120, 60));
            p.drawRect(QRectF(18.5, 4.5, 11, 24));
            p.setBrush(kYellow);
            p.drawEllipse(QPointF(26.5, 17), 1.2, 1.2);
        },
        [](QPainter& p) { // floor covering resistance
            const QColor layers[] = {QColor(170, 110, 60), QColor(200, 200, 200), QColor(240, 230, 150), QColor(150, 150, 150)};
            p.setPen(QPen(kInk, 0.8));
            for (int i = 0; i < 4; ++i)
            {
                p.setBrush(layers[i]);
                p.drawRect(QRectF(2.5, 14.5 + i * 4, 27, 4));
            }
            Meander(p, QRectF(4, 19, 24, 2), 6, true);
            Text(p, QRectF(2, 1, 28, 12), "R", 11, kInk);
        },
    };
}

QImage Logo()
{
    return Draw(112, 22, [](QPainter& p) {
        p.fillRect(QRect(0, 0, 112, 22), QColor(239, 239, 239));
        QPainterPath flame;
        flame.moveTo(9, 20);
        flame.cubicTo(1, 16, 4, 8, 9, 2);
        flame.cubicTo(10, 8, 16, 11, 15, 15);
        flame.cubicTo(14, 19, 11, 20, 9, 20);
        QLinearGradient fire(0, 2, 0, 20);
        fire.setColorAt(0, kYellow);
        fire.setColorAt(1, kHeat);
        p.setPen(Qt::NoPen);
        p.setBrush(fire);
        p.drawPath(flame);
        QFont font("DejaVu Sans");
        font.setPixelSize(15);
        font.setBold(true);
        p.setFont(font);
        p.setPen(kBlue.darker(120));
        p.drawText(QRectF(19, 0, 93, 22), Qt::AlignVCenter | Qt::AlignLeft, "kalvenrod");
    });
}

QImage StartPicture()
{
    return Draw(480, 300, [](QPainter& p) {
        QLinearGradient sky(0, 0, 0, 300);
        sky.setColorAt(0, QColor(215, 232, 250));
        sky.setColorAt(1, QColor(250, 250, 245));
        p.fillRect(QRect(0, 0, 480, 300), sky);
        // A room in section: wall, floor with its heating pipes, a radiator under the window.
        p.setPen(QPen(kInk, 2));
        p.setBrush(QColor(245, 235, 220));
        p.drawRect(QRectF(250, 80, 200, 160));
        p.setBrush(QColor(200, 225, 250));
        p.drawRect(QRectF(330, 100, 70, 60));
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(QColor(235, 235, 240));
        p.drawRect(QRectF(330, 185, 70, 35));
        for (int x = 338; x < 400; x += 8)
            p.drawLine(QPointF(x, 188), QPointF(x, 217));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 185, 160));
        p.drawRect(QRectF(250, 240, 200, 14));
        Meander(p, QRectF(258, 243, 184, 7), 18, true);
        // Rising warmth.
        p.setPen(QPen(QColor(kHeat.red(), kHeat.green(), kHeat.blue(), 150), 2));
        p.setBrush(Qt::NoBrush);
        for (int x : {290, 310, 365})
        {
            QPainterPath wave;
            wave.moveTo(x, 175);
            wave.cubicTo(x - 8, 160, x + 8, 145, x, 130);
            p.drawPath(wave);
        }
        Text(p, QRectF(20, 80, 220, 50), "kalvenrod", 38, kBlue.darker(120));
        Text(p, QRectF(20, 130, 220, 24), "Návrh vytápění budov", 16, kInk, false);
        Text(p, QRectF(20, 156, 220, 20), "tepelné ztráty · podlahové a stěnové", 11, kInk, false);
        Text(p, QRectF(20, 174, 220, 20), "vytápění · otopná tělesa · potrubí", 11, kInk, false);
        Text(p, QRectF(20, 262, 440, 24), "verze 1.6.5", 11, QColor(90, 90, 110), false);
    });
}

QImage ProgramIcon(int size)
{
    return Draw(size, size, [size](QPainter& p) {
        p.scale(size / 32.0, size / 32.0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(235, 235, 240));
        p.drawRoundedRect(QRectF(1, 1, 30, 30), 5, 5);
        p.setPen(QPen(kInk, 1.5));
        for (int x = 6; x <= 26; x += 5)
            p.drawLine(QPointF(x, 12), QPointF(x, 27));
        p.drawLine(QPointF(4, 14), QPointF(28, 14));
        p.drawLine(QPointF(4, 25), QPointF(28, 25));
        QPainterPath flame;
        flame.moveTo(16, 11);
        flame.cubicTo(9, 8, 12, 4, 16, 1);
        flame.cubicTo(17, 5, 22, 6, 20, 9);
        flame.cubicTo(19, 11, 17, 11, 16, 11);
        p.setPen(Qt::NoPen);
        p.setBrush(kHeat);
        p.drawPath(flame);
    });
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    bool ok = Toolbar().save(folder.filePath("toolbar.png"));
    const std::vector<Drawing> buttons = DataEditorButtons();
    for (std::size_t i = 0; i < buttons.size(); ++i)
        ok = Draw(32, 32, buttons[i], QColor(240, 240, 240)).save(folder.filePath(QString("editor%1.png").arg(281 + int(i)))) && ok;
    ok = Logo().save(folder.filePath("logo.png")) && ok;
    ok = StartPicture().save(folder.filePath("start.png")) && ok;
    ok = ProgramIcon(32).save(folder.filePath("program.png")) && ok;
    return ok ? 0 : 1;
}

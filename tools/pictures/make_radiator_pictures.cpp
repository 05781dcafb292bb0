// Draws the pictures of the radiator dialogs (connection, placement and cover variants, the
// row images of the heating-type tree) into PNG files of the given folder. Run by hand when a
// picture changes; the PNG files are kept with the dialogs' resources.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <functional>

namespace
{
const QColor kInk(40, 40, 60);
const QColor kHot(210, 40, 30);
const QColor kCold(40, 90, 190);
const QColor kRadiator(235, 235, 240);
const QColor kWall(200, 190, 170);
const QColor kPaper(255, 255, 255);
const QColor kMask(255, 125, 125);

using Drawing = std::function<void(QPainter&)>;

bool Save(const QString& folder, const char* name, int width, int height, const Drawing& draw,
          QColor background = kPaper)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(background);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, background != kMask);
    draw(p);
    p.end();
    return image.save(folder + "/" + name);
}

// A panel radiator with its ribs.
void Radiator(QPainter& p, QRectF r)
{
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kRadiator);
    p.drawRect(r);
    for (double x = r.left() + 6; x < r.right() - 3; x += 6)
        p.drawLine(QPointF(x, r.top() + 3), QPointF(x, r.bottom() - 3));
}

void Pipe(QPainter& p, QPointF from, QPointF to, QColor colour)
{
    p.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
}

void Label(QPainter& p, QRectF r, const QString& text, int flags = Qt::AlignCenter)
{
    p.setPen(kInk);
    QFont font("Liberation Sans");
    font.setPixelSize(10);
    p.setFont(font);
    p.drawText(r, flags, text);
}

// Connection variants: the inlet (hot) and outlet (cold) at the radiator's sides.
// inletTop/outletTop: which end of the side; sameSide: both on the left.
// The picture stays inside the 107 × 60 dialog units of its control (160 × 90 pixels with the
// dialog font), the labels with their descenders.
void Connection(QPainter& p, bool inletTop, bool outletTop, bool sameSide, const QString& kind)
{
    const QRectF body(30, 20, 100, 46);
    Radiator(p, body);
    const double yIn = inletTop ? body.top() + 8 : body.bottom() - 8;
    const double yOut = outletTop ? body.top() + 8 : body.bottom() - 8;
    Pipe(p, QPointF(8, yIn), QPointF(body.left(), yIn), kHot);
    if (sameSide)
        Pipe(p, QPointF(body.left(), yOut), QPointF(8, yOut), kCold);
    else
        Pipe(p, QPointF(body.right(), yOut), QPointF(152, yOut), kCold);
    Label(p, QRectF(0, 2, 160, 14), kind);
    Label(p, QRectF(3, 68, 77, 16), "vstup", Qt::AlignLeft | Qt::AlignVCenter);
    Label(p, QRectF(80, 68, 77, 16), "výstup", Qt::AlignRight | Qt::AlignVCenter);
}

// Placement variants: a radiator under a window of an outer wall, on an outer wall without a
// window, on an inner wall.
void Placement(QPainter& p)
{
    const char* texts[] = {"pod oknem", "obvodová stěna", "vnitřní stěna"};
    for (int i = 0; i < 3; ++i)
    {
        const double x = 10 + i * 100;
        p.setPen(QPen(kInk, 1));
        p.setBrush(i < 2 ? kWall : kPaper);
        p.drawRect(QRectF(x, 10, 80, 70));
        if (i == 0)
        {
            p.setBrush(QColor(200, 230, 250));
            p.drawRect(QRectF(x + 15, 16, 50, 30));
        }
        Radiator(p, QRectF(x + 12, 52, 56, 22));
        Label(p, QRectF(x - 10, 82, 100, 14), texts[i]);
    }
}

// Cover variants: free, a shelf above, a niche, a grille in front at heights h, a full casing.
void Cover(QPainter& p)
{
    for (int i = 0; i < 8; ++i)
    {
        const double x = 12 + i * 80;
        const QRectF body(x + 12, 34, 30, 40);
        Radiator(p, body);
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(kWall);
        switch (i)
        {
        case 0: p.drawRect(QRectF(x + 4, 12, 46, 6)); break;                     // shelf close above
        case 1: break;                                                            // free
        case 2: p.drawRect(QRectF(x + 4, 20, 46, 5)); break;                     // shelf higher
        case 7: p.setBrush(Qt::NoBrush); p.drawRect(QRectF(x + 6, 24, 42, 56)); break; // casing
        default:
        {
            const double h = 40.0 - (i - 3) * 8; // grille ending h above the radiator's top
            p.setBrush(Qt::NoBrush);
            p.drawLine(QPointF(x + 48, 80), QPointF(x + 48, 80 - h - 6));
            static const char* heights[] = {"100", "80", "60", "40"};
            Label(p, QRectF(x, 84, 56, 12), QString("h = %1").arg(heights[i - 3]));
        }
        }
        Label(p, QRectF(x, 2, 56, 10), QString::number(i + 1));
    }
}

// Row images of the tree, 16 × 16 on the mask colour: three state images (expanded,
// collapsed, no children), then the levels building, room, radiator, floor circuit, wall
// circuit, (unused 6), other.
void TreeImages(QPainter& p)
{
    auto box = [&](int index, const std::function<void(QRectF)>& draw) { draw(QRectF(index * 16, 0, 16, 16)); };
    p.setPen(kInk);
    for (int state = 0; state < 3; ++state)
        box(state, [&](QRectF r) {
            p.setBrush(kPaper);
            p.drawRect(r.adjusted(3, 3, -4, -4));
            p.drawLine(QPointF(r.left() + 5, r.center().y()), QPointF(r.right() - 6, r.center().y()));
            if (state == 1)
                p.drawLine(QPointF(r.center().x(), r.top() + 5), QPointF(r.center().x(), r.bottom() - 6));
        });
    box(3, [&](QRectF r) { // building
        p.setBrush(QColor(210, 180, 140));
        p.drawRect(r.adjusted(3, 6, -4, -1));
        p.drawPolygon(QPolygonF{{r.left() + 1, r.top() + 7}, {r.center().x(), r.top() + 1}, {r.right() - 1, r.top() + 7}});
    });
    box(4, [&](QRectF r) { // room
        p.setBrush(QColor(240, 216, 0));
        p.drawRect(r.adjusted(2, 3, -3, -3));
    });
    box(5, [&](QRectF r) { // radiator
        p.setBrush(QColor(230, 230, 250));
        p.drawRect(r.adjusted(1, 4, -2, -4));
        for (int x = 4; x < 14; x += 3)
            p.drawLine(QPointF(r.left() + x, r.top() + 5), QPointF(r.left() + x, r.bottom() - 5));
    });
    auto meander = [&](QRectF r, QColor colour) {
        p.setPen(QPen(colour, 1));
        for (int row = 0; row < 4; ++row)
        {
            const double y = r.top() + 3 + row * 3;
            p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 3, y));
        }
        p.setPen(kInk);
    };
    box(6, [&](QRectF r) { meander(r, kHot); });  // floor circuit
    box(7, [&](QRectF r) { meander(r, kCold); }); // wall circuit
    box(9, [&](QRectF r) {                        // other
        p.setBrush(kPaper);
        p.drawEllipse(r.adjusted(4, 4, -5, -5));
    });
}
} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    bool ok = true;
    ok &= Save(folder, "connection1.png", 160, 86, [](QPainter& p) { Connection(p, true, false, true, "jednostranný"); });
    ok &= Save(folder, "connection2.png", 160, 86, [](QPainter& p) { Connection(p, true, false, false, "oboustranný"); });
    ok &= Save(folder, "connection3.png", 160, 86, [](QPainter& p) { Connection(p, false, false, false, "oboustranný"); });
    ok &= Save(folder, "connection4.png", 160, 86, [](QPainter& p) { Connection(p, false, true, false, "oboustranný"); });
    ok &= Save(folder, "connection5.png", 160, 86, [](QPainter& p) { Connection(p, false, false, true, "jednostranný"); });
    ok &= Save(folder, "placement.png", 310, 98, Placement);
    ok &= Save(folder, "cover.png", 644, 98, Cover);
    ok &= Save(folder, "tree.png", 176, 16, TreeImages, kMask);
    return ok ? 0 : 1;
}

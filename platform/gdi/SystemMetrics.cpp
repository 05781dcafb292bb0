#include "platform/gdi/SystemMetrics.h"
#include "platform/gdi/CBrush.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStyleHints>
#include <QStyle>

#include <array>
#include <cmath>
#include <cstring>
#include <memory>

namespace
{
constexpr std::array<COLORREF, 31> kSystemColours = {
    RGB(200, 200, 200), // scroll bar
    RGB(0, 0, 0),       // desktop
    RGB(153, 180, 209), // active caption
    RGB(191, 205, 219), // inactive caption
    RGB(240, 240, 240), // menu
    RGB(255, 255, 255), // window
    RGB(100, 100, 100), // window frame
    RGB(0, 0, 0),       // menu text
    RGB(0, 0, 0),       // window text
    RGB(0, 0, 0),       // caption text
    RGB(180, 180, 180), // active border
    RGB(244, 247, 252), // inactive border
    RGB(171, 171, 171), // application workspace
    RGB(51, 153, 255),  // highlight
    RGB(255, 255, 255), // highlight text
    RGB(240, 240, 240), // 3-D face
    RGB(160, 160, 160), // 3-D shadow
    RGB(109, 109, 109), // grey text
    RGB(0, 0, 0),       // button text
    RGB(67, 78, 84),    // inactive caption text
    RGB(255, 255, 255), // 3-D highlight
    RGB(105, 105, 105), // 3-D dark shadow
    RGB(227, 227, 227), // 3-D light
    RGB(0, 0, 0),       // tooltip text
    RGB(255, 255, 225), // tooltip background
    RGB(0, 0, 0),       // (unused)
    RGB(0, 102, 204),   // hot light
    RGB(185, 209, 234), // gradient active caption
    RGB(215, 228, 242), // gradient inactive caption
    RGB(51, 153, 255),  // menu highlight
    RGB(240, 240, 240), // menu bar
};

int ScrollBarExtent()
{
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return 17;
}

QSize ScreenSize()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        if (QScreen* s = QGuiApplication::primaryScreen())
            return s->size();
    return {1280, 1024};
}

QRect WorkArea()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        if (QScreen* s = QGuiApplication::primaryScreen())
            return s->availableGeometry();
    return {QPoint(0, 0), ScreenSize()};
}
} // namespace

COLORREF GetSysColor(int index)
{
    if (index < 0 || index >= int(kSystemColours.size()))
        return 0;
    return kSystemColours[std::size_t(index)];
}

HBRUSH GetSysColorBrush(int index)
{
    static std::array<std::unique_ptr<CBrush>, kSystemColours.size()> brushes;
    if (index < 0 || index >= int(brushes.size()))
        return nullptr;
    auto& b = brushes[std::size_t(index)];
    if (!b)
        b = std::make_unique<CBrush>(GetSysColor(index));
    return *b;
}

int GetSystemMetrics(int index)
{
    switch (index)
    {
    case SM_CXSCREEN:
    case SM_CXFULLSCREEN:
    case SM_CXMAXIMIZED:
        return ScreenSize().width();
    case SM_CYSCREEN:
    case SM_CYFULLSCREEN:
    case SM_CYMAXIMIZED:
        return ScreenSize().height();
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB:
        return ScrollBarExtent();
    case SM_CXBORDER:
    case SM_CYBORDER:
        return 1;
    case SM_CXEDGE:
    case SM_CYEDGE:
        return 2;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
        return 3;
    case SM_CXFRAME:
    case SM_CYFRAME:
        return 4;
    case SM_CYCAPTION:
    case SM_CYMENU:
        return 19;
    case SM_CXSIZE:
    case SM_CYSIZE:
        return 18;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR:
        return 32;
    case SM_CXSMICON:
    case SM_CYSMICON:
        return 16;
    case SM_CXMIN:
        return 112;
    case SM_CYMIN:
        return 27;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
        return 4;
    case SM_CXDRAG:
    case SM_CYDRAG:
        return 4;
    default:
        return 0;
    }
}

LOGFONT Gdi::MessageFont()
{
    LOGFONT lf;
    lf.lfHeight = -11;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    std::strcpy(lf.lfFaceName, "MS Sans Serif");
    return lf;
}

BOOL SystemParametersInfo(UINT action, UINT, LPVOID data, UINT)
{
    if (!data)
        return FALSE;
    if (action == SPI_GETNONCLIENTMETRICS)
    {
        auto* m = static_cast<NONCLIENTMETRICS*>(data);
        NONCLIENTMETRICS metrics;
        metrics.iScrollWidth = metrics.iScrollHeight = ScrollBarExtent();
        metrics.lfCaptionFont = metrics.lfSmCaptionFont = metrics.lfMenuFont = metrics.lfStatusFont =
            metrics.lfMessageFont = Gdi::MessageFont();
        metrics.lfCaptionFont.lfWeight = FW_BOLD;
        *m = metrics;
        return TRUE;
    }
    if (action == SPI_GETWHEELSCROLLLINES)
    {
        const bool bGui = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
        *static_cast<UINT*>(data) = UINT(bGui ? QGuiApplication::styleHints()->wheelScrollLines() : 3);
        return TRUE;
    }
    if (action == SPI_GETWORKAREA)
    {
        const QRect r = WorkArea();
        *static_cast<RECT*>(data) = CRect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
        return TRUE;
    }
    return FALSE;
}

int MulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0)
        return -1;
    const long long product = static_cast<long long>(number) * numerator;
    // Rounds half away from zero, as the system's arithmetic expects.
    const double q = double(product) / denominator;
    return int(q < 0 ? std::ceil(q - 0.5) : std::floor(q + 0.5));
}

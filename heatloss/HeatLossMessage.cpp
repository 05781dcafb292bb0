#include "heatloss/HeatLossMessage.h"

#include "platform/core/MessageBox.h"

CString HeatLossMessage::Text() const
{
    CString format;
    format.LoadString(id);
    CString text;
    if (format.Find("%s") >= 0)
        text.Format(format, argument);
    else if (numbers.size() == 1)
        text.Format(format, numbers[0]);
    else if (numbers.size() == 2)
        text.Format(format, numbers[0], numbers[1]);
    else if (numbers.size() >= 3)
        text.Format(format, numbers[0], numbers[1], numbers[2]);
    else
        text = format;
    return text;
}

CString HeatLossMessage::Caption() const
{
    CString caption;
    caption.LoadString(captionId);
    return caption;
}

int HeatLossMessage::Show(HWND owner) const
{
    return MessageBox(owner, Text(), Caption(), MB_OK | icon);
}

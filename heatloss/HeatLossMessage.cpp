#include "heatloss/HeatLossMessage.h"

#include "platform/core/MessageBox.h"

CString HeatLossMessage::Text() const
{
    CString format;
    format.LoadString(id);
    std::vector<FormatArg> places(numbers.begin(), numbers.end());
    if (format.Find("%s") >= 0)
    {
        places.push_back(argument);
        places.insert(places.end(), details.begin(), details.end());
    }
    return CString(CString::FormatText(format, places.data(), places.data() + places.size()));
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

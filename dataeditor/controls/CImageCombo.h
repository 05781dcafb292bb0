#pragma once
// A combo box whose items show a picture (a bitmap the caller owns, kept as the item's data)
// before their text, or the picture alone centred. Every item is as high as the tallest
// picture added plus 6 pixels; the pictures' column is as wide as the widest one.

#include "platform/ui/CComboBox.h"

class CImageCombo : public CComboBox
{
public:
    int AddItem(HBITMAP picture, const CString& text);
    int InsertItem(int index, HBITMAP picture, const CString& text);

    int ItemHeight() const { return m_tallest + 6; }
    // The size an item asks for.
    CSize MeasureItem() const { return CSize(m_widest + 2, m_tallest + 2); }
    // Where an item's picture and text are drawn in its rectangle (an empty text rectangle
    // without text: the picture is then centred).
    CRect PictureRect(int index, const CRect& item) const;
    CRect TextRect(int index, const CRect& item) const;

    int Widest() const { return m_widest; }
    int Tallest() const { return m_tallest; }

protected:
    void ConnectWidget() override;

private:
    static CSize PictureSize(HBITMAP picture);
    int m_widest = 0;
    int m_tallest = 0;
};

#include "dataeditor/controls/tests/ControlsFixture.h"

#include "dataeditor/controls/CImageCombo.h"
#include "platform/gdi/CBitmap.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QImage>
#include <QWidget>

namespace
{
class ImageCombo : public ControlsFixture
{
protected:
    void SetUp() override
    {
        ControlsFixture::SetUp();
        m_owner.CreateEx(0, nullptr, "owner", WS_POPUP, CRect(0, 0, 220, 200), nullptr, 0);
        ASSERT_TRUE(m_combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 10, 210, 150), &m_owner, 5));
        Picture(m_flag, 24, 16, QColor(0x11, 0x45, 0x7E));
        Picture(m_tall, 20, 24, QColor(0xD7, 0x14, 0x1A));
    }
    static void Picture(CBitmap& bitmap, int width, int height, const QColor& colour)
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(bitmap.CreateFromImage(image));
    }
    CWnd m_owner;
    CImageCombo m_combo;
    CBitmap m_flag;
    CBitmap m_tall;
};
} // namespace

TEST_F(ImageCombo, TheTallestPictureSetsEveryItemsHeight)
{
    m_combo.AddItem(m_flag, "Čeština");
    EXPECT_EQ(m_combo.ItemHeight(), 22);
    m_combo.AddItem(m_tall, "English");
    m_combo.InsertItem(0, nullptr, "Bez obrázku");
    EXPECT_EQ(m_combo.ItemHeight(), 30);
    EXPECT_EQ(m_combo.MeasureItem(), CSize(26, 26));
    EXPECT_EQ(m_combo.GetItemData(1), DWORD_PTR(HBITMAP(m_flag)));
    auto* box = qobject_cast<QComboBox*>(m_combo.GetWidget());
    ASSERT_NE(box, nullptr);
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(box->view()->sizeHintForRow(row), 30) << row;
}

TEST_F(ImageCombo, APictureWithoutTextIsCentredAndOneWithTextStandsBeforeIt)
{
    m_combo.AddItem(m_tall, "");
    m_combo.AddItem(m_flag, "Čeština");
    const CRect item(0, 0, 100, 30);
    EXPECT_EQ(m_combo.PictureRect(0, item), CRect(40, 3, 60, 27));
    EXPECT_EQ(m_combo.TextRect(0, item), CRect());
    EXPECT_EQ(m_combo.PictureRect(1, item), CRect(2, 7, 26, 23));
    EXPECT_EQ(m_combo.TextRect(1, item), CRect(28, 0, 100, 30));

    m_combo.SetCurSel(1);
    auto* box = qobject_cast<QComboBox*>(m_combo.GetWidget());
    box->showPopup();
    UiTest::ProcessEvents();
    QImage list = box->view()->grab().toImage();
    // The centred picture's middle is drawn in its colour.
    const int middle = box->view()->visualRect(box->model()->index(0, 0)).center().y();
    EXPECT_EQ(QColor(list.pixel(list.width() / 2, middle)), QColor(0xD7, 0x14, 0x1A));
    if (const char* folder = std::getenv("KALVENROD_PICTURES"))
        list.save(QString::fromUtf8(folder) + "/image-combo.png");
    box->hidePopup();
}

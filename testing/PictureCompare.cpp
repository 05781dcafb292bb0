#include "testing/PictureCompare.h"

#include <cstdlib>

int DifferingPixels(const QImage& a, const QImage& b)
{
    int count = 0;
    for (int y = 0; y < a.height(); y++)
        for (int x = 0; x < a.width(); x++)
        {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > 24 || std::abs(qGreen(p) - qGreen(q)) > 24 ||
                std::abs(qBlue(p) - qBlue(q)) > 24)
                count++;
        }
    return count;
}

::testing::AssertionResult MatchesReviewedPicture(const QImage& drawn, const std::string& referencePath)
{
    const QImage image = drawn.convertToFormat(QImage::Format_RGB32);
    const QString path = QString::fromStdString(referencePath);
    if (std::getenv("KALVENROD_UPDATE_REFERENCE"))
        image.save(path);
    QImage expected(path);
    if (expected.isNull())
        return ::testing::AssertionFailure() << "no picture at " << referencePath;
    expected = expected.convertToFormat(QImage::Format_RGB32);
    if (expected.size() != image.size())
        return ::testing::AssertionFailure() << "drawn " << image.width() << "x" << image.height()
                                             << ", reviewed " << expected.width() << "x" << expected.height();
    const int differing = DifferingPixels(expected, image);
    if (differing >= image.width() * image.height() / 200)
        return ::testing::AssertionFailure() << differing << " pixels differ from " << referencePath;
    return ::testing::AssertionSuccess();
}

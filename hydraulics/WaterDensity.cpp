#include "hydraulics/WaterDensity.h"

#include <array>
#include <cmath>

namespace
{
// Density of air-free water relative to its maximum near 4 °C, one value a whole degree from
// 0 to 99 °C, as the handbook tables give it; it agrees with Kell's formula (J. Chem. Eng.
// Data 20, 1975) divided by its maximum to within 0.00002.
constexpr std::array<float, 100> relativeDensity = {
    0.99987f, 0.99993f, 0.99997f, 0.99999f, 1.00000f, 0.99999f, 0.99997f, 0.99993f, 0.99988f, 0.99981f,
    0.99973f, 0.99963f, 0.99953f, 0.99940f, 0.99927f, 0.99913f, 0.99897f, 0.99880f, 0.99862f, 0.99843f,
    0.99823f, 0.99802f, 0.99780f, 0.99757f, 0.99732f, 0.99707f, 0.99681f, 0.99654f, 0.99626f, 0.99597f,
    0.99567f, 0.99537f, 0.99505f, 0.99473f, 0.99440f, 0.99406f, 0.99371f, 0.99336f, 0.99299f, 0.99262f,
    0.99224f, 0.99186f, 0.99147f, 0.99107f, 0.99066f, 0.99025f, 0.98982f, 0.98940f, 0.98896f, 0.98852f,
    0.98807f, 0.98762f, 0.98715f, 0.98669f, 0.98621f, 0.98573f, 0.98525f, 0.98475f, 0.98425f, 0.98375f,
    0.98324f, 0.98272f, 0.98220f, 0.98167f, 0.98113f, 0.98059f, 0.98005f, 0.97950f, 0.97894f, 0.97838f,
    0.97781f, 0.97723f, 0.97666f, 0.97607f, 0.97548f, 0.97489f, 0.97429f, 0.97368f, 0.97307f, 0.97245f,
    0.97183f, 0.97121f, 0.97057f, 0.96994f, 0.96930f, 0.96865f, 0.96800f, 0.96734f, 0.96668f, 0.96601f,
    0.96534f, 0.96467f, 0.96399f, 0.96330f, 0.96261f, 0.96192f, 0.96122f, 0.96051f, 0.95981f, 0.95909f};
} // namespace

double WaterDensity(double temperature, int medium)
{
    if (medium != 0 || !(temperature >= 0.0) || temperature + 0.5 >= double(relativeDensity.size()))
        return -1.0;
    const int index = int(temperature + 0.5);
    return double(relativeDensity[index]) * 1000.0;
}

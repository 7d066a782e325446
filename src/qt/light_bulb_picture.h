#pragma once
// The picture beside the heading of the tip of the day: a yellow light bulb with an exclamation
// mark and rays, on a grey and cyan diamond-shaped stand, on white. 40 x 53 pixels.

#include <QImage>

namespace kwintel {

QImage LightBulbPicture();

}  // namespace kwintel

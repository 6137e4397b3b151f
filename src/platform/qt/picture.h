#pragma once
// The drawing a picture box shows: a road running through the countryside to a
// survey instrument on its tripod.

#include <QPixmap>

namespace platform::qt {

QPixmap ProductPicture();

}  // namespace platform::qt

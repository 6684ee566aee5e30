#pragma once

#include <QFont>

namespace isobra {

// Fixed-pitch Japanese fonts: the texts and lists are laid out for them.
QFont GothicFont(int pixelSize = 14);
QFont MinchoFont(int pixelSize = 14);

}  // namespace isobra

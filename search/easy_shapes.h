#pragma once
#include <string>

namespace tambrel {

// The well-known fingerings that a search puts first when it finds one of them. The text is
// only ever searched as a whole for a voicing's fret text, never split into shapes.
const std::string& easyShapeText();

} // namespace tambrel

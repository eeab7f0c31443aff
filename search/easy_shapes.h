#pragma once
#include <string>
#include <string_view>

namespace tambrel {

// The well-known fingerings that a search puts first when it finds one of them. The text is
// only ever searched as a whole for a voicing's fret text, never split into shapes.
const std::string& easyShapeText();

// Whether `fretText` occurs anywhere in the shape text; answered from an index of all its
// short substrings, as every search asks it for many fret texts.
bool occursInEasyShapes(std::string_view fretText);

} // namespace tambrel

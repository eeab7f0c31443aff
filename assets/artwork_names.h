#pragma once
// The names of the program's pictures: the chord diagram's grid and marks, the two necks and
// their balls. What each looks like is painted in artwork.cpp; the drawing logic only places
// them by name.
#include <string_view>

namespace tambrel {

enum class Artwork {
    braco,  // 56 x 83 fretboard grid, normal style
    braco2, // 56 x 83 fretboard grid, highlighted style
    dedo1,  // 9 x 9 finger marks 1..4
    dedo2,
    dedo3,
    dedo4,
    dedo6,              // 15 x 4 one segment of a barre bar
    omin1,              // 6 x 6 filled dot: the lowest sounding string
    omin2,              // 6 x 6 ring: any other sounding string
    x,                  // 6 x 6 cross: muted string
    ImageBracoEletrico, // 625 x 85 classic neck
    Image5,             // 625 x 85 electric neck
    d0,                 // 12 x 12 open-string ball on the neck
    d1,                 // 13 x 12 finger balls 1..4 on the neck
    d2,
    d3,
    d4,
};

std::string_view artworkName(Artwork artwork);

} // namespace tambrel

#include "assets/artwork_names.h"

namespace tambrel {

std::string_view artworkName(Artwork artwork) {
    switch (artwork) {
    case Artwork::braco:
        return "braco";
    case Artwork::braco2:
        return "braco2";
    case Artwork::dedo1:
        return "dedo1";
    case Artwork::dedo2:
        return "dedo2";
    case Artwork::dedo3:
        return "dedo3";
    case Artwork::dedo4:
        return "dedo4";
    case Artwork::dedo6:
        return "dedo6";
    case Artwork::omin1:
        return "omin1";
    case Artwork::omin2:
        return "omin2";
    case Artwork::x:
        return "x";
    case Artwork::ImageBracoEletrico:
        return "ImageBracoEletrico";
    case Artwork::Image5:
        return "Image5";
    case Artwork::d0:
        return "d0";
    case Artwork::d1:
        return "d1";
    case Artwork::d2:
        return "d2";
    case Artwork::d3:
        return "d3";
    case Artwork::d4:
        return "d4";
    }
    return "";
}

} // namespace tambrel

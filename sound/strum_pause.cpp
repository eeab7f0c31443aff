#include "sound/strum_pause.h"

namespace tambrel {

int strumPauseMilliseconds(int tempoPosition) {
    return 25 * (tempoPosition + 1);
}

} // namespace tambrel

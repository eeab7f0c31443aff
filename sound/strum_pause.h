#pragma once

namespace tambrel {

// The pause after each strummed note, for a position of the tempo control: 25 x (tempo + 1) ms.
int strumPauseMilliseconds(int tempoPosition);

} // namespace tambrel

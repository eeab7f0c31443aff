#pragma once
// FluidSynth and ALSA write their own complaints to stderr, one for every device they try on a
// machine without sound. Their messages go to the sound diagnostics instead: kept with
// TAMBREL_DEBUG=1, dropped otherwise.

namespace tambrel {

// Routes the libraries' messages, once per process; every later call returns at once. Call it
// before the first use of either library, on whichever thread that is.
void routeSoundLibraryLogs();

} // namespace tambrel

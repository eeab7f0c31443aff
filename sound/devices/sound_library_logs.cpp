#include "sound/devices/sound_library_logs.h"

#include "sound/sound_diagnostics.h"

#include <fluidsynth.h>

#include <cstdarg>
#include <cstdio>
#include <mutex>
#include <string>

#ifdef TAMBREL_HAVE_ALSA
#include <alsa/asoundlib.h>
#endif

namespace tambrel {

namespace {

const char* fluidLevelName(int level) {
    switch (level) {
    case FLUID_ERR:
        return "error";
    case FLUID_WARN:
        return "warning";
    case FLUID_INFO:
        return "info";
    default:
        return "debug";
    }
}

void reportFluidMessage(int level, const char* message, void*) {
    if (!soundDiagnosticsEnabled() || message == nullptr) return;
    reportSoundEvent(std::string("FluidSynth ") + fluidLevelName(level) + ": " + message);
}

#ifdef TAMBREL_HAVE_ALSA
void reportAlsaMessage(const char* file, int line, const char* function, int err, const char* fmt,
                       ...) {
    if (!soundDiagnosticsEnabled() || fmt == nullptr) return;
    char text[512];
    va_list arguments;
    va_start(arguments, fmt);
    std::vsnprintf(text, sizeof text, fmt, arguments);
    va_end(arguments);
    std::string message = "ALSA: ";
    if (function != nullptr) message += std::string(function) + ": ";
    message += text;
    if (err != 0) message += std::string(": ") + snd_strerror(err);
    if (file != nullptr) message += " (" + std::string(file) + ":" + std::to_string(line) + ")";
    reportSoundEvent(message);
}
#endif

} // namespace

void routeSoundLibraryLogs() {
    static std::once_flag once;
    std::call_once(once, [] {
        // FluidSynth's panics keep its own handler: the synthesiser cannot go on after one.
        fluid_set_log_function(FLUID_ERR, reportFluidMessage, nullptr);
        fluid_set_log_function(FLUID_WARN, reportFluidMessage, nullptr);
        fluid_set_log_function(FLUID_INFO, reportFluidMessage, nullptr);
        fluid_set_log_function(FLUID_DBG, reportFluidMessage, nullptr);
#ifdef TAMBREL_HAVE_ALSA
        snd_lib_error_set_handler(reportAlsaMessage);
#endif
    });
}

} // namespace tambrel

#include "sound/sound_diagnostics.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <utility>

namespace tambrel {

namespace {

constexpr std::string_view kLineStart = "tambrel: sound: ";

struct Diagnostics {
    std::atomic<bool> enabled{soundDiagnosticsRequested(std::getenv("TAMBREL_DEBUG"))};
    std::mutex mutex; // one line at a time, and the writer
    SoundDiagnosticsWriter writer;
};

Diagnostics& diagnostics() {
    static Diagnostics instance;
    return instance;
}

} // namespace

bool soundDiagnosticsRequested(const char* value) {
    return value != nullptr && *value != '\0' && std::string_view(value) != "0";
}

bool soundDiagnosticsEnabled() {
    return diagnostics().enabled.load(std::memory_order_relaxed);
}

void setSoundDiagnosticsEnabled(bool enabled) {
    diagnostics().enabled.store(enabled, std::memory_order_relaxed);
}

void reportSoundEvent(std::string_view message) {
    Diagnostics& self = diagnostics();
    if (!self.enabled.load(std::memory_order_relaxed)) return;
    // The libraries end some of their messages with a line break of their own.
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
        message.remove_suffix(1);
    std::string line(kLineStart);
    line += message;
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');

    std::lock_guard lock(self.mutex);
    if (self.writer) {
        self.writer(line);
        return;
    }
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
}

SoundDiagnosticsWriter setSoundDiagnosticsWriter(SoundDiagnosticsWriter writer) {
    Diagnostics& self = diagnostics();
    std::lock_guard lock(self.mutex);
    return std::exchange(self.writer, std::move(writer));
}

} // namespace tambrel

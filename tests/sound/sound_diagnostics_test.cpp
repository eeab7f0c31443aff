// The sound diagnostics: off unless asked for, one whole line per event, and what the devices
// tell through them when an output stays silent.
#include "sound/devices/builtin_synth.h"
#include "sound/devices/midi_device.h"
#include "sound/sound_diagnostics.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

namespace tambrel {
namespace {

// Collects the lines instead of standard error, and puts the switch and the writer back after.
class CollectedLines {
  public:
    explicit CollectedLines(bool enabled) : wasEnabled_(soundDiagnosticsEnabled()) {
        setSoundDiagnosticsEnabled(enabled);
        previous_ = setSoundDiagnosticsWriter([this](std::string_view line) {
            std::lock_guard lock(mutex_);
            lines_.emplace_back(line);
        });
    }
    ~CollectedLines() {
        setSoundDiagnosticsWriter(std::move(previous_));
        setSoundDiagnosticsEnabled(wasEnabled_);
    }
    std::vector<std::string> lines() {
        std::lock_guard lock(mutex_);
        return lines_;
    }
    bool has(const std::string& text) {
        for (const auto& line : lines())
            if (line.find(text) != std::string::npos) return true;
        return false;
    }

  private:
    bool wasEnabled_;
    SoundDiagnosticsWriter previous_;
    std::mutex mutex_;
    std::vector<std::string> lines_;
};

// Everything written to file descriptor 2 meanwhile, the libraries' own writes included.
class CapturedStderr {
  public:
    CapturedStderr() : file_(std::tmpfile()), saved_(::dup(2)) {
        std::fflush(stderr);
        ::dup2(::fileno(file_), 2);
    }
    ~CapturedStderr() {
        restore();
        std::fclose(file_);
    }
    std::string text() {
        restore();
        std::string text;
        std::rewind(file_);
        for (int c; (c = std::fgetc(file_)) != EOF;) text += static_cast<char>(c);
        return text;
    }

  private:
    void restore() {
        if (saved_ < 0) return;
        std::fflush(stderr);
        ::dup2(saved_, 2);
        ::close(saved_);
        saved_ = -1;
    }
    std::FILE* file_;
    int saved_;
};

// Opening the synthesiser rendered by the caller, from `soundFont`.
SynthOptions offline(std::string soundFont) {
    SynthOptions options;
    options.withAudioDriver = false;
    options.soundFont = std::move(soundFont);
    return options;
}

// What a failed opening writes to file descriptor 2 with the diagnostics off.
std::string stderrOfFailedOpeningWhenOff(const SynthOptions& options) {
    const bool wasEnabled = soundDiagnosticsEnabled();
    setSoundDiagnosticsEnabled(false);
    CapturedStderr stderrText;
    EXPECT_FALSE(BuiltInSynth::open(options));
    setSoundDiagnosticsEnabled(wasEnabled);
    return stderrText.text();
}

// A file that exists but holds no SoundFont.
std::string notASoundFont() {
    std::string path = ::testing::TempDir() + "tambrel_not_a_soundfont.sf2";
    std::ofstream(path) << "not a SoundFont";
    return path;
}

TEST(SoundDiagnostics, OnlyASetNonZeroValueSwitchesThemOn) {
    EXPECT_FALSE(soundDiagnosticsRequested(nullptr));
    EXPECT_FALSE(soundDiagnosticsRequested(""));
    EXPECT_FALSE(soundDiagnosticsRequested("0"));
    EXPECT_TRUE(soundDiagnosticsRequested("1"));
    EXPECT_TRUE(soundDiagnosticsRequested("yes"));
}

TEST(SoundDiagnostics, EachEventIsOneLineWithItsBeginning) {
    {
        CollectedLines off(false);
        reportSoundEvent("not shown");
        EXPECT_TRUE(off.lines().empty());
    }
    CollectedLines on(true);
    reportSoundEvent("output 0: the built-in synthesiser");
    reportSoundEvent("FluidSynth error: two\nlines\n");
    EXPECT_EQ(on.lines(), (std::vector<std::string>{
                              "tambrel: sound: output 0: the built-in synthesiser",
                              "tambrel: sound: FluidSynth error: two lines",
                          }));
}

TEST(SoundDiagnostics, LinesFromSeveralThreadsStayWhole) {
    CollectedLines on(true);
    std::vector<std::thread> threads;
    threads.reserve(4);
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([t] {
            for (int i = 0; i < 100; ++i)
                reportSoundEvent("thread " + std::to_string(t) + " event " + std::to_string(i));
        });
    for (auto& thread : threads) thread.join();
    const auto lines = on.lines();
    ASSERT_EQ(lines.size(), 400u);
    for (const auto& line : lines) EXPECT_EQ(line.rfind("tambrel: sound: thread ", 0), 0u);
}

TEST(SoundDiagnostics, MissingSoundFontIsReportedOnlyWhenAskedFor) {
    const SynthOptions options = offline("/nonexistent/none.sf2");
    {
        CollectedLines on(true);
        EXPECT_FALSE(BuiltInSynth::open(options));
        EXPECT_EQ(on.lines(),
                  std::vector<std::string>{"tambrel: sound: SoundFont /nonexistent/none.sf2 "
                                           "cannot be read: No such file or directory"});
    }
    EXPECT_EQ(stderrOfFailedOpeningWhenOff(options), "");
}

// The libraries' own complaints come through with the diagnostics, and stay off stderr without.
TEST(SoundDiagnostics, FluidSynthsOwnMessagesGoWhereTheDiagnosticsGo) {
    SynthOptions options;
    options.soundFont = notASoundFont(); // the audio output comes before the SoundFont is read
    options.audioDrivers = {"file"};
    options.audioFile = "/nonexistent/directory/out.raw";
    {
        CollectedLines on(true);
        EXPECT_FALSE(BuiltInSynth::open(options));
        EXPECT_TRUE(on.has("tambrel: sound: FluidSynth error: ")) << on.lines().size();
        EXPECT_TRUE(on.has("audio driver file could not be opened"));
    }
    EXPECT_EQ(stderrOfFailedOpeningWhenOff(options), "");
    std::remove(options.soundFont.c_str());
}

TEST(SoundDiagnostics, AudioDriversTriedAreNamed) {
    CollectedLines on(true);
    SynthOptions options;
    options.soundFont = notASoundFont(); // the drivers come before the SoundFont is read
    options.audioDrivers = {"no-such-driver"};
    EXPECT_FALSE(BuiltInSynth::open(options));
    EXPECT_TRUE(on.has("audio driver no-such-driver: not in this FluidSynth"));
    EXPECT_TRUE(on.has("no audio driver could be opened (tried no-such-driver)"));
    std::remove(options.soundFont.c_str());
}

class FailingOutput : public MidiBackend {
  public:
    void send(const MidiEvent&) override { throw std::runtime_error("port unplugged"); }
    void setVolume(std::uint32_t) override {}
};

TEST(SoundDiagnostics, DeviceTellsWhyItIsSilent) {
    CollectedLines on(true);
    {
        MidiDevice device([](int index) -> std::unique_ptr<MidiBackend> {
            if (index == 3) return nullptr;
            return std::make_unique<FailingOutput>();
        });
        device.shortMessage(0x00643C90);
        ASSERT_TRUE(device.waitUntilIdle(std::chrono::milliseconds(2000)));
        device.selectOutput(3);
        ASSERT_TRUE(device.waitUntilIdle(std::chrono::milliseconds(2000)));
    }
    EXPECT_EQ(on.lines(), (std::vector<std::string>{
                              "tambrel: sound: output failed while playing: port unplugged",
                              "tambrel: sound: output 3 could not be opened: no sound until "
                              "another output is chosen",
                          }));
}

// Run by CTest with TAMBREL_DEBUG set and unset, which look for its line on the real stderr.
TEST(SoundDiagnosticsEnvironment, FollowTambrelDebug) {
    EXPECT_EQ(soundDiagnosticsEnabled(), soundDiagnosticsRequested(std::getenv("TAMBREL_DEBUG")));
    EXPECT_FALSE(BuiltInSynth::open(offline("/nonexistent/from-the-environment.sf2")));
}

} // namespace
} // namespace tambrel

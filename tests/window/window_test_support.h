#pragma once
// A main window as the user meets it after start-up and the first resize (644 pixels, six
// columns), with its MIDI recorded, and small readers for what the window shows.
#include "sound/recording_midi_sink.h"
#include "window/main_window_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tambrel::testing {

// Tension items by the text they show.
enum Item : int {
    kMajor = 0,
    kMinor = 1,
    kAugItem = 2,
    kDimItem = 3,
    kDimSign = 4, // "º"
    kFourMinus = 6,
    kFlatFiveItem = 9,
    kFive = 10,
    kSixPlus = 14,
    kSeven = 15,
    kNine = 18,
    kEleven = 21,
    kThirteen = 24,
    kFlatNine = 44,
    kSus4 = 48,
    kSus11 = 50,
};

// The items whose code adds a tone (" nn"), read off the tension table.
inline std::vector<int> addItems() {
    std::vector<int> items{5, 6, 7, 8};
    for (int i = 12; i <= 41; ++i) items.push_back(i);
    for (int i : {43, 44, 45, 46}) items.push_back(i);
    return items;
}

inline std::vector<int> addItemsExcept(const std::vector<int>& ticked) {
    std::vector<int> items;
    for (int i : addItems()) {
        bool isTicked = false;
        for (int t : ticked) isTicked = isTicked || t == i;
        if (!isTicked) items.push_back(i);
    }
    return items;
}

class WindowTest : public ::testing::Test {
  protected:
    static constexpr int kWidth = 644;

    RecordingMidiSink midi;
    MainWindowModel window{midi, kWidth};

    const WindowState& shown() const { return window.window(); }
    const SearchState& state() const { return window.search(); }

    std::vector<int> tickedItems() const {
        std::vector<int> items;
        for (int i = 0; i < kTensionCount; ++i)
            if (shown().ticked[i]) items.push_back(i);
        return items;
    }

    std::vector<int> disabledItems() const {
        std::vector<int> items;
        for (int i = 0; i < kTensionCount; ++i)
            if (!shown().itemEnabled[i]) items.push_back(i);
        return items;
    }

    void tick(std::initializer_list<int> items) {
        for (int item : items) ASSERT_TRUE(window.clickTension(item)) << "item " << item;
    }

    void typeSymbol(const std::string& text) {
        window.setSymbolText(text);
        window.SpeedButton2Click();
    }

    // Releases the mouse in the middle of diagram `index` of the current layout.
    void clickDiagram(int index) {
        const int columns = shown().columns;
        window.Image1MouseUp(index % columns * 100 + 50, index / columns * 130 + 65);
    }

    // Selects diagram 1, so that a later search shows: every search forgets the last click
    // and draws all diagrams normally.
    void clickSomeDiagram() {
        clickDiagram(1);
        ASSERT_EQ(shown().highlighted, std::vector<int>{1});
        midi.takeLog();
    }
    bool searchRanSinceClick() const {
        return shown().highlighted.empty() && state().lastClickX == 0 && state().lastClickY == 0;
    }
};

} // namespace tambrel::testing

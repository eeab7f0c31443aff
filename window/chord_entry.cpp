// The chord panel: the note pickers and their accidentals, the tension list, the chord-type
// table and the typed chord symbol. Every choice rebuilds the symbol and searches.
#include "window/chord_entry.h"

#include "music/lookup_tokens.h"
#include "music/lookup_translation.h"
#include "music/note_names.h"
#include "music/text_encoding.h"
#include "window/main_window_model.h"

#include <algorithm>

namespace tambrel {
namespace {

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace

ThirdAndFifth thirdAndFifthOf(const std::array<bool, kTensionCount>& ticked) {
    ThirdAndFifth sizes;
    sizes.third = ticked[kItemDim] || ticked[kItemMinor] ? 3 : 4;
    if (ticked[kItemAug] || ticked[kItemPowerFive])
        sizes.fifth = 8;
    else if (ticked[kItemFlatFive] || ticked[kItemDim])
        sizes.fifth = 6;
    else
        sizes.fifth = 7;
    return sizes;
}

void MainWindowModel::deriveThirdAndFifth() {
    const ThirdAndFifth sizes = thirdAndFifthOf(window_.ticked);
    search_.thirdInterval = sizes.third;
    search_.fifthInterval = sizes.fifth;
}

int MainWindowModel::noteLimit() const {
    return noteLimitFor(search_.rootNote, search_.bassNote);
}

void MainWindowModel::showSymbol() {
    window_.editAcorde =
        search_.rootName.bytes() + search_.chordSuffix.bytes() + search_.bassSuffix.bytes();
}

void MainWindowModel::showNoteLimit(bool withBassGrid) {
    const bool room = static_cast<int>(search_.chordIntervals.size()) < noteLimit();
    if (withBassGrid) {
        window_.bassGrid.enabled = room;
        window_.bassGrid.menuBarColour = !room;
    }
    // The last item is left as it is either way.
    const auto& tensions = tensionList();
    for (int i = 0; i < kTensionCount - 1; ++i) {
        if (room)
            window_.itemEnabled[i] = true;
        else if (!window_.ticked[i] && classifyTension(tensions[i].code) == TensionKind::Add)
            window_.itemEnabled[i] = false;
    }
}

bool MainWindowModel::chooseBass(int row) {
    if (!window_.bassGrid.enabled) return false;
    StringGridBaixoSelectCell(row);
    return true;
}

bool MainWindowModel::chooseChordType(int row) {
    if (window_.view != ChordPanelView::ChordTypes) return false;
    StringGrid1SelectCell(row);
    return true;
}

bool MainWindowModel::clickTension(int item) {
    if (item < 0 || item >= kTensionCount) return false;
    if (window_.view != ChordPanelView::Tensions || !window_.itemEnabled[item]) return false;
    window_.ticked[item] = !window_.ticked[item];
    CheckListBox1ClickCheck(item);
    return true;
}

void MainWindowModel::CheckListBox1ClickCheck(int clickedItem) {
    auto& ticked = window_.ticked;
    const auto& tensions = tensionList();

    // Exactly one of major and minor stays ticked, so there is always a base.
    if (clickedItem == kItemMajor) ticked[kItemMinor] = !ticked[kItemMajor];
    if (clickedItem == kItemMinor) ticked[kItemMajor] = !ticked[kItemMinor];

    deriveThirdAndFifth();

    std::string suffix;
    FormulaBuilder formula(noteLimit(), "");
    for (int i = 0; i < kTensionCount; ++i) {
        if (!ticked[i] || classifyTension(tensions[i].code) != TensionKind::Base) continue;
        formula.setBase(tensions[i].code);
        // "dim", "º" and "5" replace the triad: the major/minor pair goes back to major.
        if (i > 2 && !ticked[kItemMajor]) {
            ticked[kItemMajor] = true;
            ticked[kItemMinor] = false;
        }
    }

    for (int j = 1; j < kTensionCount; ++j) {
        if (!ticked[j]) continue;
        const std::string code = tensions[j].code;
        // The text enters the symbol even when the tone is then refused.
        suffix += "/" + std::string(tensions[j].text);
        if (classifyTension(code) == TensionKind::Base) continue;
        if (!formula.addTension(code)) ticked[j] = false;
    }

    // The first tension follows the root directly, except one starting with "b", which keeps
    // its slash so that it cannot be read as a flat root ("C/b9").
    if (suffix.compare(0, 2, "/b") != 0 && !suffix.empty()) suffix.erase(0, 1);
    search_.chordSuffix = suffix;
    search_.chordIntervals = formula.formula();

    showNoteLimit(true);
    showSymbol();
    searchCurrentChord(true);
}

void MainWindowModel::StringGrid1SelectCell(int row) {
    if (row < 0 || row >= kChordTypeCount) return;
    // The table's chord replaces the formula; the ticks and the sizes of the third and fifth
    // stay until the next tick recomposes from them.
    window_.chordTypeRow = row;
    search_.chordIntervals = chordTypeTable()[row].intervals;
    searchCurrentChord();
    search_.chordSuffix = chordTypeSuffix(row);
    showSymbol();
}

void MainWindowModel::StringGridAcordeSelectCell(int row) {
    if (row < 0 || row >= 12) return;
    window_.rootGrid.row = row;
    // Choosing a root cancels a separate bass. Moving the bass grid runs its own handler,
    // in full, before the root's name is taken from that grid.
    search_.rootNote = row;
    search_.bassNote = row;
    if (window_.bassGrid.row != row) StringGridBaixoSelectCell(row);
    search_.rootName = window_.bassGrid.names[row];
    search_.bassSuffix = "";
    showSymbol();
    searchCurrentChord();
}

void MainWindowModel::StringGridBaixoSelectCell(int row) {
    if (row < 0 || row >= 12) return;
    window_.bassGrid.row = row;
    search_.bassNote = row;
    search_.bassSuffix =
        search_.bassNote == search_.rootNote ? std::string() : "/" + window_.bassGrid.names[row];
    showSymbol();
    searchCurrentChord();
    // The limit changes with the bass: the items follow, the bass grid itself stays as it is.
    showNoteLimit(false);
}

// The "#" or "b" of a grid's pair goes down and the grid takes its names.
static void pressAccidental(bool& sharpDown, NoteNames& names, bool sharps) {
    sharpDown = sharps;
    if (sharps)
        applySharpNames(names);
    else
        applyFlatNames(names);
}

void MainWindowModel::SpeedButton5Click() {
    pressAccidental(window_.rootSharpDown, window_.rootGrid.names, true);
}
void MainWindowModel::SpeedButton6Click() {
    pressAccidental(window_.rootSharpDown, window_.rootGrid.names, false);
}
void MainWindowModel::SpeedButton10Click() {
    pressAccidental(window_.bassSharpDown, window_.bassGrid.names, true);
}
void MainWindowModel::SpeedButton9Click() {
    pressAccidental(window_.bassSharpDown, window_.bassGrid.names, false);
}

void MainWindowModel::SpeedButton7Click() {
    window_.view = ChordPanelView::Tensions;
}

void MainWindowModel::SpeedButton8Click() {
    window_.view = ChordPanelView::ChordTypes;
}

void MainWindowModel::setSymbolText(const std::string& text) {
    window_.editAcorde = text;
    window_.typedSymbol.clear();
}

void MainWindowModel::typeSymbol(const std::string& utf8) {
    window_.editAcorde = singleByteOf(utf8);
    window_.typedSymbol = utf8;
}

void MainWindowModel::SpeedButton2Click() {
    // The standard reading sees the text as typed, before its single-byte form; a box the
    // program wrote, or one set in the single-byte form, is read from that form.
    const bool typedAsShown =
        !window_.typedSymbol.empty() && singleByteOf(window_.typedSymbol) == window_.editAcorde;
    const std::string typed = typedAsShown ? window_.typedSymbol : window_.editAcorde.utf8();
    window_.typedSymbol.clear();
    // What the lookup reads wholly goes to it as it is; a standard symbol it would misread
    // goes in the tension list's own words.
    const SymbolForLookup symbol = symbolForLookup(typed);
    window_.lookupNotice = symbol.notice;
    lookUpSymbol(symbol.text);
}

SymbolLookup lookUpSymbolText(const std::string& text) {
    SymbolLookup chord;
    chord.ticked[kItemMajor] = true;

    const LookupTokens read = readLookupTokens(text);
    const int root = read.root;
    std::string shown = read.rootText;
    std::string suffix;
    std::vector<std::string> tokens;
    bool recognised = false;
    for (const LookupToken& token : read.tokens) {
        tokens.push_back(token.text);
        if (token.item < 0) continue;
        shown += (token.text[0] == 'b' ? "/" : "") + token.text + token.separator;
        chord.ticked[token.item] = true;
        suffix += "/" + token.text;
        recognised = true;
    }

    // The grids take the sharps or flats of what was typed.
    if (!tokens.empty()) chord.bassFlats = contains(tokens.back(), "b");
    chord.rootFlats = contains(read.text.substr(0, read.rootText.size() + 1), "b");
    NoteNames bassNames = noteNames();
    if (chord.bassFlats.value_or(false)) applyFlatNames(bassNames);

    // Only the last token can name the bass.
    int bass = read.bass;
    if (bass != kNoNote) {
        tokens.pop_back();
        // With no tension before it nothing would stand between the root and the bass.
        if (!recognised) shown += "/";
        shown += bassNames[bass];
    } else {
        bass = root;
    }

    chord.shown = shown;
    chord.bassNote = bass;
    chord.rootNote = root;
    // The root as typed and the bass as the grid names it, so that the next composition
    // rebuilds the same symbol.
    chord.rootName = read.rootText;
    chord.bassSuffix = bass == root ? std::string() : "/" + bassNames[bass];

    const LookupFormula formula = composeLookupFormula(tokens, noteLimitFor(root, bass));
    for (int item : formula.refused) chord.ticked[item] = false;
    chord.intervals = formula.intervals;
    if (!suffix.empty()) suffix.erase(0, 1);
    chord.chordSuffix = suffix;

    // The sizes of the third and fifth follow the ticks, as after a tension click.
    chord.sizes = thirdAndFifthOf(chord.ticked);
    return chord;
}

void MainWindowModel::lookUpSymbol(const std::string& text) {
    const SymbolLookup chord = lookUpSymbolText(text);
    // Nothing greyed any more; the buttons of the grids' pairs stay as they are.
    window_.bassGrid.enabled = true;
    window_.bassGrid.menuBarColour = false;
    window_.itemEnabled.fill(true);
    window_.ticked = chord.ticked;
    if (chord.bassFlats) {
        if (*chord.bassFlats)
            applyFlatNames(window_.bassGrid.names);
        else
            applySharpNames(window_.bassGrid.names);
    }
    if (chord.rootFlats)
        applyFlatNames(window_.rootGrid.names);
    else
        applySharpNames(window_.rootGrid.names);

    window_.editAcorde = chord.shown;
    search_.bassNote = chord.bassNote;
    search_.rootNote = chord.rootNote;
    search_.rootName = chord.rootName;
    search_.bassSuffix = chord.bassSuffix;
    search_.chordSuffix = chord.chordSuffix;
    search_.chordIntervals = chord.intervals;
    search_.thirdInterval = chord.sizes.third;
    search_.fifthInterval = chord.sizes.fifth;

    searchCurrentChord();
}

} // namespace tambrel

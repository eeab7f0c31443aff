#include "web/web_session.h"

#include "display/diagram_svg.h"
#include "display/results_layout.h"
#include "display/sheet_svg.h"
#include "music/chord_vocabulary.h"
#include "music/fret_list_text.h"
#include "music/single_byte_text.h"
#include "session/session_json.h"
#include "song_files/chordpro_writer.h"
#include "song_files/midi_file_song.h"
#include "sound/instruments.h"
#include "tuning/tunings.h"
#include "window/search_options.h"

#include <nlohmann/json.hpp>

#include <algorithm>

namespace tambrel {

std::string WebSession::execute(const std::string& line) {
    return session_.execute(line).value_or(std::string());
}

std::string WebSession::state() {
    return execute("state");
}

const MainWindowModel& WebSession::model() const {
    return session_.model();
}

std::string WebSession::viewJson() const {
    const WindowState& w = model().window();
    nlohmann::json view;
    view["order"] = w.orderItem == 1 ? "easiest" : "position";
    view["common"] = w.commonVoicings;
    view["patchItem"] = w.patchItem;
    view["patchText"] = w.patchText.utf8();
    view["tempo"] = w.tempoPosition;
    view["electricNeck"] = w.electricNeck;
    view["capo"] = model().search().capo;
    view["shapeNames"] = w.shapeNames;
    view["capoCaption"] = model().capoCaption();
    const std::optional<int> easiest = model().easiestDiagram();
    view["easiest"] = easiest ? *easiest : -1;
    view["dotLabels"] = std::string(dotLabelsWord(labels_));
    view["error"] = w.error;
    return view.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

int WebSession::diagramCount() const {
    return static_cast<int>(model().search().voicingList.size());
}

std::string WebSession::diagramSvg(int index) const {
    if (index < 0 || index >= diagramCount()) return {};
    const WindowState& w = model().window();
    const bool highlighted = std::binary_search(w.highlighted.begin(), w.highlighted.end(), index);
    return chordDiagramSvg(model().search().voicingList[static_cast<std::size_t>(index)].frets,
                           labels_, diagramNotesOf(model()), w.leftHanded,
                           highlighted ? DiagramStyle::Highlighted : DiagramStyle::Normal);
}

void WebSession::clickDiagram(int index) {
    if (index < 0 || index >= diagramCount()) return;
    const CellRect cell = cellRect(index, model().window().columns);
    session_.model().Image1MouseUp(cell.left + cell.width / 2, cell.top + cell.height / 2);
}

std::string WebSession::neckSvg() const {
    const WindowState& w = model().window();
    const std::optional<Fretting> shown = w.neckInput ? Fretting(w.enteredFrets) : w.neckVoicing;
    return shown ? tambrel::neckSvg(*shown, w.electricNeck) : bareNeckSvg(w.electricNeck);
}

bool WebSession::setDotLabels(int labels) {
    if (labels < 0 || labels > static_cast<int>(DotLabels::Intervals)) return false;
    labels_ = static_cast<DotLabels>(labels);
    return true;
}

bool WebSession::addSelectedToSheet() {
    const std::optional<SheetDiagram> selected = selectedSheetDiagram(model());
    if (!selected) return false;
    sheet_.add(*selected);
    return true;
}

bool WebSession::addResultsToSheet() {
    const std::vector<SheetDiagram> results = resultSheetDiagrams(model());
    sheet_.add(results);
    return !results.empty();
}

bool WebSession::addSongToSheet() {
    const std::vector<SheetDiagram> chords = songSheetDiagrams(model());
    sheet_.add(chords);
    return !chords.empty();
}

bool WebSession::renameSheetEntry(int index, const std::string& name) {
    return sheet_.rename(index, name);
}

bool WebSession::removeSheetEntry(int index) {
    return sheet_.remove(index);
}

bool WebSession::moveSheetEntry(int from, int to) {
    return sheet_.move(from, to);
}

std::string WebSession::sheetJson() const {
    nlohmann::json entries = nlohmann::json::array();
    for (const SheetDiagram& entry : sheet_.entries())
        entries.push_back({{"name", entry.name}, {"frets", sheetFretText(entry.frets)}});
    return entries.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string WebSession::sheetDiagramSvg(int index) const {
    if (index < 0 || index >= sheet_.size()) return {};
    const SheetDiagram& entry = sheet_.entries()[static_cast<std::size_t>(index)];
    return chordDiagramSvg(entry.frets, labels_, entry.notes, model().window().leftHanded);
}

std::string WebSession::sheetSvg(int perRow, const std::string& title) const {
    if (sheet_.empty() || perRow < 1 || perRow > kMaxPerRow) return {};
    SheetExportOptions options;
    options.perRow = perRow;
    options.labels = labels_;
    options.leftHanded = model().window().leftHanded;
    options.title = title;
    return sheetSvgDocument(sheet_.entries(), options).value_or(std::string());
}

void WebSession::chooseNeck(bool electric) {
    if (electric)
        session_.model().SpeedButton11Click();
    else
        session_.model().SpeedButton12Click();
}

void WebSession::setSongText(const std::string& text) {
    session_.model().setSongText(text);
}

void WebSession::playSong(int bpm, int beatsPerChord, double nowMs) {
    session_.model().playSong(bpm, beatsPerChord, static_cast<std::int64_t>(nowMs));
}

void WebSession::songTick(double nowMs) {
    session_.model().songTick(static_cast<std::int64_t>(nowMs));
}

void WebSession::stopSong() {
    session_.model().stopSong();
}

int WebSession::songCurrentChord() const {
    return model().songPlayer().current();
}

void WebSession::strumSongChord(int chord) {
    session_.model().strumSongChord(chord);
}

std::string WebSession::songAlternativesJson(int chord) const {
    nlohmann::json alternatives = nlohmann::json::array();
    const std::vector<ArrangedChord>& chords = model().song().arrangement().chords;
    if (chord >= 0 && chord < static_cast<int>(chords.size())) {
        if (const auto& list = chords[static_cast<std::size_t>(chord)].alternatives) {
            const std::size_t shown =
                std::min<std::size_t>(list->result.voicingList.size(), kAlternativesConsidered);
            for (std::size_t k = 0; k < shown; ++k)
                alternatives.push_back(writeFretList(list->result.voicingList[k].frets, {}));
        }
    }
    return alternatives.dump();
}

std::string WebSession::useBestCapo() {
    std::string offer = session_.model().bestCapoOffer().text();
    session_.model().useBestCapo();
    return offer;
}

bool WebSession::pinSongChord(int chord, int alternative) {
    return session_.model().pinSongChord(chord, alternative);
}

bool WebSession::songPlaying() const {
    return model().songPlayer().playing();
}

std::string WebSession::songChordPro() const {
    return writeChordPro(model().song());
}

std::string WebSession::songMidiFile(int bpm, int beatsPerChord) const {
    const SongArrangement& arrangement = model().song().arrangement();
    if (arrangement.chords.empty()) return {};
    MidiFilePerformance performance;
    performance.bpm = bpm;
    performance.beatsPerChord = beatsPerChord;
    performance.instrument = model().window().patchItem;
    performance.tempoPosition = model().window().tempoPosition;
    return midiFileOf(arrangement, model().search().stringNote, performance);
}

std::string WebSession::songChordSvg(int chord) const {
    const std::vector<ArrangedChord>& chords = model().song().arrangement().chords;
    if (chord < 0 || chord >= static_cast<int>(chords.size())) return {};
    const ArrangedChord& arranged = chords[static_cast<std::size_t>(chord)];
    if (!arranged.fingering) return {};
    return chordDiagramSvg(*arranged.fingering, DotLabels::Fingers, {},
                           model().window().leftHanded);
}

std::string WebSession::vocabularyJson() {
    const auto shown = [](const char* text) { return SingleByteText(text).utf8(); };
    nlohmann::json vocabulary;
    vocabulary["tensions"] = nlohmann::json::array();
    for (const Tension& tension : tensionList())
        vocabulary["tensions"].push_back(shown(tension.text));
    vocabulary["chordTypes"] = nlohmann::json::array();
    for (const ChordType& type : chordTypeTable())
        vocabulary["chordTypes"].push_back(
            {{"suffix", shown(type.suffix)}, {"intervals", type.intervals}});
    vocabulary["tunings"] = nlohmann::json::array();
    for (const TuningPreset& preset : tuningPresets())
        vocabulary["tunings"].push_back(shown(preset.menuCaption));
    vocabulary["instruments"] = nlohmann::json::array();
    for (const Instrument& instrument : instrumentTable())
        vocabulary["instruments"].push_back(shown(instrument.name));
    vocabulary["fretItems"] = kFretItems;
    return vocabulary.dump();
}

std::string WebSession::diagramExplanation(int index) const {
    return model().diagramExplanation(index);
}

} // namespace tambrel

// The page's session as JavaScript sees it: one class, its methods as WebSession has them.
#include "web/web_session.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>

namespace {

// A file's bytes reach JavaScript as a Uint8Array of their own: a string would be read as
// UTF-8, and a view into the module's memory would not outlive the call.
emscripten::val songMidiFile(const tambrel::WebSession& session, int bpm, int beatsPerChord) {
    const std::string bytes = session.songMidiFile(bpm, beatsPerChord);
    return emscripten::val::global("Uint8Array")
        .new_(emscripten::typed_memory_view(bytes.size(),
                                            reinterpret_cast<const unsigned char*>(bytes.data())));
}

} // namespace

EMSCRIPTEN_BINDINGS(tambrel) {
    using tambrel::WebSession;
    emscripten::class_<WebSession>("WebSession")
        .constructor<>()
        .function("execute", &WebSession::execute)
        .function("state", &WebSession::state)
        .function("viewJson", &WebSession::viewJson)
        .function("diagramCount", &WebSession::diagramCount)
        .function("diagramSvg", &WebSession::diagramSvg)
        .function("clickDiagram", &WebSession::clickDiagram)
        .function("neckSvg", &WebSession::neckSvg)
        .function("setDotLabels", &WebSession::setDotLabels)
        .function("dotLabels", &WebSession::dotLabels)
        .function("addSelectedToSheet", &WebSession::addSelectedToSheet)
        .function("addResultsToSheet", &WebSession::addResultsToSheet)
        .function("addSongToSheet", &WebSession::addSongToSheet)
        .function("renameSheetEntry", &WebSession::renameSheetEntry)
        .function("removeSheetEntry", &WebSession::removeSheetEntry)
        .function("moveSheetEntry", &WebSession::moveSheetEntry)
        .function("clearSheet", &WebSession::clearSheet)
        .function("sheetJson", &WebSession::sheetJson)
        .function("sheetDiagramSvg", &WebSession::sheetDiagramSvg)
        .function("sheetSvg", &WebSession::sheetSvg)
        .function("chooseNeck", &WebSession::chooseNeck)
        .function("setSongText", &WebSession::setSongText)
        .function("playSong", &WebSession::playSong)
        .function("songTick", &WebSession::songTick)
        .function("stopSong", &WebSession::stopSong)
        .function("songPlaying", &WebSession::songPlaying)
        .function("songCurrentChord", &WebSession::songCurrentChord)
        .function("strumSongChord", &WebSession::strumSongChord)
        .function("songAlternativesJson", &WebSession::songAlternativesJson)
        .function("pinSongChord", &WebSession::pinSongChord)
        .function("useBestCapo", &WebSession::useBestCapo)
        .function("songChordPro", &WebSession::songChordPro)
        .function("songMidiFile", &songMidiFile)
        .function("songChordSvg", &WebSession::songChordSvg)
        .function("diagramExplanation", &WebSession::diagramExplanation)
        .class_function("vocabularyJson", &WebSession::vocabularyJson);
}

// Tambrel: a chord dictionary for the six-string guitar.
#include <QApplication>

#include "app/Unit1.h"
#include "app/application.h"
#include "app/midi_output.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    tambrel::initialiseApplication();

    // The MIDI output is opened first and held until the program ends.
    std::unique_ptr<tambrel::MidiOutput> midi = tambrel::openMidiOutput();
    TForm1 form1(*midi);
    form1.showMaximized();
    return application.exec();
}

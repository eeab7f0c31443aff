"""The terminal's --midi file read back by mido: each strum's notes in string order at the
pacing of the window, at their pitch under the capo, let go when the next chord is struck.

Usage: midi_readback.py TAMBREL_CLI WORK_FOLDER. Exits 77 (skipped) without mido."""
import os
import subprocess
import sys

try:
    import mido
except ImportError:
    print("mido is not installed: skipped")
    sys.exit(77)

CLI, FOLDER = sys.argv[1], sys.argv[2]
os.makedirs(FOLDER, exist_ok=True)
SONG = "| C Am | F G7 | Bb |"
CAPO, BPM, BEATS = 2, 120, 2
OPEN_STRINGS = [40, 45, 50, 55, 59, 64]  # standard tuning, low E first
PAUSE = 0.075  # the window's pause between strings at its starting tempo position
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def run(*args):
    return subprocess.run([CLI, *args], capture_output=True, text=True, check=False)


# The fingerings the terminal chose, frets counted from the capo.
listing = run("--song", SONG, "--capo", str(CAPO))
check(listing.returncode == 0, "--song failed: " + listing.stderr)
chords = []
for line in listing.stdout.splitlines()[:-1]:
    frets = line.split("\t")[1].split()
    chords.append([OPEN_STRINGS[s] + CAPO + int(f) for s, f in enumerate(frets) if f != "x"])
check(len(chords) == 5, "five chords expected, got %d" % len(chords))

path = os.path.join(FOLDER, "song.mid")
made = run("--song", SONG, "--capo", str(CAPO), "--midi", path, "--bpm", str(BPM),
           "--beats", str(BEATS), "--instrument", "jazz guitar")
check(made.returncode == 0 and made.stdout == "", "--midi failed: " + made.stderr)

song = mido.MidiFile(path)
check(song.type == 0 and len(song.tracks) == 1, "one track of format 0")
at = 0
events = []
for message in song.tracks[0]:
    at += message.time
    events.append((at, message))
check(events[-1][1].type == "end_of_track", "the track ends with end-of-track")
tempos = [m.tempo for _, m in events if m.type == "set_tempo"]
check(tempos == [mido.bpm2tempo(BPM)], "tempo %s" % tempos)
programs = [m.program for _, m in events if m.type == "program_change"]
check(programs == [26], "the jazz guitar's program, got %s" % programs)

# Each strum in seconds: its notes low string first, PAUSE apart, from its chord's beat.
seconds = lambda tick: mido.tick2second(tick, song.ticks_per_beat, tempos[0] if tempos else 1)
chord_seconds = BEATS * 60.0 / BPM
ons = [(seconds(t), m.note) for t, m in events if m.type == "note_on" and m.velocity > 0]
offs = [(seconds(t), m.note) for t, m in events
        if m.type == "note_off" or (m.type == "note_on" and m.velocity == 0)]
expected_ons = []
expected_offs = []
for k, notes in enumerate(chords):
    expected_ons += [(k * chord_seconds + i * PAUSE, n) for i, n in enumerate(notes)]
    expected_offs += [((k + 1) * chord_seconds, n) for n in notes]
tick = seconds(1)
close = lambda got, want: len(got) == len(want) and all(
    g[1] == w[1] and abs(g[0] - w[0]) <= tick for g, w in zip(got, want))
check(close(ons, expected_ons), "strums:\n got  %s\n want %s" % (ons, expected_ons))
check(close(offs, expected_offs), "releases:\n got  %s\n want %s" % (offs, expected_offs))
check(abs(seconds(events[-1][0]) - len(chords) * chord_seconds) <= tick, "the song's length")

# Refusals leave nothing behind.
bad = os.path.join(FOLDER, "no", "such", "folder", "song.mid")
refused = run("--song", SONG, "--midi", bad)
check(refused.returncode == 1 and "tambrel-cli:" in refused.stderr, "an unwritable path")
unread = os.path.join(FOLDER, "unread.mid")
refused = run("--song", "C Hm7 G", "--midi", unread)
check(refused.returncode == 1 and not os.path.exists(unread), "an unreadable symbol")
refused = run("--song", SONG, "--midi", unread, "--instrument", "kazoo")
check(refused.returncode == 2 and not os.path.exists(unread), "an unknown instrument")

for failure in failures:
    print("FAILED:", failure)
sys.exit(1 if failures else 0)

#!/usr/bin/env python3
"""Writes a long headless session of seeded random user actions, one command a line.

The recorded sessions beside this file were made with it and answered by tambrel-cli; their
answers are kept as the expected output, so that any change to what the window does shows.
Usage: make_session.py SEED COUNT > NAME.script
"""
import random
import sys

# Symbols the lookup reads wholly, or not at all (no root): how it reads the everyday symbols
# it used to misread ("Cmaj7", "CM", "c") is pinned by the lookup's own tests.
SYMBOLS = ["C", "Cm", "Cm7", "Cm7/5-", "C7/E", "Bb7/Ab", "Db", "Cb5", "C(b9)", "Csus4", "Caug",
           "C5", "C7/9/11/13", "C/E", "H", "", "H/E", "F#m7/C#", "G7/9+", "Am/G", "Eb6/9",
           "Dm/7/9", "A\u00ba", "Edim/Bb", "Gsus2/D", "B7/4", "C7/9/11/E", "A#m/add9", "Gb/Bb",
           "E/G#", "D/F#", "C  7", "Cm(9)", "C/b5", "Xm7", "C\u00ba7", "Cm7/9/11/13/Bb"]


def action(rng):
    if rng.random() < 0.03:
        return rng.choice(["bass 12", "tick 51", "fret 7", "distance 1", "omit3 maybe", "tuner 0 3",
                           "width -1", "click x 3", "patch 9", "tempo 6", "frobnicate", "root  3",
                           "state now", "preset 12", "view mod3", "sharp top"])
    kind = rng.choice(["root", "bass", "type", "tick", "tick", "tick", "symbol", "symbol",
                       "accidental", "view", "fret", "distance", "box", "preset", "standard",
                       "tuner", "width", "click", "click", "patch", "tempo"])
    if kind == "root":
        return f"root {rng.randrange(12)}"
    if kind == "bass":
        return f"bass {rng.randrange(12)}"
    if kind == "type":
        return f"type {rng.randrange(35)}"
    if kind == "tick":
        return f"tick {rng.randrange(51)}"
    if kind == "symbol":
        return f"symbol {rng.choice(SYMBOLS)}"
    if kind == "accidental":
        return f"{rng.choice(['sharp', 'flat'])} {rng.choice(['root', 'bass'])}"
    if kind == "view":
        return f"view {rng.choice(['mod1', 'mod2', 'mod2'])}"
    if kind == "fret":
        return f"fret {rng.choice([6, 12, 18, 24])}"
    if kind == "distance":
        return f"distance {rng.choice([2, 3, 4, 5])}"
    if kind == "box":
        return f"{rng.choice(['omit3', 'omit5', 'easy', 'lefthand', 'nobarre'])} " \
               f"{rng.choice(['on', 'off'])}"
    if kind == "preset":
        return f"preset {rng.randrange(12)}"
    if kind == "standard":
        return "standard"
    if kind == "tuner":
        return f"tuner {rng.randrange(1, 7)} {rng.randrange(12)}"
    if kind == "width":
        return f"width {rng.choice([50, 99, 100, 300, 644, 645, 1000, 1920])}"
    if kind == "click":
        return f"click {rng.randrange(-20, 1000)} {rng.randrange(-20, 2000)}"
    if kind == "patch":
        return f"patch {rng.randrange(9)}"
    return f"tempo {rng.randrange(6)}"


def main():
    seed, count = int(sys.argv[1]), int(sys.argv[2])
    rng = random.Random(seed)
    print(f"# {count} seeded random actions (seed {seed}), the state after every few")
    for i in range(count):
        print(action(rng))
        if i % 12 == 11:
            print("state")
    print("state")


main()

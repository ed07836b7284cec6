#!/usr/bin/env python3
"""Writes an invented bleem!.INI and Compatibility.TXT of any size, for tests and benchmarks.

    scripts/gen_database.py OUTDIR [--entries 4096] [--seed 1]

The output is fixed by the seed: the same arguments always give the same bytes. The C++ twin in
tests/core/generated.h draws the same numbers in the same order and must produce identical files
(a core test compares the two). Change both together.

bleem!.INI: a few comment lines, a Version line and N entries (ID, Title, Flags, CR LF,
Windows-1252), with duplicate titles, titles differing only in case, accented letters and letters
from the 0x80-0x9F range, and a disabled entry now and then. Compatibility.TXT: a header line and
N records, most of them for a game of the INI file.
"""
import argparse
import os
import sys

MASK = (1 << 64) - 1

FIRST = [b"Crimson", b"Neon", b"Iron", b"Phantom", b"Silent", b"Galactic", b"Turbo", b"Shadow",
         b"Thunder", b"Frozen", b"Lunar", b"Savage", b"Mystic", b"Rogue", b"Atomic", b"Velvet",
         b"Caf\xe9", b"Sk\xf6ll", b"\x8aabre", b"\xc9toile", b"ninja", b"Hyper", b"Man\x9cuvre",
         b"Solar"]
SECOND = [b"Racer", b"Legacy", b"Frontier", b"Odyssey", b"Assault", b"Kingdom", b"Tactics",
          b"Rally", b"Warriors", b"Chronicles", b"Arena", b"Quest", b"Striker", b"Drift", b"Saga",
          b"Pinball", b"Golf", b"Circuit", b"Dynasty", b"Heist"]
SUFFIX = [b"", b"", b"", b"", b" II", b" 3", b" 2000", b" (Disc 1)", b" (Disc 2)", b" Deluxe",
          b": Director's Cut", b" - Special Edition"]
OTHER = [b"Championship", b"Tournament", b"Expedition", b"Syndicate"]
PUBLISHERS = [b"Kestrel Interactive", b"Blue Lantern Games", b"Orbital Softworks",
              b"Marigold Entertainment", b"Tin Soldier Studios", b"Nordlicht Spiele", b"Pixelforge",
              b"Sakura Byte"]
REGIONS = [b"USA", b"Europe", b"Japan"]
GENRES = [b"Racing", b"Action", b"Puzzle", b"Sports", b"RPG", b"Shooter"]
D3D = [b"Yes", b"No", b""]
DETAILS = [b"Runs at full speed.", b"Minor slowdown in menus.",
           b"Music skips during loading screens.", b"Hangs after the second boss.",
           b"Save screen flickers.", b""]
# The values each flags position 2 to 8 takes when it carries a remark.
REMARKS = [b"123567", b"123", b"1234", b"123456", b"0", b"12", b"0"]


class SplitMix64:
    def __init__(self, seed):
        self.state = seed & MASK

    def next(self):
        self.state = (self.state + 0x9E3779B97F4A7C15) & MASK
        z = self.state
        z = ((z ^ (z >> 30)) * 0xBF58476D1CE4E5B9) & MASK
        z = ((z ^ (z >> 27)) * 0x94D049BB133111EB) & MASK
        return z ^ (z >> 31)

    def below(self, n):
        return self.next() % n


def disc_id(rng):
    return b"%010d" % (1000000000 + rng.below(9000000000))


def generate(entries, seed):
    rng = SplitMix64(seed)
    ini = [b"; bleem! game compatibility database", b"; generated: %d entries, seed %d" % (entries, seed),
           b"Version=GEN-%d-%d" % (seed, entries)]
    txt = [b"No|Title|Publisher|Product Code|Region|Genre|Status|D3D|Details|Notes"]
    for k in range(entries):
        first = FIRST[rng.below(len(FIRST))]
        base = first + b" " + SECOND[rng.below(len(SECOND))]
        title = base + SUFFIX[rng.below(len(SUFFIX))]
        case = rng.below(20)
        if case == 0:
            title = title.lower()
        elif case == 1:
            title = title.upper()
        game_id = disc_id(rng)

        status = rng.below(10)
        positions = b""
        for values in REMARKS:
            if rng.below(10) >= 7:
                pick = rng.below(len(values))
                positions += values[pick:pick + 1]
            else:
                positions += b"0"
        if status < 5:
            flags = (b"8" if positions[1:] == b"000000" else b"0") + positions + b"H"
        elif status < 7:
            flags = b"40000000H"
        else:
            flags = b"0" + positions + b"H"

        if rng.below(40) == 0:
            ini += [b"", b";ID=" + disc_id(rng), b";Title=" + title, b";Flags=" + flags]
        ini += [b"", b"ID=" + game_id, b"Title=" + title, b"Flags=" + flags]

        if rng.below(10) < 8:
            record_title = base
            record_status = {b"8": b"Yes!", b"4": b"Not Yet"}.get(flags[:1], b"Partially")
        else:
            record_title = first + b" " + OTHER[rng.below(len(OTHER))]
            record_status = b"Yes!"
        fields = [b"%d" % (k + 1), record_title, PUBLISHERS[rng.below(len(PUBLISHERS))],
                  b"SLUS-%05d" % (90000 + k % 10000), REGIONS[rng.below(len(REGIONS))],
                  GENRES[rng.below(len(GENRES))], record_status, D3D[rng.below(len(D3D))],
                  DETAILS[rng.below(len(DETAILS))], b""]
        txt.append(b"|".join(fields))
    return b"".join(line + b"\r\n" for line in ini), b"".join(line + b"\r\n" for line in txt)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("outdir")
    parser.add_argument("--entries", type=int, default=4096)
    parser.add_argument("--seed", type=int, default=1)
    args = parser.parse_args()
    if args.entries < 0:
        parser.error("--entries must not be negative")
    ini, txt = generate(args.entries, args.seed)
    os.makedirs(args.outdir, exist_ok=True)
    with open(os.path.join(args.outdir, "bleem!.INI"), "wb") as f:
        f.write(ini)
    with open(os.path.join(args.outdir, "Compatibility.TXT"), "wb") as f:
        f.write(txt)
    return 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""Wraps the 2048-byte sectors of an ISO 9660 image into a BIN/CUE image, as CD rippers write them.

    mkbincue.py IMAGE.iso OUT.bin [--mode MODE2/2352|MODE1/2352|MODE1/2048] [--audio N] [--no-cue]

MODE2/2352 sectors are what PlayStation discs hold: sync, header, an XA subheader of Form 1,
the 2048 data bytes and room for EDC/ECC (left zero; readers do not check it). --audio appends
N tracks of two seconds of silence to the same BIN, as a game's music tracks. --no-cue writes
the BIN alone (a "bare" BIN).
"""
import argparse
import os

SYNC = b"\x00" + b"\xff" * 10 + b"\x00"
FORM1_SUBHEADER = b"\x00\x00\x08\x00" * 2
AUDIO_SECTOR = b"\x00" * 2352
AUDIO_SECTORS = 150  # two seconds


def bcd(n):
    return ((n // 10) << 4) | (n % 10)


def header(lba, mode):
    frames = lba + 150  # the two-second lead-in before sector 0
    return bytes([bcd(frames // 4500), bcd(frames // 75 % 60), bcd(frames % 75), mode])


def raw_sector(lba, data, mode):
    if mode == "MODE2/2352":
        return SYNC + header(lba, 2) + FORM1_SUBHEADER + data + b"\x00" * 280
    return SYNC + header(lba, 1) + data + b"\x00" * 288


def msf(sectors):
    return "%02d:%02d:%02d" % (sectors // 4500, sectors // 75 % 60, sectors % 75)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("iso")
    parser.add_argument("bin")
    parser.add_argument("--mode", default="MODE2/2352", choices=["MODE2/2352", "MODE1/2352", "MODE1/2048"])
    parser.add_argument("--audio", type=int, default=0)
    parser.add_argument("--no-cue", action="store_true")
    args = parser.parse_args()
    if args.audio and args.mode == "MODE1/2048":
        parser.error("audio tracks follow raw (2352-byte) sectors only")

    with open(args.iso, "rb") as f:
        iso = f.read()
    sectors = [iso[i:i + 2048].ljust(2048, b"\x00") for i in range(0, len(iso), 2048)]
    with open(args.bin, "wb") as out:
        for lba, data in enumerate(sectors):
            out.write(data if args.mode == "MODE1/2048" else raw_sector(lba, data, args.mode))
        for _ in range(args.audio * AUDIO_SECTORS):
            out.write(AUDIO_SECTOR)
    if args.no_cue:
        return

    lines = ['FILE "%s" BINARY' % os.path.basename(args.bin), "  TRACK 01 %s" % args.mode, "    INDEX 01 00:00:00"]
    start = len(sectors)  # audio follows raw sectors only: a 2048-byte track has no room for it
    for track in range(args.audio):
        lines += ["  TRACK %02d AUDIO" % (track + 2), "    INDEX 01 %s" % msf(start + track * AUDIO_SECTORS)]
    with open(os.path.splitext(args.bin)[0] + ".cue", "w", newline="\r\n") as cue:
        cue.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()

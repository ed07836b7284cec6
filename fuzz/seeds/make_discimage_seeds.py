#!/usr/bin/env python3
"""Writes the seeds of discimage_fuzz into fuzz/seeds/discimage_fuzz/: a small ISO 9660 image
holding SYSTEM.CNF, in every form the target reads (see discimage_fuzz.cpp for the first byte),
so that the fuzzer starts on every path: cooked and raw sectors, CUE sheets with their BIN (the
data track first, or after an audio track for libcdio's BIN/CUE driver), NRG files with Nero 5
("NERO") and Nero 5.5 ("NER5") footers and each kind of track list, and the inputs of the
reported NRG faults. The 16 zero sectors before the volume descriptor are the target's own; NRG
files hold Mode 2 sectors of 2336 bytes, as Nero keeps a PlayStation disc.

    fuzz/seeds/make_discimage_seeds.py
"""
import os
import struct

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "discimage_fuzz")
SECTOR = 2048
CNF = b"BOOT = cdrom:\\SLUS_001.52;1\r\nTCB = 4\r\n"


def both16(n):
    return struct.pack("<H", n) + struct.pack(">H", n)


def both32(n):
    return struct.pack("<I", n) + struct.pack(">I", n)


def record(name, extent, size, directory):
    body = bytes([0]) + both32(extent) + both32(size) + bytes(7) + bytes([2 if directory else 0, 0, 0])
    body += both16(1) + bytes([len(name)]) + name
    if len(body) % 2 == 0:
        body += b"\0"
    return bytes([len(body) + 1]) + body


def iso():
    """Sectors 16 to 19 of an image of 20: the volume descriptor, its terminator, the root
    directory and SYSTEM.CNF."""
    pvd = bytearray(SECTOR)
    pvd[0:8] = b"\x01CD001\x01\x00"
    pvd[80:88] = both32(20)
    pvd[120:124] = both16(1)
    pvd[124:128] = both16(1)
    pvd[128:132] = both16(SECTOR)
    pvd[156:190] = record(b"\0", 18, SECTOR, True)
    pvd[881] = 1
    end = b"\xffCD001\x01".ljust(SECTOR, b"\0")
    root = (record(b"\0", 18, SECTOR, True) + record(b"\1", 18, SECTOR, True)
            + record(b"SYSTEM.CNF;1", 19, len(CNF), False)).ljust(SECTOR, b"\0")
    return bytes(pvd) + end + root + CNF.ljust(SECTOR, b"\0")


def raw(cooked, mode):
    out = b""
    for k in range(len(cooked) // SECTOR):
        lba = 16 + k + 150
        head = b"\0" + b"\xff" * 10 + b"\0" + bytes([lba // 4500, lba // 75 % 60, lba % 75, mode])
        data = cooked[k * SECTOR:(k + 1) * SECTOR]
        out += head + (b"\0\0\x08\0" * 2 + data + bytes(280) if mode == 2 else data + bytes(288))
    return out


def mode2(cooked):
    """Mode 2 sectors as Nero keeps them, 2336 bytes: the subheader, the data, room for ECC."""
    return b"".join(b"\0\0\x08\0" * 2 + cooked[k:k + SECTOR] + bytes(280) for k in range(0, len(cooked), SECTOR))


def chunk(name, data):
    return name + struct.pack(">I", len(data)) + data


def nrg(chunks, version):
    """An NRG file after the target's 16 zero sectors: the image, its chunks, the footer."""
    body = mode2(iso())
    start = 16 * 2336 + len(body)
    footer = b"NERO" + struct.pack(">I", start) if version == 1 else b"NER5" + struct.pack(">Q", start)
    return body + b"".join(chunks) + chunk(b"END!", b"") + footer


def main():
    image = iso()
    sectors = 20
    etnf = struct.pack(">IIIII", 0, sectors * 2336, 3, 0, 0)
    etn2 = struct.pack(">QQIIQ", 0, sectors * 2336, 3, 0, 0)
    cuex = struct.pack(">BBBBi", 0x41, 0, 0, 0, -150) + struct.pack(">BBBBi", 0x41, 1, 0, 0, -150)
    cuex += struct.pack(">BBBBi", 0x41, 1, 1, 0, 0) + struct.pack(">BBBBi", 0x41, 0xAA, 1, 0, sectors)
    cues = struct.pack(">BBBBI", 0x41, 0, 0, 0, 0) + struct.pack(">BBBBI", 0x41, 1, 0, 0, 0) * 2 + bytes(8)
    dao = lambda wide: struct.pack("<I", 0) + b"0" * 13 + bytes(3) + b"\1\1" + bytes(10) + struct.pack(">I", 2336) \
        + b"\0\0\2\0" + (struct.pack(">QQQ", 0, 0, sectors * 2336) if wide else struct.pack(">III", 0, 0, sectors * 2336))
    sheet = lambda lines: ("\r\n".join(lines) + "\r\n").encode()
    seeds = {
        "iso": b"\2" + image,
        "raw_mode2": b"\3" + raw(image, 2),
        "raw_mode1": b"\3" + raw(image, 1),
        "cue_mode2_2352": b"\0" + sheet(['FILE "game.bin" BINARY', "  TRACK 01 MODE2/2352", "    INDEX 01 00:00:00"])
        + b"\0" + raw(image, 2),
        "cue_mode1_2048": b"\1" + sheet(['FILE "game.bin" BINARY', "  TRACK 01 MODE1/2048", "    INDEX 01 00:00:00"])
        + b"\0" + image,
        "cue_audio_first": b"\0" + sheet(['FILE "game.bin" BINARY', "  TRACK 01 AUDIO", "    INDEX 01 00:00:00",
                                          "  TRACK 02 MODE2/2352", "    INDEX 00 00:00:01", "    INDEX 01 00:00:02"])
        + b"\0" + raw(image, 2),
        "nrg_v1_etnf": b"\4" + nrg([chunk(b"ETNF", etnf), chunk(b"SINF", struct.pack(">I", 1))], 1),
        "nrg_v2_etn2_daox": b"\4" + nrg([chunk(b"ETN2", etn2), chunk(b"DAOX", dao(True)), chunk(b"MTYP", struct.pack(">I", 1))], 2),
        "nrg_v2_cuex_daoi": b"\4" + nrg([chunk(b"CUEX", cuex), chunk(b"DAOI", dao(False)), chunk(b"CDTX", bytes(18))], 2),
        "nrg_v1_cues": b"\4" + nrg([chunk(b"CUES", cues)], 1),
        # The reported faults: a Nero 5 footer whose chunks run past the list, and one whose
        # offset lies beyond the file.
        "footer_offset_inside": b"\2" + bytes.fromhex("13f1ffffff4d43ef0d0d4e45524f00000048"),
        "footer_offset_beyond": b"\2" + b"\3" * 37 + b"\1" + b"\3" * 4 + b"NERO" + b"\3" * 4,
    }
    os.makedirs(HERE, exist_ok=True)
    for name, data in seeds.items():
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()

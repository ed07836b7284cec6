#!/usr/bin/env python3
"""Writes discid_data.inc, the rows of the disc ID table, beside this script.

Only some rows of the table are known: KNOWN below, each at its fixed index, and the product code
SLUS-00707, which stands in two rows whose disc IDs are not known. Every other row is a
placeholder that keeps the table's shape:

  * 1551 rows; rows 0-338 ascend by disc ID, rows 339-1549 ascend again from the smallest disc
    ID, row 1550 stands alone;
  * product code prefixes SLUS 703, SLES 276, SLPS 253, SCUS 139, SCPS 68, SCES 64, SLPM 47,
    SIPS 1;
  * 12 disc IDs stand in two rows each, with different product codes;
  * 36 product codes stand in more than one row: SLUS-00152 in four, the others in two.

Every row whose disc ID is invented (the placeholders and the two SLUS-00707 rows) is marked
kInventedDiscID, and the lookup by product code skips such rows: a real disc never gets an
invented disc ID. Placeholder product codes are numbered from 90001 upward, a range no disc uses. The generator is deterministic (its
own pseudo-random sequence, independent of Python's version) and checks every property above
before it writes. Run it again only to change the rows: python3 gen_discids.py [output]
"""
import sys
from collections import Counter
from pathlib import Path

COUNT = 1551
FIRST_RUN = range(0, 339)
SECOND_RUN = range(339, 1550)
LONE = 1550
MAX_DISC_ID = 4294967295

KNOWN = {
    0: "0002126656SLPS-02020",
    7: "0099269388SLES-01903",
    10: "0172831837SLPS-00982",
    338: "4285073898SLES-02238",
    339: "0000290548SLUS-00010",
    350: "0033330665SLUS-00152",
    376: "0099269388SLES-61903",
    414: "0261992838SLUS-00152",
    624: "0969511290SLUS-00152",
    985: "2271434423SLUS-00152",
    1549: "4294667405SLUS-00370",
    1550: "2213760177SLPS-02553",
}
KNOWN_CODE_TWICE = "SLUS-00707"  # its two rows' disc IDs are invented

PREFIXES = {"SLUS": 703, "SLES": 276, "SLPS": 253, "SCUS": 139, "SCPS": 68, "SCES": 64,
            "SLPM": 47, "SIPS": 1}
DISC_IDS_TWICE = 12
CODES_IN_MORE_ROWS = 36
PLACEHOLDER_FIRST_NUMBER = 90001


class Sequence:
    """splitmix64: a fixed, portable pseudo-random sequence."""

    def __init__(self, seed):
        self.state = seed

    def next(self):
        self.state = (self.state + 0x9E3779B97F4A7C15) & 0xFFFFFFFFFFFFFFFF
        z = self.state
        z = ((z ^ (z >> 30)) * 0xBF58476D1CE4E5B9) & 0xFFFFFFFFFFFFFFFF
        z = ((z ^ (z >> 27)) * 0x94D049BB133111EB) & 0xFFFFFFFFFFFFFFFF
        return z ^ (z >> 31)

    def below(self, n):
        return self.next() % n

    def shuffle(self, items):
        for k in range(len(items) - 1, 0, -1):
            j = self.below(k + 1)
            items[k], items[j] = items[j], items[k]


def fill_run(rng, run, ids, taken, wanted):
    """Gives every unknown row of run an ascending disc ID between its known neighbours.

    wanted: disc IDs that must appear in this run (the doubled ones); taken: IDs to avoid.
    """
    anchors = [k for k in run if k in ids]
    assert anchors[0] == run.start, "a run starts at a known row"
    bounds = anchors + [run.stop]
    for lo, hi in zip(bounds, bounds[1:]):
        slots = list(range(lo + 1, hi))
        if not slots:
            continue
        low = ids[lo]
        high = ids[hi] if hi in ids else MAX_DISC_ID + 1
        chosen = {v for v in wanted if low < v < high}
        assert len(chosen) <= len(slots)
        while len(chosen) < len(slots):
            v = low + 1 + rng.below(high - low - 1)
            if v not in taken and v not in chosen:
                chosen.add(v)
        for k, v in zip(slots, sorted(chosen)):
            ids[k] = v


def generate():
    rng = Sequence(0x746F6C7661)
    ids = {k: int(row[:10]) for k, row in KNOWN.items()}
    codes = {k: row[10:] for k, row in KNOWN.items()}

    # Disc IDs: the first run, then the second run, which repeats eleven of the first run's
    # invented IDs (the twelfth doubled ID is the known 0099269388).
    fill_run(rng, FIRST_RUN, ids, {ids[LONE]}, set())
    first_unknown = [k for k in FIRST_RUN if k not in KNOWN]
    rng.shuffle(first_unknown)
    again = {ids[k] for k in first_unknown[:DISC_IDS_TWICE - 1]}
    taken = {ids[k] for k in FIRST_RUN} | {ids[LONE]}
    fill_run(rng, SECOND_RUN, ids, taken - again, again)

    # Product codes: share out the prefixes the known rows leave over, then number them.
    unknown = [k for k in range(COUNT) if k not in KNOWN]
    left = Counter(PREFIXES)
    left.subtract(c[:4] for c in codes.values())
    prefixes = [p for p in sorted(left) for _ in range(left[p])]
    rng.shuffle(prefixes)
    by_prefix = {}
    for k, p in zip(unknown, prefixes):
        by_prefix.setdefault(p, []).append(k)

    for p, rows in sorted(by_prefix.items()):
        rows = sorted(rows)
        if p == KNOWN_CODE_TWICE[:4]:
            code_rows, rest = rows[-2:], rows[:-2]  # one pair of SLUS rows for SLUS-00707
            for k in code_rows:
                codes[k] = KNOWN_CODE_TWICE
            rows = rest
        for n, k in enumerate(rows):
            codes[k] = "%s-%05d" % (p, PLACEHOLDER_FIRST_NUMBER + n)

    # Doubled placeholder codes: the later row of a pair takes the earlier row's code, pairs
    # chosen among the placeholders of one prefix, never two rows that share a disc ID.
    doubled = CODES_IN_MORE_ROWS - 2  # SLUS-00152 and SLUS-00707 are already doubled
    pool = [k for k in unknown if codes[k] != KNOWN_CODE_TWICE]
    rng.shuffle(pool)
    used = set()
    for a in pool:
        if doubled == 0:
            break
        if a in used:
            continue
        for b in pool:
            if b != a and b not in used and codes[b][:4] == codes[a][:4] and ids[a] != ids[b]:
                used.update((a, b))
                codes[max(a, b)] = codes[min(a, b)]
                doubled -= 1
                break
    assert doubled == 0

    rows = ["%010d%s" % (ids[k], codes[k]) for k in range(COUNT)]
    check(rows)
    return rows


def check(rows):
    assert len(rows) == COUNT
    assert all(len(r) == 20 and r[:10].isdigit() and int(r[:10]) <= MAX_DISC_ID for r in rows)
    for k, row in KNOWN.items():
        assert rows[k] == row
    first = [r[:10] for r in rows[FIRST_RUN.start:FIRST_RUN.stop]]
    second = [r[:10] for r in rows[SECOND_RUN.start:SECOND_RUN.stop]]
    assert first == sorted(set(first)) and second == sorted(set(second))
    assert second[0] == min(r[:10] for r in rows)
    assert Counter(r[10:14] for r in rows) == Counter(PREFIXES)
    id_counts = Counter(r[:10] for r in rows)
    doubled_ids = [d for d, n in id_counts.items() if n > 1]
    assert len(doubled_ids) == DISC_IDS_TWICE and all(id_counts[d] == 2 for d in doubled_ids)
    for d in doubled_ids:
        assert len({r[10:] for r in rows if r[:10] == d}) == 2
    code_counts = Counter(r[10:] for r in rows)
    assert sum(1 for n in code_counts.values() if n > 1) == CODES_IN_MORE_ROWS
    assert code_counts["SLUS-00152"] == 4 and code_counts[KNOWN_CODE_TWICE] == 2
    assert sorted(n for n in code_counts.values() if n > 1)[:-1] == [2] * (CODES_IN_MORE_ROWS - 1)


def main():
    rows = generate()
    target = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent / "discid_data.inc"
    lines = [
        "// Generated by gen_discids.py: do not edit by hand.",
        "// Known rows, marked kKnownDiscID: indexes " + ", ".join(str(k) for k in sorted(KNOWN)) + ".",
        "// Every other row's disc ID is invented, marked kInventedDiscID: the two " + KNOWN_CODE_TWICE,
        "// rows pair a known product code with invented disc IDs; the rest are placeholders with a",
        "// product code numbered 90001 or above, which no disc carries.",
    ]
    for k, row in enumerate(rows):
        mark = "kKnownDiscID" if k in KNOWN else "kInventedDiscID"
        lines.append('{"%s", %s},' % (row, mark))
    target.write_text("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Sampled mutation testing of the project's core: how many small faults do its tests catch?

    scripts/mutants.py PROJECT [--n 60] [--seed 1] [--files 'src/core/**/*.cpp'] [--out FILE]

Copies PROJECT's committed tree (git archive HEAD) to a work folder, builds it once (Ninja,
RelWithDebInfo, TOLVA_ASSERTIONS on, as the test builds are), then for each of N mutation sites
drawn with the seed: applies one mutation
(a comparison, logical or arithmetic operator flipped, a boolean literal swapped, a +1/-1 dropped),
rebuilds the test target, runs the test command. Killed = the tests fail or hang past --timeout;
stillborn = it does not compile (not counted).
For the window tests: --files 'src/app/**/*.cpp' --target all --binary 'ctest -j2 --timeout 300'
--timeout 900 (QT_QPA_PLATFORM=offscreen in the environment). Leave out tests that fail by chance
(--binary 'tests/tolva_core_tests --gtest_fail_fast --gtest_filter=-PATTERN'): a flaky test counts
as a kill. --gtest_fail_fast and a --timeout of about three times the suite's own time keep a
core mutant near 15 s.
Prints the score and each survivor; --out writes JSON.
The score is comparable between commits only as an estimate: the sample is of each commit's
own code.
"""
import argparse, glob, json, os, random, re, shutil, signal, subprocess, sys, tempfile, time

MUTATIONS = [
    (r" < ", " <= "), (r" <= ", " < "), (r" > ", " >= "), (r" >= ", " > "),
    (r" == ", " != "), (r" != ", " == "), (r" && ", " || "), (r" \|\| ", " && "),
    (r"\btrue\b", "false"), (r"\bfalse\b", "true"),
    (r" \+ 1\b", ""), (r" - 1\b", ""), (r"\+\+", "--"),
]

def code_part(line):
    """The line without a // comment and without string/char literals (crudely)."""
    s = re.sub(r'"(\\.|[^"\\])*"', lambda m: " " * len(m.group(0)), line)
    s = re.sub(r"'(\\.|[^'\\])*'", lambda m: " " * len(m.group(0)), s)
    i = s.find("//")
    return s if i < 0 else s[:i] + " " * (len(s) - i)

def sites(root, pattern):
    out = []
    for path in sorted(glob.glob(os.path.join(root, pattern), recursive=True)):
        rel = os.path.relpath(path, root)
        with open(path, encoding="utf-8", errors="surrogateescape") as f:
            lines = f.read().split("\n")
        in_block = False
        for n, line in enumerate(lines):
            st = line.strip()
            if in_block:
                if "*/" in st: in_block = False
                continue
            if st.startswith("/*"):
                in_block = "*/" not in st
                continue
            if st.startswith("#") or st.startswith("//") or st.startswith("static_assert"):
                continue
            code = code_part(line)
            for k, (pat, rep) in enumerate(MUTATIONS):
                for m in re.finditer(pat, code):
                    out.append((rel, n, m.start(), m.end(), k))
    return out

def run(cmd, cwd, timeout):
    try:
        r = subprocess.run(cmd, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                           timeout=timeout)
        return r.returncode
    except subprocess.TimeoutExpired:
        return "timeout"

def test_cmd(a, bld):
    parts = a.binary.split()
    if os.path.exists(os.path.join(bld, parts[0])):
        parts[0] = os.path.join(bld, parts[0])
    return parts

def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("project"); ap.add_argument("--n", type=int, default=60)
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--files", default="src/core/**/*.cpp")
    ap.add_argument("--target", default="tolva_core_tests")
    ap.add_argument("--binary", default="tests/tolva_core_tests",
                    help="test command run in the build folder (split on spaces), e.g. "
                         "'ctest -j2 --timeout 300' with --target all for the window tests")
    ap.add_argument("--work", default=os.path.join(tempfile.gettempdir(), "tolva-mutants"))
    ap.add_argument("--timeout", type=int, default=120,
                    help="seconds one run of the tests may take before the mutant counts as killed")
    ap.add_argument("--out")
    a = ap.parse_args()
    sha = subprocess.check_output(["git", "-C", a.project, "rev-parse", "--short", "HEAD"], text=True).strip()
    src = os.path.join(a.work, sha, "src-tree"); bld = os.path.join(a.work, sha, "build")
    fresh = os.path.join(a.work, sha, "fresh")
    shutil.rmtree(fresh, ignore_errors=True); os.makedirs(fresh)
    subprocess.run(f"git -C '{a.project}' archive HEAD | tar -x -C '{fresh}'", shell=True, check=True)
    if not os.path.isdir(src):
        shutil.copytree(fresh, src)
    else:  # put back any file a stopped run left mutated (only those, so the build stays warm)
        for dirpath, _, names in os.walk(fresh):
            for name in names:
                f = os.path.join(dirpath, name); g = os.path.join(src, os.path.relpath(f, fresh))
                with open(f, "rb") as x, open(g, "rb") as y:
                    if x.read() != y.read():
                        shutil.copy2(f, g); os.utime(g, None)
    shutil.rmtree(fresh)
    if not os.path.exists(os.path.join(bld, ".built")):
        subprocess.run(["cmake", "-S", src, "-B", bld, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                        "-DTOLVA_BENCH=OFF", "-DTOLVA_ASSERTIONS=ON"], check=True, stdout=subprocess.DEVNULL)
        subprocess.run(["cmake", "--build", bld, "-j2", "--target", a.target], check=True, stdout=subprocess.DEVNULL)
        base = run(test_cmd(a, bld), bld, 1800)
        if base != 0:
            sys.exit(f"the unmutated tests fail ({base}): nothing to measure")
        open(os.path.join(bld, ".built"), "w").close()
    all_sites = sites(src, a.files)
    rng = random.Random(a.seed)
    sample = rng.sample(all_sites, min(a.n, len(all_sites)))
    results = []
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))  # run the finally below, then stop
    for i, (rel, n, s, e, k) in enumerate(sample):
        path = os.path.join(src, rel)
        with open(path, encoding="utf-8", errors="surrogateescape") as f:
            original = f.read()
        lines = original.split("\n")
        line = lines[n]
        pat, rep = MUTATIONS[k]
        mutated = line[:s] + re.sub(pat, rep, line[s:e], count=1) + line[e:]
        lines[n] = mutated
        with open(path, "w", encoding="utf-8", errors="surrogateescape") as f:
            f.write("\n".join(lines))
        t0 = time.time()
        try:
            b = run(["cmake", "--build", bld, "-j2", "--target", a.target], bld, 600)
            if b != 0:
                verdict = "stillborn"
            else:
                r = run(test_cmd(a, bld), bld, a.timeout)
                verdict = "survived" if r == 0 else "killed"
        finally:
            with open(path, "w", encoding="utf-8", errors="surrogateescape") as f:
                f.write(original)
            os.utime(path, None)
        results.append({"file": rel, "line": n + 1, "from": line.strip(), "to": mutated.strip(),
                        "verdict": verdict, "seconds": round(time.time() - t0, 1)})
        print(f"[{i+1}/{len(sample)}] {verdict:9} {rel}:{n+1}  {mutated.strip()[:100]}", flush=True)
    run(["cmake", "--build", bld, "-j2", "--target", a.target], bld, 600)
    valid = [r for r in results if r["verdict"] != "stillborn"]
    killed = sum(r["verdict"] == "killed" for r in valid)
    score = killed / len(valid) if valid else 0
    print(f"\n{sha}: {killed}/{len(valid)} mutants killed ({score:.0%}); "
          f"{len(results) - len(valid)} stillborn; {len(all_sites)} sites in {a.files}")
    for r in valid:
        if r["verdict"] == "survived":
            print(f"  survived {r['file']}:{r['line']}  {r['to'][:110]}")
    if a.out:
        with open(a.out, "w") as f:
            json.dump({"sha": sha, "killed": killed, "valid": len(valid), "score": score,
                       "sites": len(all_sites), "results": results}, f, indent=1)

main()

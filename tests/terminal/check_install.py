"""The install tree holds ruxa-cal and the holiday data, and the installed program reads
the data installed beside it: a row changed there shows in its output."""

import os
import shutil
import subprocess
import sys
import tempfile

BUILD = sys.argv[1]

with tempfile.TemporaryDirectory() as prefix:
    subprocess.run(["cmake", "--install", BUILD, "--prefix", prefix], check=True,
                   stdout=subprocess.DEVNULL)
    program = os.path.join(prefix, "bin", "ruxa-cal")
    data = os.path.join(prefix, "share", "ruxa-calendar", "holidays.csv")
    failures = [f"missing {path}" for path in (program, data) if not os.path.exists(path)]
    if not failures:
        with open(data, encoding="utf-8") as table:
            rows = table.read()
        with open(data, "w", encoding="utf-8") as table:
            table.write(rows.replace("2024-02-04,班,春节", "2024-02-04,休,测试"))
        with tempfile.TemporaryDirectory() as home:
            env = dict(os.environ, XDG_DATA_HOME=home)
            done = subprocess.run([program, "--table", "2024-02-04", "2024-02-04"],
                                  capture_output=True, env=env, cwd=home, timeout=60)
        if not done.stdout.decode().endswith("\t休\t16:27\n"):
            failures.append("the installed program does not read the installed data: " +
                            done.stdout.decode() + done.stderr.decode())

for failure in failures:
    print("FAILED:", failure)
print(f"{0 if failures else 1} passed, {len(failures)} failed")
sys.exit(1 if failures else 0)

#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""json_schema.py SCHEMA.json CLI: validates `CLI report --json` of a few seeded random
parameter files against the configuration schema (docs/configuration.schema.json, which
qmr_json_schema writes). Exit 0 valid, 1 invalid (each fault one line on stderr), 77 skipped
when the python3-jsonschema module is missing (tools/install-deps.sh installs it)."""

import json
import os
import random
import subprocess
import sys
import tempfile

PREFIX_BYTES = 4096
IMAGE_BYTES = 16384
FILES = 6
SEED = 20261207


def random_file(rng):
    """Random bytes biased to 0x00, 0xFF and small numbers, the values list fields test for."""
    def byte():
        kind = rng.randrange(8)
        if kind == 0:
            return 0x00
        if kind == 1:
            return 0xFF
        if kind == 2:
            return rng.randrange(10)
        return rng.randrange(256)
    return bytes(PREFIX_BYTES) + bytes(byte() for _ in range(IMAGE_BYTES))


def main():
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    try:
        import jsonschema
    except ImportError:
        print("skipped: the python3-jsonschema module is missing (tools/install-deps.sh installs it)")
        return 77
    schema_path, cli = sys.argv[1:]
    with open(schema_path, encoding="utf-8") as f:
        schema = json.load(f)
    jsonschema.Draft202012Validator.check_schema(schema)
    validator = jsonschema.Draft202012Validator(schema)
    rng = random.Random(SEED)
    faults = 0
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "random.dat")
        for n in range(FILES):
            with open(path, "wb") as f:
                f.write(random_file(rng))
            out = subprocess.run([cli, "report", path, "--json"], check=True, capture_output=True)
            for error in validator.iter_errors(json.loads(out.stdout)):
                faults += 1
                where = ".".join(str(p) for p in error.absolute_path)
                print(f"random file {n}: {where}: {error.message}", file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())

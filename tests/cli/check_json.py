#!/usr/bin/env python3
"""Checks JSON against one definition of docs/json/kugelmeister-cli.schema.json.

    check_json.py SCHEMA DEFINITION < OUTPUT

Every non-empty line of the input is one JSON document; prints "valid" or the
first error and exits 1."""
import json
import sys

import jsonschema

schema_file, definition = sys.argv[1], sys.argv[2]
with open(schema_file, encoding="utf-8") as f:
    schema = json.load(f)
jsonschema.Draft202012Validator.check_schema(schema)
validator = jsonschema.Draft202012Validator({**schema, "$ref": "#/$defs/" + definition})
lines = [line for line in sys.stdin.read().splitlines() if line.strip()]
if not lines:
    print(f"{definition}: no output")
    sys.exit(1)
for line in lines:
    errors = sorted(validator.iter_errors(json.loads(line)), key=lambda e: list(e.path))
    if errors:
        print(f"{definition}: {errors[0].message} at {list(errors[0].path)}")
        sys.exit(1)
print(f"{definition}: valid")

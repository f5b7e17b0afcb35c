#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks saved documents against the published JSON Schema with a validator we did not write.
import json
import sys

import jsonschema

schema = json.load(open(sys.argv[1], encoding="utf-8"))
jsonschema.Draft202012Validator.check_schema(schema)
validator = jsonschema.Draft202012Validator(schema)
failed = False
for path in sys.argv[2:]:
    errors = list(validator.iter_errors(json.load(open(path, encoding="utf-8"))))
    for error in errors:
        print(f"{path}: {'/'.join(map(str, error.path))}: {error.message}")
    failed = failed or bool(errors)
    print(f"{path}: {'invalid' if errors else 'valid'}")
sys.exit(1 if failed else 0)

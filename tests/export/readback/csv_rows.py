"""Prints the rows of a CSV file as JSON, read as a spreadsheet user's script reads it."""
import csv
import json
import sys

path, separator = sys.argv[1], sys.argv[2]
with open(path, newline="", encoding="utf-8-sig") as f:
    rows = list(csv.reader(f, delimiter=separator, strict=True))
print(json.dumps(rows, ensure_ascii=False))

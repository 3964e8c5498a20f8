"""Reads iCalendar files with the icalendar library and prints every file's events as
JSON. Exits 1, naming it, on an event without a property a calendar needs to update
it, or on a UID used twice in one file."""
import json
import sys

from icalendar import Calendar

NEEDED = ("UID", "DTSTAMP", "SEQUENCE", "DTSTART", "DTEND", "SUMMARY")
result = {}
for path in sys.argv[1:]:
    with open(path, "rb") as f:
        calendar = Calendar.from_ical(f.read())
    events = []
    for event in calendar.walk("VEVENT"):
        for name in NEEDED:
            if name not in event:
                sys.exit(f"{path}: {event.get('UID')} has no {name}")
        events.append({
            "uid": str(event["UID"]),
            "sequence": int(event["SEQUENCE"]),
            "stamp": event.decoded("DTSTAMP").strftime("%Y%m%dT%H%M%SZ"),
            "start": event.decoded("DTSTART").isoformat(),
            "summary": str(event["SUMMARY"]),
        })
    uids = [e["uid"] for e in events]
    if len(set(uids)) != len(uids):
        sys.exit(f"{path}: a UID is used twice")
    result[path] = events
print(json.dumps(result, ensure_ascii=False))

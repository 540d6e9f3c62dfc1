#!/usr/bin/python3
"""Reads an iCalendar file with an independent parser (python3-icalendar) and checks what a
calendar program relies on: CR LF, lines of at most 75 octets, one VEVENT per minimum with a
unique UID, DTSTAMP, DTSTART two hours before the minimum and DTEND two hours after it.

usage: check-ics.py FILE EVENTS [UIDS-OUT]
EVENTS is the expected number of events; UIDS-OUT, if given, receives the UIDs, one per line.
"""
import datetime
import sys

import icalendar


def fail(message):
    print(f"check-ics: {message}", file=sys.stderr)
    sys.exit(1)


path, expected = sys.argv[1], int(sys.argv[2])
raw = open(path, "rb").read()
if not raw.endswith(b"\r\n") or raw.replace(b"\r\n", b"").count(b"\n") or raw.count(b"\r") != raw.count(b"\r\n"):
    fail("line ends are not all CR LF")
for number, line in enumerate(raw.split(b"\r\n")[:-1], 1):
    if len(line) > 75:
        fail(f"line {number} has {len(line)} octets")
    line.decode("utf-8")  # a fold that cut a character would not decode

calendar = icalendar.Calendar.from_ical(raw)
if str(calendar["VERSION"]) != "2.0" or not str(calendar["PRODID"]):
    fail("VERSION or PRODID missing")
events = list(calendar.walk("VEVENT"))
if len(events) != expected:
    fail(f"{len(events)} events, {expected} expected")
uids = [str(event["UID"]) for event in events]
if len(set(uids)) != len(uids):
    fail("two events share a UID")
for event in events:
    start, end = event.decoded("DTSTART"), event.decoded("DTEND")
    if start.utcoffset() != datetime.timedelta(0) or end - start != datetime.timedelta(hours=4):
        fail(f"{event['UID']}: not four hours in UTC: {start} .. {end}")
    if "DTSTAMP" not in event or not str(event["SUMMARY"]) or not str(event["DESCRIPTION"]):
        fail(f"{event['UID']}: DTSTAMP, SUMMARY or DESCRIPTION missing")
if len(sys.argv) > 3:
    with open(sys.argv[3], "w") as out:
        out.write("".join(uid + "\n" for uid in uids))

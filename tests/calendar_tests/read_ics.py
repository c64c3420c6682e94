#!/usr/bin/env python3
"""Reads an .ics file with python3-icalendar, a reader independent of libical, and
prints one line per event: local start, length in minutes, alarm leads in minutes, summary."""
import sys
from datetime import datetime, timedelta
from zoneinfo import ZoneInfo

import icalendar

local = ZoneInfo("Europe/Berlin")
with open(sys.argv[1], "rb") as f:
    calendar = icalendar.Calendar.from_ical(f.read())
for event in calendar.walk("VEVENT"):
    start = event.decoded("DTSTART")
    if isinstance(start, datetime) and start.tzinfo is not None:
        start = start.astimezone(local)
    length = event.decoded("DURATION") if "DURATION" in event else event.decoded("DTEND") - event.decoded("DTSTART")
    leads = []
    for alarm in event.walk("VALARM"):
        leads.append(str(int(-alarm.decoded("TRIGGER") / timedelta(minutes=1))))
    print(f"{start:%d.%m.%Y %H:%M} {int(length / timedelta(minutes=1))} [{','.join(leads)}] {event['UID']} {event.decoded('SUMMARY').decode('utf-8')}")

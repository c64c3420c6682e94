#!/usr/bin/python3
"""Another CalDAV client (Debian's python3-caldav), playing the user's phone.

phone.py URL make
phone.py URL add UID YYYY-MM-DDTHH:MM SUMMARY [ALARM-MINUTES]
phone.py URL series UID YYYY-MM-DDTHH:MM SUMMARY COUNT   (weekly)
phone.py URL set UID-OR-SUMMARY SUMMARY
phone.py URL delete UID
phone.py URL list      -> one line per event: local start, alarm leads in minutes, summary
"""
import sys
from datetime import datetime, timedelta
from zoneinfo import ZoneInfo

import caldav

local = ZoneInfo("Europe/Berlin")
url, command, args = sys.argv[1], sys.argv[2], sys.argv[3:]
client = caldav.DAVClient(url)
calendar = caldav.Calendar(client=client, url=url)

if command == "make":
    client.mkcalendar(url)
elif command == "add":
    uid, start, summary = args[0], datetime.fromisoformat(args[1]).replace(tzinfo=local), args[2]
    alarm = ""
    if len(args) > 3:
        alarm = f"BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:x\r\nTRIGGER:-PT{args[3]}M\r\nEND:VALARM\r\n"
    calendar.save_event(
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//phone//EN\r\nBEGIN:VEVENT\r\n"
        f"UID:{uid}\r\nDTSTAMP:20261201T000000Z\r\nDTSTART:{start.astimezone(ZoneInfo('UTC')):%Y%m%dT%H%M%SZ}\r\n"
        f"DURATION:PT1H\r\nSUMMARY:{summary}\r\nDESCRIPTION:vom Telefon\r\n{alarm}END:VEVENT\r\nEND:VCALENDAR\r\n")
elif command == "series":
    uid, start, summary, count = args[0], datetime.fromisoformat(args[1]), args[2], args[3]
    calendar.save_event(
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//phone//EN\r\nBEGIN:VEVENT\r\n"
        f"UID:{uid}\r\nDTSTAMP:20261201T000000Z\r\nDTSTART;TZID=Europe/Berlin:{start:%Y%m%dT%H%M%S}\r\n"
        f"DURATION:PT1H\r\nRRULE:FREQ=WEEKLY;COUNT={count}\r\nSUMMARY:{summary}\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n")
elif command == "raw":
    print(calendar.event_by_uid(args[0]).data)
elif command == "set":
    for event in calendar.events():
        component = event.icalendar_component
        if args[0] in (str(component.get("UID")), str(component.get("SUMMARY"))):
            component["SUMMARY"] = args[1]
            event.save()
elif command == "delete":
    calendar.event_by_uid(args[0]).delete()
elif command == "list":
    lines = []
    for event in calendar.events():
        for component in event.icalendar_instance.walk("VEVENT"):
            start = component.decoded("DTSTART")
            if isinstance(start, datetime):
                start = start.astimezone(local)
            leads = [str(int(-a.decoded("TRIGGER") / timedelta(minutes=1))) for a in component.walk("VALARM")]
            extra = " +" + str(component.get("DESCRIPTION")) if component.get("DESCRIPTION") else ""
            lines.append(f"{start:%d.%m.%Y %H:%M} [{','.join(leads)}] {component.get('SUMMARY')}{extra}")
    print("\n".join(sorted(lines)))

#!/usr/bin/env bash
# Starts a CalDAV server (radicale or xandikos) on a free port of 127.0.0.1 with its
# storage in $2, holding one calendar "termine" with $3 events (one a day at 09:00 from
# tomorrow on, every tenth with an alarm). Radicale's are written straight into its
# storage; Xandikos keeps a git repository, so they are sent to it with PUT. Prints
# "PID URL".
#   calendar_server.sh radicale|xandikos STORE COUNT
set -euo pipefail
kind=$1 store=$2 count=$3
events() {
  python3 - "$1" "$count" "$2" <<'PY'
import http.client, os, sys, urllib.parse
from datetime import date, timedelta
target, count, how = sys.argv[1], int(sys.argv[2]), sys.argv[3]
def event(i):
    day = date.today() + timedelta(days=1 + i % 360)
    alarm = "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:x\r\nTRIGGER:-PT1H\r\nEND:VALARM\r\n" if i % 10 == 0 else ""
    return ("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//bench//EN\r\nBEGIN:VEVENT\r\n"
            f"UID:event-{i}\r\nDTSTAMP:20260101T000000Z\r\nDTSTART:{day:%Y%m%d}T{8 + i // 360:02d}0000Z\r\n"
            f"DURATION:PT1H\r\nSUMMARY:Termin {i} beim Zahnarzt\r\n{alarm}END:VEVENT\r\nEND:VCALENDAR\r\n")
if how == "files":
    for i in range(count):
        with open(os.path.join(target, f"event-{i}.ics"), "w", newline="") as f:
            f.write(event(i))
else:
    url = urllib.parse.urlsplit(target)
    connection = http.client.HTTPConnection(url.hostname, url.port)
    connection.request("MKCALENDAR", url.path)
    connection.getresponse().read()
    for i in range(count):
        connection.request("PUT", f"{url.path}event-{i}.ics", event(i).encode(),
                           {"Content-Type": "text/calendar; charset=utf-8"})
        answer = connection.getresponse()
        answer.read()
        if answer.status not in (201, 204):
            sys.exit(f"PUT event-{i}: {answer.status}")
PY
}
port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
case $kind in
  radicale)
    mkdir -p "$store/collection-root/termine"
    printf '[all]\nuser: .*\ncollection: .*\npermissions: RrWw\n' >"$store/rights"
    printf '{"tag": "VCALENDAR"}' >"$store/collection-root/termine/.Radicale.props"
    events "$store/collection-root/termine" files
    url="http://127.0.0.1:$port/termine/"
    radicale --config "" --server-hosts "127.0.0.1:$port" --storage-filesystem-folder "$store" \
      --auth-type none --rights-type from_file --rights-file "$store/rights" >/dev/null 2>&1 &
    ;;
  xandikos)
    mkdir -p "$store"
    url="http://127.0.0.1:$port/user/calendars/termine/"
    xandikos -d "$store" --autocreate -l 127.0.0.1 -p "$port" >/dev/null 2>&1 &
    ;;
  *) echo "calendar_server.sh: radicale or xandikos, not $kind" >&2; exit 2 ;;
esac
pid=$!
for _ in $(seq 500); do
  python3 -c "import socket; socket.create_connection(('127.0.0.1', $port), 0.1)" 2>/dev/null && break
  sleep 0.02
done
[ "$kind" = xandikos ] && events "$url" put >&2
echo "$pid $url"

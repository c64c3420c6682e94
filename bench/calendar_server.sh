#!/usr/bin/env bash
# Starts Radicale on a free port of 127.0.0.1 with its storage in $1, holding one
# calendar "termine" with $2 events written straight into the storage (one a day at
# 09:00 from tomorrow on, every tenth with an alarm). Prints "PID URL".
set -euo pipefail
store=$1 count=$2
mkdir -p "$store/collection-root/termine"
printf '[all]\nuser: .*\ncollection: .*\npermissions: RrWw\n' >"$store/rights"
printf '{"tag": "VCALENDAR"}' >"$store/collection-root/termine/.Radicale.props"
python3 - "$store/collection-root/termine" "$count" <<'PY'
import sys
from datetime import date, timedelta
folder, count = sys.argv[1], int(sys.argv[2])
for i in range(count):
    day = date.today() + timedelta(days=1 + i % 360)
    alarm = "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:x\r\nTRIGGER:-PT1H\r\nEND:VALARM\r\n" if i % 10 == 0 else ""
    with open(f"{folder}/event-{i}.ics", "w", newline="") as f:
        f.write("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//bench//EN\r\nBEGIN:VEVENT\r\n"
                f"UID:event-{i}\r\nDTSTAMP:20260101T000000Z\r\nDTSTART:{day:%Y%m%d}T{8 + i // 360:02d}0000Z\r\n"
                f"DURATION:PT1H\r\nSUMMARY:Termin {i} beim Zahnarzt\r\n{alarm}END:VEVENT\r\nEND:VCALENDAR\r\n")
PY
port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
radicale --config "" --server-hosts "127.0.0.1:$port" --storage-filesystem-folder "$store" \
  --auth-type none --rights-type from_file --rights-file "$store/rights" >/dev/null 2>&1 &
pid=$!
for _ in $(seq 500); do
  python3 -c "import socket; socket.create_connection(('127.0.0.1', $port), 0.1)" 2>/dev/null && break
  sleep 0.02
done
echo "$pid http://127.0.0.1:$port/termine/"

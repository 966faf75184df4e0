#!/usr/bin/env bash
# A private CUPS server for the printing tests: its own configuration, spool,
# logs and socket, all inside DIR, and a cups-pdf queue as its default
# printer. The machine's own CUPS server and printers are never touched;
# clients reach this server through CUPS_SERVER=DIR/cups.sock.
#
#   cups-test-server.sh start DIR   starts it, waits until the queue takes
#                                   jobs, prints the socket path
#   cups-test-server.sh stop DIR    stops it
#
# cups-pdf writes each job to the PDF folder of the job owner's home
# ("Out ${HOME}/PDF" in /etc/cups/cups-pdf.conf). The backend runs only as
# root, so the server must be started by root.
set -euo pipefail

command=${1:-}
dir=${2:-}
if [ -z "$command" ] || [ -z "$dir" ]; then
  echo "usage: $0 start|stop DIR" >&2
  exit 2
fi
PATH=$PATH:/usr/sbin:/sbin
queue=CoinwickPDF
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

stop_server() {
  [ -f "$dir/cupsd.pid" ] || return 0
  local pid
  pid=$(cat "$dir/cupsd.pid")
  if kill "$pid" 2>/dev/null; then
    for _ in $(seq 50); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
  fi
  rm -f "$dir/cupsd.pid"
}

case $command in
start)
  for tool in cupsd lpadmin lpstat; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 3; }
  done
  [ -x /usr/lib/cups/backend/cups-pdf ] && [ -f "$ppd" ] || { echo "cups-pdf is not installed" >&2; exit 3; }
  [ "$(id -u)" -eq 0 ] || { echo "the cups-pdf backend needs the server started by root" >&2; exit 3; }

  mkdir -p "$dir"
  dir=$(cd "$dir" && pwd)
  stop_server
  mkdir -p "$dir/spool/tmp" "$dir/cache" "$dir/state" "$dir/log" "$dir/ppd"
  # The filters run as lp and must reach the spool.
  chmod 0755 "$dir"
  sock=$dir/cups.sock

  cat >"$dir/cups-files.conf" <<EOF
ServerRoot $dir
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
FileDevice No
Sandboxing Relaxed
User lp
Group lp
SystemGroup root
EOF
  cat >"$dir/cupsd.conf" <<EOF
Listen $sock
Browsing No
BrowseLocalProtocols none
DefaultAuthType None
WebInterface No
LogLevel warn
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
  # A server whose test died without stopping it ends by itself.
  setsid timeout 900 cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" \
    </dev/null >"$dir/log/cupsd.out" 2>&1 &
  echo $! >"$dir/cupsd.pid"

  ready=no
  for _ in $(seq 100); do
    if lpstat -h "$sock" -r 2>/dev/null | grep -q 'is running'; then
      ready=yes
      break
    fi
    sleep 0.1
  done
  if [ $ready != yes ]; then
    echo "the private cupsd did not start:" >&2
    cat "$dir/log/cupsd.out" "$dir/log/error_log" 2>/dev/null >&2 || true
    stop_server
    exit 1
  fi
  lpadmin -h "$sock" -p "$queue" -E -v cups-pdf:/ -P "$ppd"
  lpadmin -h "$sock" -d "$queue"
  echo "$sock"
  ;;
stop)
  stop_server
  ;;
*)
  echo "usage: $0 start|stop DIR" >&2
  exit 2
  ;;
esac

#!/usr/bin/env bash
# Starts the program in its data folder. Without a display it runs under Xvfb,
# saves a screenshot once the main window shows, ends the program and says
# where the picture is.
set -euo pipefail
program=$(readlink -f "$1")
data=$2
mkdir -p "$data"
cd "$data"

if [ -n "${DISPLAY:-}" ]; then
  exec "$program"
fi

shot=$(pwd)/coinwick-screenshot.png
cat > /tmp/coinwick-shot.sh <<SCRIPT
#!/usr/bin/env bash
"$program" & pid=\$!
for _ in \$(seq 1 100); do
  if xwininfo -root -tree 2>/dev/null | grep -q '"Coinwick 2"'; then break; fi
  sleep 0.1
done
sleep 1
import -window root "$shot"
kill \$pid 2>/dev/null || true
wait \$pid 2>/dev/null || true
SCRIPT
chmod +x /tmp/coinwick-shot.sh
xvfb-run -a -s "-screen 0 1280x800x24" /tmp/coinwick-shot.sh
echo "No display: the program ran under Xvfb. Screenshot: $shot"

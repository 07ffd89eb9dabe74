#!/usr/bin/env bash
# Makes a local CUPS with the PDF queue "ScrivletPDF" the default printer. Idempotent.
# Prints the folder where the queue's PDF files appear on its last line.
# Exit status 0 when the queue is ready; non-zero (with a reason on stderr) when CUPS cannot run here.
set -euo pipefail

QUEUE=ScrivletPDF
SOCKET=/run/cups/cups.sock

for tool in cupsd lpadmin lpstat lpoptions; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "cups-pdf-queue: $tool is not installed (run scripts/setup.sh)" >&2
    exit 2
  fi
done
if [ ! -x /usr/lib/cups/backend/cups-pdf ]; then
  echo "cups-pdf-queue: the cups-pdf backend is not installed (printer-driver-cups-pdf)" >&2
  exit 2
fi

# The scheduler talks to clients over its socket; start it when nobody answers there.
if ! lpstat -r >/dev/null 2>&1 || ! lpstat -r 2>/dev/null | grep -q "is running"; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "cups-pdf-queue: cupsd is not running and only root can start it" >&2
    exit 3
  fi
  mkdir -p /run/cups
  cupsd
  for _ in $(seq 1 100); do
    if [ -S "$SOCKET" ] && lpstat -r 2>/dev/null | grep -q "is running"; then break; fi
    sleep 0.1
  done
  if ! lpstat -r 2>/dev/null | grep -q "is running"; then
    echo "cups-pdf-queue: cupsd did not come up" >&2
    exit 3
  fi
fi

if ! lpstat -p "$QUEUE" >/dev/null 2>&1; then
  model=$(lpinfo -m 2>/dev/null | awk 'tolower($0) ~ /cups-pdf/ && /_opt/ {print $1; exit}')
  if [ -z "$model" ]; then
    model=lsb/usr/cups-pdf/CUPS-PDF_opt.ppd
  fi
  lpadmin -p "$QUEUE" -E -v cups-pdf:/ -m "$model"
fi
# The default PostScript step turns fonts into glyphs without their characters, which leaves the
# PDF's text unreadable to pdftotext; poppler's cairo renderer keeps it.
lpadmin -p "$QUEUE" -o pdftops-renderer-default=pdftocairo
cupsenable "$QUEUE" 2>/dev/null || true
cupsaccept "$QUEUE" 2>/dev/null || true
lpadmin -d "$QUEUE"
cancel -a "$QUEUE" 2>/dev/null || true # leftovers of earlier runs would hold up the queue
lpoptions -d "$QUEUE" >/dev/null

# cups-pdf writes a job of a local user under the "Out" folder of its configuration, where ${HOME}
# and ${USER} stand for the job's owner.
out='${HOME}/PDF'
conf=/etc/cups/cups-pdf.conf
if [ -r "$conf" ]; then
  line=$(grep -E '^[[:space:]]*Out[[:space:]]' "$conf" | tail -1 || true)
  if [ -n "$line" ]; then out=$(echo "$line" | awk '{print $2}'); fi
fi
owner_home=$(getent passwd "$(id -un)" | cut -d: -f6)
out=${out//'${HOME}'/$owner_home}
out=${out//'${USER}'/$(id -un)}
echo "$out"

#!/bin/sh
# Makes sure a printer queue that writes PDF files exists and is the default:
# starts the CUPS scheduler when it is not running and adds the queue
# "VelmoraPDF" (cups-pdf) once. Wine reads the printers when a process starts,
# so this runs before any program that prints. The files land in the printing
# user's ~/PDF. Setting up CUPS needs root; other users get a warning, and
# the printing tests skip themselves when the queue is missing.
#
#   pdf_queue.sh start
set -eu

if [ "$(id -u)" -ne 0 ] && ! lpstat -p VelmoraPDF >/dev/null 2>&1; then
    echo "pdf_queue.sh: not root, and no queue VelmoraPDF: printing tests will be skipped" >&2
    exit 0
fi

queue=VelmoraPDF
# A second queue with a name longer than a device mode holds, as network
# printers often have.
long_queue=VelmoraPDF-on-a-print-server-down-the-hall
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

for tool in /usr/sbin/cupsd lpadmin lpstat pdfinfo pdftotext pdftoppm; do
    command -v "$tool" >/dev/null 2>&1 || { echo "missing $tool: run scripts/install-deps.sh" >&2; exit 1; }
done

if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
    /usr/sbin/cupsd </dev/null >/dev/null 2>&1
    tries=0
    until lpstat -r 2>/dev/null | grep -q 'is running'; do
        tries=$((tries + 1))
        [ $tries -gt 100 ] && { echo "cupsd did not start" >&2; exit 1; }
        sleep 0.1
    done
fi

if ! lpstat -p "$queue" >/dev/null 2>&1; then
    # lpadmin warns that printer drivers are deprecated; the queue works.
    lpadmin -p "$queue" -E -v cups-pdf:/ -P "$ppd" 2>/dev/null
fi
if ! lpstat -p "$long_queue" >/dev/null 2>&1; then
    lpadmin -p "$long_queue" -E -v cups-pdf:/ -P "$ppd" 2>/dev/null
fi
lpadmin -d "$queue"
# The queue writes to the home directory of the account, whatever $HOME says.
mkdir -p "$(getent passwd "$(id -un)" | cut -d: -f6)/PDF"

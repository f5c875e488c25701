#!/usr/bin/env bash
# Runs a command against a print server of its own: a cupsd with its configuration, spool
# and socket under the given folder (no network port), whose one printer, the default, is
# Debian's PDF printer. The system's print server, if any, is never used or changed.
#
# Usage: with-private-cups.sh server-folder command [argument...]
# The command sees CUPS_SERVER (the socket), PRINTER_NAME, and PRINTED_PDF_DIR, the folder
# where the printer puts what it prints.
set -euo pipefail
folder=$1
shift

fail() { echo "with-private-cups: $*" >&2; exit 1; }
trap 'echo "with-private-cups: line $LINENO failed: $BASH_COMMAND" >&2' ERR
# The PDF printer's backend runs only as root, so the server must start as root.
if [ "$(id -u)" -ne 0 ]; then
  [ "${CI:-}" = true ] && fail "the print test must run as root"
  echo "with-private-cups: skipped: the PDF printer needs the print server to run as root"
  exit 77
fi
export PATH="$PATH:/usr/sbin:/sbin"
for tool in cupsd lpadmin lpstat pdftoppm; do
  command -v "$tool" >/dev/null || fail "$tool is missing; scripts/test.sh installs it"
done
[ -x /usr/lib/cups/backend/cups-pdf ] || fail "the PDF printer (printer-driver-cups-pdf) is missing"
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

rm -rf "$folder"
mkdir -p "$folder"
folder=$(realpath "$folder")
# cupsd runs its filters as the unprivileged user lp, who must be able to reach the spool.
if ! setpriv --reuid=lp --regid=lp --clear-groups test -x "$folder" 2>/dev/null; then
  echo "with-private-cups: user lp cannot reach $folder; using a folder under /tmp instead" >&2
  folder=$(mktemp -d /tmp/quistral-cups.XXXXXX)
  chmod 755 "$folder"
  remove_folder=$folder
fi
mkdir -p "$folder"/{etc,spool/tmp,cache,state,log,pdf,pdf-spool}
chmod 755 "$folder"

cat >"$folder/etc/cupsd.conf" <<CONF
Listen $folder/cups.sock
LogLevel info
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat >"$folder/etc/cups-files.conf" <<CONF
RequestRoot $folder/spool
TempDir $folder/spool/tmp
CacheDir $folder/cache
StateDir $folder/state
ErrorLog $folder/log/error_log
AccessLog $folder/log/access_log
PageLog $folder/log/page_log
Printcap $folder/printcap
ServerBin /usr/lib/cups
DataDir /usr/share/cups
User lp
Group lp
SystemGroup root
CONF
# The PDF printer reads its settings from one fixed path. In a mount namespace of its own
# the server sees this file there instead, so the PDFs land in the folder. Where namespaces
# are not allowed, the printer keeps the system's settings, and the folder is read from them.
cat >"$folder/etc/cups-pdf.conf" <<CONF
Out $folder/pdf
AnonDirName $folder/pdf
Spool $folder/pdf-spool
Log $folder/log
Grp root
CONF

server_log=$folder/log/cupsd.out
start_server=(cupsd -f -c "$folder/etc/cupsd.conf" -s "$folder/etc/cups-files.conf")
pdf_dir=$folder/pdf
if unshare --mount --propagation private true 2>/dev/null; then
  unshare --mount --propagation private sh -c \
    'mount --bind "$0" /etc/cups/cups-pdf.conf && exec "$@"' \
    "$folder/etc/cups-pdf.conf" "${start_server[@]}" >"$server_log" 2>&1 &
else
  echo "with-private-cups: no mount namespace here; the PDF printer keeps its system settings" >&2
  "${start_server[@]}" >"$server_log" 2>&1 &
  out=$(sed -n 's/^[[:space:]]*Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf | tail -n 1)
  out=${out:-/var/spool/cups-pdf/\$\{USER\}}
  pdf_dir=${out//\$\{HOME\}/$HOME}
  pdf_dir=${pdf_dir//\$\{USER\}/$(id -un)}
fi
server=$!
mkdir -p "$pdf_dir"
printed_before=$(mktemp)
ls -1 "$pdf_dir" >"$printed_before"
cleanup() {
  kill "$server" 2>/dev/null || true
  wait "$server" 2>/dev/null || true
  # Outside the folder, only what this run printed is removed.
  if [ "$pdf_dir" != "$folder/pdf" ]; then
    comm -13 "$printed_before" <(ls -1 "$pdf_dir") | while read -r pdf; do
      rm -f "$pdf_dir/$pdf"
    done
  fi
  rm -f "$printed_before"
  if [ -n "${remove_folder:-}" ]; then rm -rf "$remove_folder"; fi
}
trap cleanup EXIT

export CUPS_SERVER=$folder/cups.sock
# lpstat -r succeeds whether or not the server runs; only its words tell.
running() { LC_ALL=C lpstat -r 2>/dev/null | grep -qx 'scheduler is running'; }
for _ in $(seq 100); do
  running && break
  kill -0 "$server" 2>/dev/null || fail "cupsd did not start: $(cat "$server_log")"
  sleep 0.1
done
running || fail "cupsd did not answer on $CUPS_SERVER"

export PRINTER_NAME=QuistralPDF
# lpadmin warns that printer drivers are deprecated even when it works; only a failure counts.
answer=$(lpadmin -p "$PRINTER_NAME" -E -v cups-pdf:/ -P "$ppd" 2>&1 && lpadmin -d "$PRINTER_NAME" 2>&1) ||
  fail "the PDF printer could not be added: $answer"
export PRINTED_PDF_DIR=$pdf_dir

status=0
"$@" || status=$?
if [ "$status" -ne 0 ]; then
  echo "--- print server log" >&2
  tail -n 40 "$folder/log/error_log" >&2 || true
fi
exit "$status"

#!/usr/bin/env bash
# Writes the seed inputs of every fuzz target into fuzz/corpus/<target>/,
# made by our own programs (uzx new, convert, image) and crafted as the
# tests craft theirs. Needs the dev build: bash scripts/build.sh
# Inputs named regression-* are kept by hand and never rewritten here.
set -euo pipefail
cd "$(dirname "$0")/.."
uzx=build/bin/uzx
[ -x "$uzx" ] || { echo "make-corpus: build uzx first (bash scripts/build.sh)" >&2; exit 1; }
corpus=fuzz/corpus
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# patch FILE OFFSET BYTES: writes BYTES (printf escapes) at OFFSET.
patch() { printf "$3" | dd of="$1" bs=1 seek="$2" conv=notrunc status=none; }
# piece BYTES: one answer or host piece, its length byte first.
piece() {
    local bytes
    bytes=$(printf "$1" | od -An -v -tx1 | tr -d ' \n')
    printf "\\x$(printf %02x $((${#bytes} / 2)))"
    printf "$1"
}
seed() { mkdir -p "$corpus/$1"; cat > "$corpus/$1/$2"; }

"$uzx" new "$work/new.UZX"
for model in 80xx 85xx 84xx; do "$uzx" convert "$work/new.UZX" "$work/$model.UZX" --model "$model"; done
"$uzx" image "$work/new.UZX" "$work/image.bin"

# Designer task files: current, an earlier revision of "8300-1.00", both 7xx layouts.
seed task_file new.UZX < "$work/new.UZX"
cp "$work/new.UZX" "$work/early.UZX"
patch "$work/early.UZX" 0 '8300-1.00\0'
patch "$work/early.UZX" 18574 '\x01'  # layout revision 1: every upgrade step runs
seed task_file early-8300-1.00.UZX < "$work/early.UZX"
for signature in 7xx-4.00 7xx-3.10; do
    { printf '%s' "$signature"; head -c 10502 /dev/zero; } > "$work/old.UZX"
    patch "$work/old.UZX" 2535 '\x01\x00\x0c\x02\x06'             # form 1: font, stamps
    patch "$work/old.UZX" 2550 '\x01\x05\x06\x08\x09\x07\x02\x00'  # its line types
    patch "$work/old.UZX" 10496 '@\x02\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0a\x03'  # extension block
    seed task_file "older-$signature.UZX" < "$work/old.UZX"
done

# Loader task files of every layout, and radio files of both sizes.
seed batch_file 8300.UZX < "$work/new.UZX"
for model in 80xx 85xx 84xx; do seed batch_file "$model.UZX" < "$work/$model.UZX"; done
{ printf '80xxRU102\0'; head -c 4704 /dev/zero; } | seed radio_file small.ATF
{ printf '80xxRU103\0'; head -c 18033 /dev/zero; } > "$work/large.ATF"
patch "$work/large.ATF" 37 '\x01\x01 MENU\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0001.Items'
seed radio_file large.ATF < "$work/large.ATF"

# Language and settings files.
seed language_file Russian.lng < resources/lang/Russian.lng
printf 'Deutsch\r\n1121=Fehler\r\n1171=Formatfehler\r\n3=\r\n1131=Ohne Zeilenende' | seed language_file small.lng
printf 'Unknow\r1\r1\r1\r0\r0\r0\r0\r1\r' | seed settings_file defaults.ini
printf '/home/u/a.UZX\r0\r2\r3\r4\r1\r0\rDeutsch\r-1\r/home/u/a.UZX\r/b.UZX\r/c.UZX\r/d.UZX\r' | seed settings_file full.ini

# Lookup files and edit scripts.
printf 'AB\r\nCD\r\n\r\nEF' | seed lookup_file crlf.txt
printf '4006381333931;Pen\n4006381333932;Pencil\n' | seed lookup_file lf.txt
for script in designer/editors/scripts/*.script; do seed edit_script "$(basename "$script")" < "$script"; done

# Protocol answers, one piece per write of the host.
{ printf '\x00'; piece '8300RU004\r'; for _ in $(seq 200); do piece 'ACK\r'; done; } | seed download_replies task.bin
{ printf '\x01'; for _ in $(seq 6); do piece 'ACK\r'; done; } | seed download_replies lookup.bin
{ printf '\x02'; piece ''; piece '\x0f'; piece ''; piece ''; piece ''; piece '8300RU004\r'; piece 'NAK\r'; piece 'FULL\r'; } |
    seed download_replies cradle-full.bin
# Records "AB" (sequence 0, sum 0x0083) and "C" (sequence 1, sum 0x0044), a repeat, then OVER.
{ piece 'ACK\r\x00AB\x83\x00\r'; piece '\x01C\x44\x00\r'; piece '\x01C\x44\x00\r'; piece 'OVER\r'; } |
    seed upload_records two.bin
{ printf '\x02'; piece ''; piece ''; piece '\x0f'; } | seed cradle echo.bin

# The image a terminal receives, and a task with keys for the simulator.
seed terminal_image new.bin < "$work/image.bin"
{ head -c 18854 "$work/new.UZX"; printf '\x00\x03\x17\x0b\x0b\x0c\x18\x18\x01\x02'; } | seed engine new-keys.bin

# Host pieces for the virtual terminal: a task of 200 zero blocks, then an
# upload request; a lookup file of two lines.
{
    printf '\x00\x00'
    piece 'CIPHER\r'
    for block in $(seq 0 199); do piece "$(printf '%s\\x00\\x00\\x%02x' "$(printf '\\x00%.0s' $(seq 100))" "$block")"; done
    piece 'READ\r'; piece 'ACK\r'; piece 'ACK\r'; piece 'ACK\r'
} | seed vterm_frames task.bin
{ printf '\x01\x00'; piece 'CIPHER\r'; piece 'AB\x00\x83\r'; piece 'CD\x00\x87\r'; piece 'OVER\r'; } | seed vterm_frames lookup.bin
{ printf '\x02\x00'; piece '\x0f'; piece '\x07\x02Q'; piece '\x0f'; } | seed vterm_frames cradle.bin
echo "make-corpus: seeds written to $corpus"

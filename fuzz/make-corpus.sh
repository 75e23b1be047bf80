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

# Task files as a load reads them: the first byte chooses the batch (even)
# or radio (odd) reader and, above its lowest bit, the terminal: 8000, 8300,
# 8200, 8400 and on, then two radio terminals.
printf '\x02' | cat - "$corpus/batch_file/8300.UZX" | seed loaded_task 8300.UZX
printf '\x06' | cat - "$corpus/batch_file/80xx.UZX" | seed loaded_task 80xx.UZX
printf '\x00' | cat - "$corpus/batch_file/85xx.UZX" | seed loaded_task 85xx.UZX
printf '\x0f' | cat - "$corpus/radio_file/small.ATF" | seed loaded_task small.ATF
printf '\x11' | cat - "$corpus/radio_file/large.ATF" | seed loaded_task large.ATF

# The loader's command line after its first byte, which chooses the start:
# 0 a batch task, 1 a radio task, 2 a folder, 3 an empty file, 4 a missing
# file, more nothing.
printf '\x00,9600,3,0' | seed command_line batch.txt
printf '\x01,115200,12,1' | seed command_line radio.txt
printf '\x02, 57600 ,+2, 0 ' | seed command_line folder.txt
printf '\x00,9600,3,256' | seed command_line link-256.txt
printf '\x07shop.uzx,9600,3,1 /?' | seed command_line help.txt
printf '\x04,19200,1' | seed command_line short.txt

# Language and settings files, and the window's own.
seed language_file Russian.lng < resources/lang/Russian.lng
printf 'Deutsch\r\n1121=Fehler\r\n1171=Formatfehler\r\n3=\r\n1131=Ohne Zeilenende' | seed language_file small.lng
printf 'Unknow\r1\r1\r1\r0\r0\r0\r0\r1\r' | seed settings_file defaults.ini
printf '/home/u/a.UZX\r0\r2\r3\r4\r1\r0\rDeutsch\r-1\r/home/u/a.UZX\r/b.UZX\r/c.UZX\r/d.UZX\r' | seed settings_file full.ini
printf 'Unknow\r1\r1\r0\r' | seed loader_settings defaults.ini
printf '/home/u/shop.A85\r\n0\r\n12\r\n4\r\n' | seed loader_settings edited.ini
printf 'zoom=150\nx=300\ny=50\n' | seed window_settings placed.ini
printf 'zoom=125\r\nx=-1920\r\n' | seed window_settings half-place.ini

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

# The loader's download: task (0 batch, 1 small radio, 2 large radio, the
# rate, port and link type in the bits above), how many more tries, then the
# terminal's answers.
{ printf '\x00\x00'; piece '8300RU004\r'; for _ in $(seq 200); do piece 'ACK\r'; done; } | seed loader_download batch.bin
{ printf '\x01\x00'; piece '80xxRU102\r'; for _ in $(seq 50); do piece 'ACK\r'; done; } | seed loader_download small.bin
{ printf '\x02\x00'; piece '80xxRU103\r'; for _ in $(seq 182); do piece 'ACK\r'; done; } | seed loader_download large.bin
{ printf '\x80\x01'; piece ''; piece '\x0f'; piece ''; piece ''; piece ''; piece 'ACK\r'; piece 'NAK\r'; piece 'FULL\r'; } |
    seed loader_download cradle-retry.bin

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

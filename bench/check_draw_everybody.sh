#!/usr/bin/env bash
# The whole-job program reads, converts and writes itself, a piece and a
# register at a time: every name of a file with every kind of sequence and
# line, also across the pieces, must come back once, each line ended by CR
# LF, with U+FFFD for each byte that starts no valid sequence.
#   check_draw_everybody.sh PROGRAM
set -euo pipefail
program="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export LC_ALL=C

fffd=$'\xef\xbf\xbd'
repeat() { local i; for ((i = 0; i < $2; ++i)); do printf '%s' "$1"; done; }

# A name in the file, then the name that must come back. A name longer than
# a piece of the output goes out in parts: the one of a letter and then
# surrogate pairs has a pair across every even place, where a piece of an
# even number of units ends.
cases=(
  'plain!' 'plain!'
  '参加者 No.00001' '参加者 No.00001'
  'あいうえおかきくけこさしすせそたちつてと' 'あいうえおかきくけこさしすせそたちつてと'
  'aあbいcうdえ' 'aあbいcうdえ'
  'é ß ü!' 'é ß ü!'
  '😀𠀋 x' '😀𠀋 x'
  $'\xe0\xa0\x80\xed\x9f\xbf\xee\x80\x80\xef\xbf\xbf' $'\xe0\xa0\x80\xed\x9f\xbf\xee\x80\x80\xef\xbf\xbf'
  $'あいう\xed\xa0\x80えお' "あいう$fffd$fffd${fffd}えお"
  $'かき\xe0\x80\x80くけこ' "かき$fffd$fffd${fffd}くけこ"
  $'\x80\xff\xc0\xafzz' "$fffd$fffd$fffd${fffd}zz"
  "$(repeat 'a' 65530)あい" "$(repeat 'a' 65530)あい"
  "a$(repeat '😀' 10000)b" "a$(repeat '😀' 10000)b"
  "$(repeat '山' 20000)" "$(repeat '山' 20000)"
)
# An empty line, then one longer than a piece, first: neither can be added
# until the piece has grown to take both.
printf '\r\n%s\n' "$(repeat 'い' 70000)" >"$work/names"
printf '\n%s\n' "$(repeat 'い' 70000)" >"$work/expected"
for ((k = 0; k < ${#cases[@]}; k += 2)); do
  printf '%s\n' "${cases[k]}" >>"$work/names"
  printf '%s\n' "${cases[k + 1]}" >>"$work/expected"
done
# The file is read a piece at a time and each piece's whole lines added on
# their own: lines of every length, among them empty lines, lines of a lone
# CR and lines ended by CR LF, put every kind of line at the ends of pieces.
# The names that come back are compared without the CR of their CR LF.
awk 'BEGIN {
  split("a あ 😀 é", chars, " ")
  for (i = 0; i < 12000; ++i) {
    if (i % 3 == 0) { print ""; print "" >"/dev/stderr"; continue }
    if (i % 5 == 1) { print "\r"; print "" >"/dev/stderr"; continue }
    name = ""
    for (k = 0; k < i * 37 % 61; ++k) name = name chars[1 + (i + k) % 4]
    print name (i % 4 == 2 ? "\r" : ""); print name >"/dev/stderr"
  }
}' >>"$work/names" 2>>"$work/expected"
printf 'crlf\r\nlast' >>"$work/names"  # a CR LF line, and no break at the end
printf 'crlf\nlast\n' >>"$work/expected"

"$program" "$work/names" "$work/out"
lines="$(wc -l <"$work/expected")"
if [ "$(grep -c $'\r$' "$work/out")" != "$lines" ] ||
  [ "$(wc -l <"$work/out")" != "$lines" ]; then
  echo "not every line of the output ends in CR LF" >&2
  exit 1
fi
if ! cmp -s <(sed 's/\r$//' "$work/out" | sort) <(sort "$work/expected"); then
  echo "the names that came back differ from those that went in:" >&2
  diff <(sed 's/\r$//' "$work/out" | sort | cut -c1-60) \
    <(sort "$work/expected" | cut -c1-60) >&2 || true
  exit 1
fi

#!/usr/bin/env bash
# Runs two kwintel-cli programs on one list of searches and compares, byte for byte, their
# standard output, standard error, exit status and every file they write in their working folder
# (-o). The list is a fixed part plus searches drawn by a seeded generator of our own, so it is
# the same on every run and every bash: every search type, with and without --, -m, -l, --with,
# --without, --show-length, --lower, --keep-ij, --narrow of another type, --sort, --restore, -o,
# and refused patterns and bad options, whose messages and exit status must match as well.
# Both programs read the same word files. Prints one line per difference (search number, what
# differs, the search) and then "N passed, M failed"; exits 0 when none failed, 1 when some did,
# 2 on a bad call. A summary with the run time goes to standard error.
#
#   bench/compare-outputs.sh [OPTION]... OLD_CLI NEW_CLI [WORD_PREFIX]
#
#   WORD_PREFIX, -w PREFIX  the word files PREFIX02.DOC ... PREFIX19.DOC, given to both programs;
#                           without it, the set beside NEW_CLI
#   -s SEED                 another seed for the drawn searches (default 12345)
#   -k DIR                  keeps the outputs of each failed search in DIR/NNNN/
#   --list                  prints the searches, one a line, and runs nothing
#
# Example: bench/compare-outputs.sh /work/baseline-build/bin/kwintel-cli build/bin/kwintel-cli
set -uo pipefail

usage() {
  echo "usage: $0 [-w PREFIX] [-s SEED] [-k DIR] [--list] OLD_CLI NEW_CLI [WORD_PREFIX]" >&2
  exit 2
}

prefix=""
seed=12345
keep=""
list_only=0
positional=()
while (($#)); do
  case $1 in
    -w) (($# >= 2)) || usage; prefix=$2; shift 2 ;;
    -w*) prefix=${1#-w}; shift ;;
    -s) (($# >= 2)) || usage; seed=$2; shift 2 ;;
    -k) (($# >= 2)) || usage; keep=$2; shift 2 ;;
    --list) list_only=1; shift ;;
    -h | --help) sed -n '2,/^set -uo/{/^set -uo/d;s/^# \{0,1\}//;p}' "$0"; exit 0 ;;
    --) shift; positional+=("$@"); break ;;
    -?*) echo "$0: unknown option '$1'" >&2; usage ;;
    *) positional+=("$1"); shift ;;
  esac
done
((${#positional[@]} >= 2 && ${#positional[@]} <= 3)) || usage
[[ $seed =~ ^[0-9]+$ ]] || { echo "$0: the seed is a whole number" >&2; exit 2; }
if ((${#positional[@]} == 3)); then
  [ -z "$prefix" ] || { echo "$0: two word prefixes given" >&2; exit 2; }
  prefix=${positional[2]}
fi

# A program as an absolute path: the runs take place in folders of their own.
absolute_program() {
  local path=$1
  [[ $path == */* ]] || path=$(command -v -- "$path") || return 1
  [ -f "$path" ] && [ -x "$path" ] || return 1
  [[ $path == /* ]] || path=$PWD/$path
  printf '%s\n' "$path"
}
old=$(absolute_program "${positional[0]}") || { echo "$0: no program at ${positional[0]}" >&2; exit 2; }
new=$(absolute_program "${positional[1]}") || { echo "$0: no program at ${positional[1]}" >&2; exit 2; }

# How many of the word files PREFIX02.DOC ... PREFIX19.DOC exist (letter case of ".DOC" ignored).
count_word_files() {
  local n=0 length files
  for ((length = 2; length <= 19; length++)); do
    files=("$1$(printf '%02d' "$length")".[Dd][Oo][Cc])
    [ -f "${files[0]:-}" ] && n=$((n + 1))
  done
  echo "$n"
}

shopt -s nullglob
if [ -z "$prefix" ]; then
  # The first set, in name order, of which the folder of NEW_CLI holds at least 7 files.
  for file in "${new%/*}"/*02.[Dd][Oo][Cc]; do
    candidate=${file%02.???}
    if (($(count_word_files "$candidate") >= 7)); then prefix=$candidate; break; fi
  done
  [ -n "$prefix" ] || { echo "$0: no word files beside $new; name them with -w PREFIX" >&2; exit 2; }
fi
[[ $prefix == /* ]] || prefix=$PWD/$prefix
# A prefix without files would make every search an agreeing "Totaal: 0".
if (($(count_word_files "$prefix") < 7)); then
  echo "$0: too few word files ${prefix}NN.DOC" >&2
  exit 2
fi

# --- The generator: a 31-bit linear congruential one, the same in every bash ----------------

rng=$seed
# rnd N: R = a number 0 .. N-1.
rnd() {
  rng=$(((rng * 1103515245 + 12345) & 0x7fffffff))
  R=$(((rng >> 8) % $1))
}
# pick WORD...: P = one of the words.
pick() {
  local -a all=("$@")
  rnd ${#all[@]}
  P=${all[R]}
}
# draw N FROM: D = N characters drawn from the string FROM.
draw() {
  local n=$1 from=$2 i
  D=""
  for ((i = 0; i < n; i++)); do
    rnd ${#from}
    D+=${from:R:1}
  done
}

# Letters about as often as in Dutch words, so that drawn patterns find words.
common="EEEEEEENNNNNAAAARRRRTTTTOOOIIIISSSLLLDDDGGKKMMVVHBBUUPPJWZCFY"
vowels="AEIOUY"
consonants="BCDFGHJKLMNPQRSTVWXZ"

work=$(mktemp -d "${TMPDIR:-/tmp}/compare-outputs.XXXXXX") || exit 2
trap 'rm -rf "$work"' EXIT

# Plain words of the set, for the types that want a real word; letters when the set has none.
# (mapfile reads a pipe a byte at a time, a file in blocks.)
for length in 03 04 05 06 07 08 09 10; do
  for file in "$prefix$length".[Dd][Oo][Cc]; do
    LC_ALL=C grep -a '^[A-Z][A-Z]*$' "$file"
  done
done > "$work/words"
mapfile -t words < "$work/words"
# word: W = a word of the set (of the length range MIN..MAX when one is drawn within 30 tries).
word() {
  local min=${1:-2} max=${2:-19} tries
  if ((${#words[@]} == 0)); then
    rnd $((max - min + 1))
    draw $((min + R)) "$common"
    W=$D
    return
  fi
  for ((tries = 0; tries < 30; tries++)); do
    rnd ${#words[@]}
    W=${words[R]}
    ((${#W} >= min && ${#W} <= max)) && return
  done
}

# maybe PERCENT: true that often.
maybe() { rnd 100; ((R < $1)); }

# --- Patterns of each type --------------------------------------------------------------------

sequence_pattern() {
  local n i p="" stars=0 vars=0
  rnd 7; n=$((R + 1))
  for ((i = 0; i < n; i++)); do
    rnd 100
    if ((R < 32)); then
      draw 1 "$common"; p+=$D
    elif ((R < 44)); then
      p+=.
    elif ((R < 48)); then
      p+='?'
    elif ((R < 53)); then
      p+=/
    elif ((R < 58)); then
      # shellcheck disable=SC1003  # a backslash, the consonant
      p+='\'
    elif ((R < 74)); then
      # Two runs in a row are refused; the draw leaves that to the fixed list mostly.
      if ((stars < 3)) && [[ $p != *'*' ]]; then p+='*'; stars=$((stars + 1)); else p+=.; fi
    elif ((R < 80)); then
      rnd 4; draw $((R + 1)) "$common"; p+="[$D]"
    elif ((R < 85)); then
      rnd 4; draw $((R + 1)) "$common"; p+="{$D}"
    elif ((R < 94)); then
      if ((vars < 4)); then pick '&' '&' '$' '^'; p+=$P; vars=$((vars + 1)); else p+=.; fi
    elif ((R < 96)); then
      p+=@
    else
      pick "'" - 1 0 É é + .; p+=$P
    fi
  done
  maybe 12 && p="-$p"
  if maybe 15; then pick 2 3 4 5 6 7 8 9 12 19 0 25 x; p+=" $P"; fi
  maybe 8 && p=${p,,}
  PAT=$p
}

frequency_pattern() {
  local n p
  rnd 5; n=$((R + 1))
  draw "$n" "111112222334569"; p=$D
  if maybe 60; then
    rnd $((${#p} + 1)); p="${p:0:R}*${p:R}"
    maybe 10 && p+='*'
  fi
  if maybe 4; then rnd $((${#p} + 1)); p="${p:0:R}0${p:R}"; fi
  if maybe 5; then pick A ' ' - . x; rnd $((${#p} + 1)); p="${p:0:R}$P${p:R}"; fi
  PAT=$p
}

anagram_pattern() {
  local p
  if maybe 55; then word 3 9; p=$W; else rnd 6; draw $((R + 1)) "$common"; p=$D; fi
  if maybe 40; then rnd 3; draw "$R" "$common"; p+="-$D"; fi
  maybe 5 && { pick . "'" 3 ' ' É; p+=$P; }
  maybe 10 && p=${p,,}
  PAT=$p
}

anagram1_pattern() {
  local p
  if maybe 65; then word 2 8; p=$W; else rnd 6; draw $((R + 1)) "$common"; p=$D; fi
  maybe 5 && { pick . "'" 3 ' ' -; rnd $((${#p} + 1)); p="${p:0:R}$P${p:R}"; }
  maybe 10 && p=${p,,}
  PAT=$p
}

stack_pattern() {
  local p
  rnd 100
  if ((R < 25)); then
    p=$vowels
  elif ((R < 45)); then
    p=$consonants
  elif ((R < 55)); then
    pick "AEIOU'-" "0123456789" "BCDFGHJKLMNPQRSTVWXZ " "ST" "E" "AEIOUÉË" "-'+."; p=$P
  else
    rnd 7; draw $((R + 1)) "$common"; p=$D
  fi
  maybe 8 && p=${p,,}
  rnd 100
  if ((R < 80)); then
    pick 1 2 2 3 3 3 4 4 5 6 7; p+=" $P"
  elif ((R < 86)); then
    pick 0 9 12 -1; p+=" $P"
  elif ((R < 93)); then
    pick 2 3; p+=$P
  fi
  PAT=$p
}

set_pattern() {
  local p
  if maybe 30; then word 3 6; p=$W; else rnd 7; draw $((R + 1)) "$common"; p=$D; fi
  maybe 10 && { pick "'" - ' ' 5 É .; p+=$P; }
  maybe 10 && p=${p,,}
  PAT=$p
}

subset_pattern() {
  local p
  if maybe 60; then word 4 10; p=$W; else rnd 9; draw $((R + 2)) "$common"; p=$D; fi
  maybe 8 && { pick "'" - ' ' 2 .; p+=$P; }
  maybe 10 && p=${p,,}
  PAT=$p
}

# Product or Sum: a word, letters, a number, then perhaps a shortest and longest word length.
value_pattern() {
  local product=$1 p i n v
  rnd 100
  if ((R < 35)); then
    word 2 8; p=$W
  elif ((R < 45)); then
    rnd 4; draw $((R + 1)) "$common"; p=$D
  elif ((R < 75)); then
    if ((product)); then
      rnd 3; n=$((R + 1)); v=1
      for ((i = 0; i < n; i++)); do rnd 26; v=$((v * (R + 1))); done
    else
      rnd 150; v=$((R + 2))
    fi
    p=$v
  else
    if ((product)); then
      pick 29 62 1 0 -6 12.5 .5e1 220.9 1e3 x 99999999999999999999 ' 220' 6e18
    else
      pick 0 -5 12.7 .5e2 1e1 abc ' 50' 1e400 46. 99999999999999999999 '++5'
    fi
    p=$P
  fi
  maybe 10 && p=${p,,}
  rnd 100
  if ((R < 20)); then
    rnd 8; p+=" $((R + 2))"
  elif ((R < 35)); then
    rnd 6; n=$((R + 2)); rnd 8; p+=" $n $((n + R))"
  elif ((R < 38)); then
    pick " 0" " 9 3" " 25" " x"; p+=$P
  fi
  PAT=$p
}

telephone_pattern() {
  local p
  rnd 100
  if ((R < 55)); then
    rnd 6; draw $((R + 2)) "23456789"; p=$D
  elif ((R < 80)); then
    word 3 7; p=$W
  elif ((R < 88)); then
    word 3 6; p=${W,,}
  else
    pick 7 1234 7067 7A6 ROOS5 '7 6' - '' 2222222222; p=$P
  fi
  PAT=$p
}

types=(Volgorde Frequentie Anagram Anagram-1 Stapel Set Product Subset Som Telefoon)

# pattern_of TYPE: PAT = a drawn pattern of that type.
pattern_of() {
  case $1 in
    Volgorde) sequence_pattern ;;
    Frequentie) frequency_pattern ;;
    Anagram) anagram_pattern ;;
    Anagram-1) anagram1_pattern ;;
    Stapel) stack_pattern ;;
    Set) set_pattern ;;
    Product) value_pattern 1 ;;
    Subset) subset_pattern ;;
    Som) value_pattern 0 ;;
    Telefoon) telephone_pattern ;;
  esac
}

# type_name TYPE: P = the type as -t or --narrow spells it, now and then in other letter case.
type_name() {
  P=$1
  if maybe 10; then pick "${1,,}" "${1^^}"; fi
}

# --- The list -----------------------------------------------------------------------------------

searches=()

# quote WORD: Q = WORD as one shell word, readable in a report line.
quote() {
  if [[ $1 =~ ^[A-Za-z0-9_./:,+=-]+$ ]]; then
    Q=$1
  elif [[ $1 == *[[:cntrl:]]* ]]; then
    printf -v Q '%q' "$1"
  elif [[ $1 == *\'* && $1 != *[\"\$\`\\!]* ]]; then
    Q="\"$1\""
  else
    Q="'${1//\'/\'\\\'\'}'"
  fi
}

# add ARGUMENT...: one search, the arguments after the word files' -w.
add() {
  local line="" argument
  for argument in "$@"; do
    quote "$argument"
    line+="${line:+ }$Q"
  done
  searches+=("$line")
}

# Switches and actions drawn for one search of TYPE, into the array `extra`.
draw_options() {
  local type=$1 n i
  extra=()
  if maybe 60; then pick 1 5 100 15000 1 5 15000 2 37 500 3000; extra+=(-m "$P"); fi
  if maybe 45; then
    pick 5 2-6 4,7 19 10-19 3,5-8,19 none 2-19 19+ 8 2 3-4; extra+=(-l "$P")
  fi
  if maybe 12; then pick A E N ST ij EN é IJ o; extra+=(--with "$P"); fi
  if maybe 12; then pick E A EN RST IJ é "'" ' ' -; extra+=(--without "$P"); fi
  maybe 20 && extra+=(--show-length)
  maybe 20 && extra+=(--lower)
  maybe 20 && extra+=(--keep-ij)
  if maybe 40; then
    rnd 3; n=$((R + 1))
    for ((i = 0; i < n; i++)); do
      rnd 100
      if ((R < 50)); then
        local other
        pick "${types[@]}"; other=$P
        [ "$other" = "$type" ] && other=Volgorde
        pattern_of "$other"
        type_name "$other"
        extra+=(--narrow "$P:$PAT")
      elif ((R < 85)); then
        rnd 4
        for ((; R >= 0; R--)); do extra+=(--sort); done
      else
        extra+=(--restore)
      fi
    done
  fi
  if maybe 10; then pick out.txt sub/list.txt; extra+=(-o "$P"); fi
  return 0
}

# Drawn searches of each type: COUNT of them.
drawn() {
  local type=$1 count=$2 k
  for ((k = 0; k < count; k++)); do
    draw_options "$type"
    pattern_of "$type"
    type_name "$type"
    if [ "$type" = Volgorde ] && maybe 30; then
      add "${extra[@]}" -- "$PAT"
    else
      add -t "$P" "${extra[@]}" -- "$PAT"
    fi
  done
}

# The fixed part: the examples of --help, the edges of each type, refused patterns, bad options.

# Volgorde
add R..S
add -m 5 -- '-*E*'
add -- -R..S
add '*EN 5'
add '*EN'
add -m 15000 '*EN'
add -l 19 -m 15000 '*E*'
add -m 1000000 -- '-*E*'
add '&..&'
add '&$$&'
add '&$^$&'
add '*&&*'
add '&*&'
add '*&*&*'
add '^.^.^'
add '&.$.&.$'
add '*[AEIOU][AEIOU][AEIOU]*'
add '[AEIOU]*[AEIOU]'
add '{AEIOU}{AEIOU}{AEIOU}*'
add '{AEIOU}*'
add '/\/\/\/'
# shellcheck disable=SC1003  # five consonants
add '\\\\\'
add '*\\\\\*'
add '*/////*'
add '?.?'
add '*@*'
add '*@* 9'
add "*'*"
add '*-*'
add '*1*'
add 'É*'
add '*é'
add 'r..s'
add '*ij'
add --keep-ij '*IJ'
add --keep-ij -l 19 '*IJ*'
add '.'
add '..'
add '* 19'
add '*. 19'
add '*E* 25'
add '*E* 0'
add '*E* x'
add '*E*  6'
add 'R..S 7'
add 'R*S 1'
add '[A]'
add '[]A'
add '{}A'
add '[.]'
add '**'
add 'A**B'
add '[A'
add 'A]'
add '{A'
add 'A}'
add '[A{B}]'
add '[*]'
add 'A-B'
add '%A'
add "'A"
add '_A'
add -- -
add -- --
add -- '-**'
add ' '
add ''
add '*'
add -m 1 '*E*'
add -m 5 --sort '*E*'
add -m 5 --sort --sort '*E*'
add -m 5 --sort --sort --sort '*E*'
add -m 5 --sort --sort --sort --sort --sort '*E*'
add -m 100 --sort --restore '*E*'
add -m 100 --restore '*E*'
add -m 15000 --narrow Volgorde:'*EN' --sort --sort --sort '*E*'
add -m 15000 --narrow Volgorde:'*EN' --restore '*E*'
add --show-length --lower -m 50 'K*'
add --with EN --without A -m 50 'K*'
add --with é -m 50 '*'
add --with é -m 50 '*E*'
add --without "'- " -m 50 '*E*'
add -l none '*E*'
add -l 2 '*'
add -l 2-19 -m 15000 '*A*'

# Frequentie
add -t Frequentie 2211
add -t Frequentie '*33'
add -t Frequentie '2*'
add -t Frequentie '*9'
add -t Frequentie '*5'
add -t Frequentie -m 15000 '*1111'
add -t Frequentie -l 19 '*333'
add -t Frequentie 0
add -t Frequentie 1
add -t Frequentie '*'
add -t Frequentie '*0'
add -t Frequentie 11
add -t Frequentie 'A2'
add -t Frequentie '2 2'
add -t Frequentie 99999999999999999999
add -t Frequentie --keep-ij --show-length 1111111

# Anagram
add -t Anagram ROOS-T
add -t Anagram ROOS
add -t Anagram ROOS-
add -t Anagram -- -ROOS
add -t Anagram -- -
add -t Anagram AEEINRST
add -t Anagram -m 15000 E
add -t Anagram -m 15000 -l 19 EEEE
add -t Anagram 'KAAR-T'
add -t Anagram 'kaart-e'
add -t Anagram '*'
add -t Anagram "'T"
add -t Anagram 'É'
add -t Anagram 'IJ' --keep-ij
add -t Anagram 'IJS-'

# Anagram-1
add -t Anagram-1 KAART
add -t Anagram-1 K
add -t Anagram-1 KA
add -t Anagram-1 kaart
add -t Anagram-1 AAAAAAA
add -t Anagram-1 -l 5 -m 15000 EEEEE
add -t Anagram-1 "'T"
add -t Anagram-1 'KA RT'
add -t Anagram-1 ZWIJGEN
add -t Anagram-1 --keep-ij ZWIJGEN

# Stapel
add -t Stapel 'BCDFGHJKLMNPQRSTVWXZ 4'
add -t Stapel 'AEIOU 3'
add -t Stapel 'AEIOU'
add -t Stapel 'AEIOU3'
add -t Stapel 'AEIOU 0'
add -t Stapel 'AEIOU 9'
add -t Stapel 'AEIOU 12'
add -t Stapel 'AEIOUY 4'
add -t Stapel -m 15000 'E 1'
add -t Stapel -m 15000 -l 19 'BCDFGHJKLMNPQRSTVWXZ 5'
add -t Stapel '0123456789 2'
add -t Stapel "-' 2"
add -t Stapel 'ÉË 1'
add -t Stapel ' 1'
add -t Stapel ''

# Set
add -t Set ANS
add -t Set A
add -t Set AEIOU
add -t Set -m 15000 AEINRST
add -t Set "ANS'"
add -t Set 'ANS -'
add -t Set 'É'
add -t Set ans
add -t Set -l 19 ABCDEFGHIJKLMNOPRST

# Product
add -t Product KAT
add -t Product 220
add -t Product 29
add -t Product 0
add -t Product 1
add -t Product 'KAT 3'
add -t Product 'KAT 2 4'
add -t Product '220 3 3'
add -t Product .5e1
add -t Product 12.e1
add -t Product '46. 5'
add -t Product -- -6
add -t Product 99999999999999999999
add -t Product $'\tKAT'
add -t Product ' KAT'
add -t Product -m 15000 -l 19 ZZZZZZZZZZZZZZZZZZZZZZZZ

# Subset
add -t Subset KAARTEN
add -t Subset A
add -t Subset ABCDEFGHIJKLMNOPQRSTUVWXYZ
add -t Subset -m 15000 AEEEIINNRRSSTT
add -t Subset "KAART'"
add -t Subset kaarten

# Som
add -t Som KAT
add -t Som '50 4 6'
add -t Som 0
add -t Som 1
add -t Som 1e400
add -t Som 12.7
add -t Som -- -5
add -t Som -m 15000 100
add -t Som '50 6 4'
add -t Som '50 0 0'
add -t Som ' KAT'
add -t Som $'\tKAT'

# Telefoon
add -t Telefoon 7667
add -t Telefoon ROOS
add -t Telefoon roos
add -t Telefoon 7
add -t Telefoon 1234
add -t Telefoon 7A6
add -t Telefoon -m 15000 -l 19 2222222222222222222
add -t Telefoon 22

# Actions, switches and files
add -t Subset KAARTEN --narrow 'Volgorde:*T' --sort --sort -o lijst.txt
add -m 15000 '*E*' -o out.txt
add -m 15000 '*E*' -o out.txt -o second.txt
add -m 5 'K*' -o sub/list.txt
add -m 5 'K*' -o blocker
add -m 5 'K*' -o sub
add -m 5 'K*' -o blocker/x.txt
add -m 5 'K*' -o nodir/x.txt
add -m 5 '**' -o out.txt
add -m 100 --lower --show-length 'K*' -o out.txt
add -m 100 --narrow 'Volgorde:**' 'K*'
add -m 100 --narrow 'Volgorde:' 'K*'
add -m 100 --narrow 'Anagram:' 'K*'
add -m 100 --narrow 'Som:KAT' --narrow 'Product:KAT' '*'
add -m 15000 --lower --narrow 'Set:AEIOUKLMNRST' --narrow 'stapel:AEIOU 2' '*E*'
add -m 15000 --show-length --narrow 'Frequentie:*2' '*E*'
add -m 15000 --show-length --narrow 'Telefoon:ROOS' --sort '*'
add -m 15000 --narrow 'Anagram-1:KAART' '.....'
add -m 15000 --narrow 'Subset:KAARTEN' --restore --narrow 'Anagram:ROOS-T' '*'
add -m 15000 --narrow 'Anagram:RAT-' --narrow 'Telefoon:728' '*'
add --max=5 --type=Anagram --lengths=5,7 --with=E ROOS
add -m5 -tAnagram -l5 ROOS
add --sort --sort --sort --sort --restore --restore '*E*'

# Bad options and the other modes
add --help
add -h
add --version
add --version --help
add -x
add --bogus
add -m
add -m 0 '*E*'
add -m -5 '*E*'
add -m abc '*E*'
add -m 5x '*E*'
add -m 99999999999 '*E*'
add -m ' 5' '*E*'
add -l 1 '*E*'
add -l 20 '*E*'
add -l 5-3 '*E*'
add -l 5, '*E*'
add -l '' '*E*'
add -t Foo '*E*'
add -t '' '*E*'
add --narrow Volgorde '*E*'
add --narrow Foo:X '*E*'
add --narrow 'Volgorde:Ā' '*E*'
add --with 'Ā' '*E*'
add --show-length=1 '*E*'
add -o '' '*E*'
add -t Anagram
add A. B.
add 'Ā'
add -w /nonexistent/opentaal -m 5 '*E*'
add -w '' -m 5 '*E*'

fixed=${#searches[@]}
# The drawn part: Volgorde most, every other type at least 40 times.
drawn Volgorde 170
for type in "${types[@]:1}"; do drawn "$type" 42; done
unset words

if ((list_only)); then
  printf '%s\n' "${searches[@]}"
  exit 0
fi

# --- The runs -----------------------------------------------------------------------------------
# Each search costs few processes (forks are dear on a busy machine): the two runs side by side,
# one cmp, a second only when there is standard error to compare.

unset KWINTEL_TEST_SIGINT_AT_PUMP
export LC_ALL=C
cpu_limit=60  # seconds of processor time a run may take; a run past it ends on SIGXCPU

# A fresh working folder for each program: an empty subfolder and an empty file, for -o to write
# into or fail on.
fresh_folders() {
  rm -rf "$work/old" "$work/new"
  mkdir -p "$work/old/sub" "$work/new/sub"
  : > "$work/old/blocker"
  : > "$work/new/blocker"
}
untouched=$'blocker\nsub/\n'

# list_folder SIDE: L = the entries a run left in its folder, one a line, folders ending in /.
list_folder() {
  local base=$work/$1 entry
  L=""
  shopt -s globstar dotglob
  for entry in "$base"/**; do
    entry=${entry#"$base"/}
    [ -n "$entry" ] || continue
    [ -d "$base/$entry" ] && entry+=/
    L+="$entry"$'\n'
  done
  shopt -u globstar dotglob
}

# run PROGRAM SIDE ARGUMENT...: one run in the folder SIDE, with stdout in SIDE.out, stderr in
# SIDE.err; a subshell, whose exit status is the run's.
run() {
  local program=$1 side=$2
  shift 2
  ulimit -t "$cpu_limit"
  cd "$work/$side" && exec "$program" -w "$prefix" "$@" > "$work/$side.out" 2> "$work/$side.err"
}

keep_outputs() {
  local dir side
  printf -v dir '%s/%04d' "$keep" "$1"
  mkdir -p "$dir"
  printf '%s\n' "$2" > "$dir/search"
  for side in old new; do
    cp "$work/$side.out" "$work/$side.err" "$dir/"
    echo "${rcs[$side]}" > "$dir/$side.status"
    cp -r "$work/$side" "$dir/$side.files"
  done
}

passed=0
failed=0
slowest=0
slowest_search=""
declare -A rcs statuses=()
fresh_folders
args=()
start=$EPOCHREALTIME
for ((i = 0; i < ${#searches[@]}; i++)); do
  line=${searches[i]}
  eval "args=($line)"
  t0=$EPOCHREALTIME
  (run "$old" old "${args[@]}") &
  old_pid=$!
  (run "$new" new "${args[@]}") &
  new_pid=$!
  wait "$old_pid"; rcs[old]=$?
  wait "$new_pid"; rcs[new]=$?
  t1=$EPOCHREALTIME
  elapsed=$((${t1/./} - ${t0/./}))
  if ((elapsed > slowest)); then slowest=$elapsed; slowest_search=$line; fi
  statuses[${rcs[old]}]=$((${statuses[${rcs[old]}]:-0} + 1))

  differences=()
  cmp -s "$work/old.out" "$work/new.out" || differences+=("stdout")
  if [ -s "$work/old.err" ] || [ -s "$work/new.err" ]; then
    cmp -s "$work/old.err" "$work/new.err" || differences+=("stderr")
  fi
  [ "${rcs[old]}" = "${rcs[new]}" ] || differences+=("exit status ${rcs[old]} / ${rcs[new]}")
  list_folder old; old_files=$L
  list_folder new; new_files=$L
  if [ "$old_files" != "$new_files" ]; then
    differences+=("files written: ${old_files//$'\n'/ }/ ${new_files//$'\n'/ }")
  elif [ "$old_files" != "$untouched" ] || [ -s "$work/old/blocker" ] || [ -s "$work/new/blocker" ]; then
    while IFS= read -r entry; do
      [[ -z $entry || $entry == */ ]] && continue
      cmp -s "$work/old/$entry" "$work/new/$entry" || differences+=("file $entry")
    done <<< "$old_files"
  fi

  n=$((i + 1))
  if ((${#differences[@]} == 0)); then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    for difference in "${differences[@]}"; do
      printf '#%d %s: %s\n' "$n" "$difference" "$line"
    done
    [ -z "$keep" ] || keep_outputs "$n" "$line"
  fi
  if [ "$old_files" != "$untouched" ] || [ "$new_files" != "$untouched" ] ||
    [ -s "$work/old/blocker" ] || [ -s "$work/new/blocker" ]; then
    fresh_folders
  fi
done
end=$EPOCHREALTIME

total_ms=$(((${end/./} - ${start/./}) / 1000))
summary=""
for status in $(printf '%s\n' "${!statuses[@]}" | sort -n); do
  summary+="${summary:+, }exit $status: ${statuses[$status]}"
done
{
  printf 'word files %sNN.DOC; %d searches (%d fixed, %d drawn with seed %s); %s (old program)\n' \
    "$prefix" "${#searches[@]}" "$fixed" $((${#searches[@]} - fixed)) "$seed" "$summary"
  printf 'run time %d.%03d s; slowest search %d ms: %s\n' $((total_ms / 1000)) $((total_ms % 1000)) \
    $((slowest / 1000)) "$slowest_search"
} >&2
echo "$passed passed, $failed failed"
((failed == 0))

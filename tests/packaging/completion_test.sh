#!/usr/bin/env bash
# completion_test.sh COMPLETION: the bash completion of kwintel-cli offers, for each typed command
# line, exactly the expected words.
set -u
# shellcheck source=/dev/null
source "$1"
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder" || exit 1
touch opentaal02.DOC opentaal03.DOC 'mijn lijst.txt'

# Each row: the words of the command line (the last is the one being completed, '' for none yet),
# then "=>", then the offered words separated by '|'.
rows=(
  "kwintel-cli -t an => Anagram|Anagram-1"
  "kwintel-cli --type ver => Verborgen"
  "kwintel-cli --type = dr => Drukfout"
  "kwintel-cli -t '' => Volgorde|Frequentie|Anagram|Anagram-1|Stapel|Set|Product|Subset|Som|Telefoon|Meerwoord|Verborgen|Drukfout|Rijm|Halfrijm|Klinkt\\ als|Wordfeud|Scrabble|Lingo"
  "kwintel-cli -t kl => Klinkt\\ als"
  "kwintel-cli -t hal => Halfrijm"
  "kwintel-cli --narrow s => Stapel:|Set:|Subset:|Som:|Scrabble:"
  "kwintel-cli --narrow Meer => Meerwoord:"
  "kwintel-cli --narrow Volgorde : '' => "
  "kwintel-cli -w open => opentaal02.DOC|opentaal03.DOC"
  "kwintel-cli --words = open => opentaal02.DOC|opentaal03.DOC"
  "kwintel-cli -o mijn => mijn lijst.txt"
  "kwintel-cli -l n => none"
  "kwintel-cli -m '' => "
  "kwintel-cli --with '' => "
  "kwintel-cli --s => --show-length|--sort"
  "kwintel-cli --co => --common"
  "kwintel-cli -t Som --re => --restore"
  "kwintel-cli -- -R => "
  "kwintel-cli R..S --o => --output"
)

status=0
for row in "${rows[@]}"; do
  eval "COMP_WORDS=(${row%% => *})"
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _kwintel_cli
  expected=${row#* => }
  # Compared as sets: bash sorts the offered words before showing them anyway.
  got=$(printf '%s\n' "${COMPREPLY[@]}" | sed '/^$/d' | sort | paste -sd '|')
  expected=$(tr '|' '\n' <<< "$expected" | sed '/^$/d' | sort | paste -sd '|')
  if [[ $got != "$expected" ]]; then
    echo "FAIL: ${row%% => *}: offered [$got], expected [$expected]"
    status=1
  fi
done
[[ $status == 0 ]] && echo "completion: ${#rows[@]} command lines complete as expected"
exit $status

# bash completion for kwintel-cli: its options, the search-type names after -t and --narrow (letter
# case of what is typed ignored; "Klinkt als" offered with its blank escaped), and file names after
# -w and -o.

# One name a line: a name may hold a blank.
_kwintel_cli_types="Volgorde
Frequentie
Anagram
Anagram-1
Stapel
Set
Product
Subset
Som
Telefoon
Meerwoord
Verborgen
Drukfout
Rijm
Halfrijm
Klinkt als
Wordfeud
Scrabble
Lingo"

_kwintel_cli_options="-w --words -t --type -l --lengths -m --max --with --without --show-length
--keep-ij --lower --common --narrow --sort --restore -o --output -h --help --version"

# Prints the type names that begin with $1, letter case ignored, each followed by $2.
_kwintel_cli_type_names() {
  local typed=${1,,} name IFS=$'\n'
  for name in $_kwintel_cli_types; do
    [[ ${name,,} == "$typed"* ]] && printf '%q%s\n' "$name" "$2"
  done
}

_kwintel_cli() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev="" i
  ((COMP_CWORD > 0)) && prev=${COMP_WORDS[COMP_CWORD - 1]}
  # "--words=x" reaches us as "--words" "=" "x", since '=' breaks words in bash.
  if [[ $cur == "=" ]]; then
    cur=""
  elif [[ $prev == "=" ]] && ((COMP_CWORD > 1)); then
    prev=${COMP_WORDS[COMP_CWORD - 2]}
  fi

  COMPREPLY=()
  # After "--" only the pattern comes.
  for ((i = 1; i < COMP_CWORD; i++)); do
    [[ ${COMP_WORDS[i]} == "--" ]] && return 0
  done

  local IFS=$'\n'
  case $prev in
    -w | --words | -o | --output)
      compopt -o filenames 2> /dev/null
      COMPREPLY=($(compgen -f -- "$cur"))
      return 0
      ;;
    -t | --type)
      COMPREPLY=($(_kwintel_cli_type_names "$cur" ""))
      return 0
      ;;
    --narrow)
      # TYPE:PATTERN; ':' breaks words too, so the pattern after it is a word of its own.
      compopt -o nospace 2> /dev/null
      COMPREPLY=($(_kwintel_cli_type_names "$cur" ":"))
      return 0
      ;;
    -l | --lengths)
      COMPREPLY=($(compgen -W "none" -- "$cur"))
      return 0
      ;;
    -m | --max | --with | --without)
      return 0
      ;;
  esac

  if [[ $cur == -* ]]; then
    IFS=$' \n'
    COMPREPLY=($(compgen -W "$_kwintel_cli_options" -- "$cur"))
  fi
  return 0
}

complete -F _kwintel_cli kwintel-cli

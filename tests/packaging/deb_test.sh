#!/usr/bin/env bash
# deb_test.sh DEB: lintian finds no error in the package (its warnings are printed); unpacked with
# dpkg-deb -x, the package's own kwintel-cli finds ROOS for R..S with its word files and ends with
# the summary line; every manual page in it renders without a warning; the links in usr/bin and
# the desktop files are there.
set -u
deb=$1
status=0

if command -v lintian > /dev/null; then
  report=$(lintian "$deb" 2>&1 | grep -v "^running with root privileges")
  [[ -n $report ]] && echo "$report"
  if grep -q '^E: ' <<< "$report"; then
    echo "FAIL: lintian reports errors in $deb"
    status=1
  else
    echo "lintian $(basename "$deb"): no errors, $(grep -c '^W: ' <<< "$report") warnings"
  fi
else
  echo "SKIP: lintian not found (Debian package lintian): the package is not linted"
fi

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root" || { echo "FAIL: dpkg-deb -x $deb"; exit 1; }

for file in usr/bin/kwintel usr/bin/kwintel-cli usr/bin/kwintel-mkwords \
            usr/share/applications/kwintel.desktop usr/share/icons/hicolor/scalable/apps/kwintel.svg \
            usr/share/bash-completion/completions/kwintel-cli usr/lib/kwintel/opentaal05.DOC \
            usr/lib/kwintel/opentaal.FRQ \
            usr/lib/kwintel/opentaal.KLK usr/lib/kwintel/espeak-ng-licentie.txt \
            usr/lib/kwintel/tips.txt usr/lib/kwintel/kwintel.html; do
  if [[ ! -e $root/$file ]]; then
    echo "FAIL: $deb has no $file"
    status=1
  fi
done
if ! compgen -G "$root/usr/share/metainfo/*.metainfo.xml" > /dev/null; then
  echo "FAIL: $deb has no metainfo"
  status=1
fi

# Run from another folder, through the link: the word files are found beside the real program.
output=$(cd / && "$root/usr/bin/kwintel-cli" R..S 2>&1)
if ! grep -qx 'ROOS' <<< "$output" || ! tail -n 1 <<< "$output" | grep -q '^Totaal: '; then
  echo "FAIL: the unpacked kwintel-cli R..S printed:"
  head -n 5 <<< "$output"
  status=1
else
  echo "unpacked kwintel-cli R..S: ROOS found, $(tail -n 1 <<< "$output")"
fi

if command -v man > /dev/null; then
  pages=("$root"/usr/share/man/man*/*)
  man_status=0
  for page in "${pages[@]}"; do
    warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 > /dev/null)
    if [[ -n $warnings ]]; then
      echo "FAIL: $(basename "$page"):"
      echo "$warnings"
      man_status=1
    fi
  done
  [[ $man_status == 0 ]] && echo "${#pages[@]} manual pages in the package render without warnings"
  [[ $man_status == 0 ]] || status=1
else
  echo "SKIP: man not found (Debian package man-db): the package's manual pages are not rendered"
fi
exit $status

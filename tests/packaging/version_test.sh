#!/usr/bin/env bash
# version_test.sh CHANGELOG VERSION RELEASE_DATE METAINFO
# The package, the programs and the metainfo carry one version: debian/changelog's top entry is
# VERSION of RELEASE_DATE (YYYY-MM-DD), and the configured metainfo names that release.
set -u
changelog=$1 version=$2 date=$3 metainfo=$4
status=0

top=$(head -n 1 "$changelog")
if [[ $top =~ ^kwintel\ \(([^\)]+)\) ]]; then
  package_version=${BASH_REMATCH[1]}
else
  echo "FAIL: top line of $changelog is not a kwintel entry: $top"
  exit 1
fi
# A native package: the upstream version alone, so the .deb is kwintel_VERSION_ARCH.deb.
if [[ $package_version != "$version" ]]; then
  echo "FAIL: debian/changelog has $package_version, CMake's project version is $version"
  status=1
fi

# The trailer line " -- Name <mail>  Day, DD Mon YYYY HH:MM:SS +ZZZZ" of the top entry.
trailer=$(grep -m 1 '^ -- ' "$changelog")
stamp=${trailer##*>  }
if ! day=$(date -u -d "$stamp" +%F 2> /dev/null); then
  echo "FAIL: no date in the trailer of the top entry: $trailer"
  status=1
elif [[ $day != "$date" ]]; then
  echo "FAIL: debian/changelog's top entry is of $day, KWINTEL_RELEASE_DATE is $date"
  status=1
fi

if ! grep -q "<release version=\"$version\" date=\"$date\"" "$metainfo"; then
  echo "FAIL: $metainfo does not name release $version of $date"
  status=1
fi
[[ $status == 0 ]] && echo "version $version of $date: debian/changelog and metainfo agree"
exit $status

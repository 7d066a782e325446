#!/usr/bin/env bash
# metainfo_test.sh METAINFO: appstreamcli finds neither errors nor warnings (pedantic notes may
# stay), and the file is named after its component id, as software centres look it up.
set -u
metainfo=$1
if ! command -v appstreamcli > /dev/null; then
  echo "SKIP: appstreamcli not found (Debian package appstream)"
  exit 77
fi
if ! appstreamcli validate --no-net --explain "$metainfo"; then
  echo "FAIL: appstreamcli validate --no-net $metainfo"
  exit 1
fi
id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$metainfo")
if [[ $(basename "$metainfo") != "$id.metainfo.xml" ]]; then
  echo "FAIL: $metainfo holds component $id"
  exit 1
fi

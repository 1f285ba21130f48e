#!/usr/bin/env bash
# The AppStream data passes the validator (offline) and its newest release is the version being
# packaged, so a version bump without a release entry is caught before software centres show a
# stale one.
set -u
metainfo=$1 version=$2
appstreamcli validate --no-net "$metainfo" || { echo "FAIL: appstreamcli validate"; exit 1; }
newest=$(grep -m1 -o '<release version="[^"]*"' "$metainfo" | cut -d'"' -f2)
[ "$newest" = "$version" ] ||
  { echo "FAIL: the newest release in the metainfo is '$newest', the project is $version"; exit 1; }

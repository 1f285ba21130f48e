#!/usr/bin/env bash
# The committed icons are what packaging/icons/make_icons.py draws, so a change to the drawing
# that was not rerun (or a hand-edited PNG) is caught.
set -u
source=$1
python3 "$source/packaging/icons/make_icons.py" --check "$source/packaging/icons"

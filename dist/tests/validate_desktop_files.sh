#!/usr/bin/env bash
# The desktop entry and the AppStream metainfo as the desktop's own validators judge them.
#   validate_desktop_files.sh FILE.desktop FILE.metainfo.xml
# Exits 77 (skipped) when a validator is missing.
set -euo pipefail
for tool in desktop-file-validate appstreamcli; do
  if ! command -v "$tool" > /dev/null; then
    echo "SKIPPED: $tool is not installed (scripts/install-deps.sh installs it)"
    exit 77
  fi
done
desktop-file-validate "$1"
appstreamcli validate --no-net "$2"

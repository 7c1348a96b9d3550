#!/usr/bin/env bash
# Lists every tracked C++ file that .clang-format would change, and fails when there is one.
# Run `git ls-files '*.cpp' '*.h' | xargs clang-format -i` to mend them.
set -euo pipefail
cd "$(dirname "$0")/.."
drift=()
while IFS= read -r file; do
  clang-format "$file" | cmp -s - "$file" || drift+=("$file")
done < <(git ls-files '*.cpp' '*.h')
if [[ ${#drift[@]} -gt 0 ]]; then
  echo "Not formatted as .clang-format asks (${#drift[@]} files):" >&2
  printf '  %s\n' "${drift[@]}" >&2
  exit 1
fi

#!/usr/bin/env bash
# Counts with callgrind the instructions of a typical run, and of a C program with stdio given
# the same input, both in an empty environment, on which start-up's cost depends.
set -euo pipefail
cd "$(dirname "$0")/.."
{ command -v valgrind && command -v cc; } >/dev/null ||
  { echo "$0: needs valgrind and cc (on Debian: apt-get install valgrind gcc)" >&2; exit 1; }

cmake --preset default >/dev/null
cmake --build --preset default >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Installed, the program has one path whatever the generator.
cmake --install build --config Release --prefix "$work" >/dev/null
cc -O2 -x c -o "$work/neparni_stdio" - <<'C'
#include <stdio.h>
int main(void)
{
    int broj[5] = {0};
    for (int i = 0; i < 5; ++i) {
        fputs("Unesi broj: ", stdout);
        fflush(stdout);
        if (scanf("%d", &broj[i]) != 1)
            break;
    }
    const char *separator = "";
    putchar('{');
    for (int i = 0; i < 5; ++i)
        if (broj[i] % 2 != 0) {
            printf("%s%d", separator, broj[i]);
            separator = ", ";
        }
    putchar('}');
    return fflush(stdout) == 0 ? 0 : 1;
}
C

valgrind=$(command -v valgrind)
instructions() {
  printf '4\n7\n-3\n10\n9\n' |
    env -i "$valgrind" --tool=callgrind --callgrind-out-file=/dev/null "$1" 2>&1 >/dev/null |
    sed -n 's/^==[0-9]*== Collected : //p'
}
cpp=$(instructions "$work/bin/neparni") c=$(instructions "$work/neparni_stdio")
awk -v cpp="$cpp" -v c="$c" 'BEGIN { printf "neparni %d, C %d, ratio %.2f\n", cpp, c, cpp / c }'

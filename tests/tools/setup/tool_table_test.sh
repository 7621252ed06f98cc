#!/usr/bin/env bash
# The table of tools and packages that the set-up installs and checks (tools/lib/tools.sh):
#   1. each tool that is missing stops the check, which names it and its package;
#   2. each tool on this machine comes from its package or from what that package depends on, so
#      a fresh machine gets it too: a tool brought only by a recommended package (as arch-test is
#      by mmdebstrap) or installed by hand fails here.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../../tools/lib/tools.sh"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# 1. A PATH of stand-ins for every command of the table, less one at a time.
stubs=$(mktemp -d)
trap 'rm -rf "$stubs"' EXIT
mapfile -t rows < <(orlix_tool_rows)
for row in "${rows[@]}"; do
    tool=${row% *}
    if [[ "$tool" != /* ]]; then printf '#!/bin/sh\n' >"$stubs/$tool" && chmod +x "$stubs/$tool"; fi
done
(PATH=$stubs orlix_check_tools) 2>"$stubs/.err" || fail "the check fails with every tool there: $(cat "$stubs/.err")"
for row in "${rows[@]}"; do
    tool=${row% *} package=${row#* }
    [[ "$tool" != /* ]] || continue
    mv "$stubs/$tool" "$stubs/.away"
    if (PATH=$stubs orlix_check_tools) 2>"$stubs/.err"; then
        fail "the check passes without $tool"
    elif ! grep -qxF "    $tool (package $package)" "$stubs/.err" || [ "$(grep -c '(package ' "$stubs/.err")" != 1 ] ||
        ! grep -q "^install them with: apt-get install $package\$" "$stubs/.err"; then
        fail "without $tool the check says: $(cat "$stubs/.err")"
    fi
    mv "$stubs/.away" "$stubs/$tool"
done

# 2. The package of each tool's file on this machine (merged /usr: dpkg may know a file by its
# path without /usr), asked of dpkg in one call.
checks=()
paths=()
for row in "${rows[@]}"; do
    tool=${row% *} package=${row#* }
    if [[ "$tool" == /* ]]; then path=$(compgen -G "$tool" | head -n 1 || true); else path=$(command -v "$tool" || true); fi
    [ -n "$path" ] || { fail "$tool is not on this machine (the test command installs $package first)"; continue; }
    path=$(readlink -f "$path")
    checks+=("$tool|$package|$path")
    paths+=("$path" "${path#/usr}")
done
owners=$(dpkg-query -S "${paths[@]}" 2>/dev/null || true)
# Every installed package with what it depends on (either side of an alternative) and what it
# provides; then, for each tool, whether its file's package is among those its own package brings
# when installed without recommendations.
verdicts=$(
    {
        dpkg-query -W -f='P|${db:Status-Abbrev}|${Package}|${Depends}, ${Pre-Depends}|${Provides}\n'
        sed -E 's/^([^:]+)(:[a-z0-9]+)?: (.*)$/O|\1|\3/' <<<"$owners"
        printf 'C|%s\n' "${checks[@]}"
    } | awk -F'|' '
        $1 == "P" && $2 ~ /^ii/ {
            deps[$3] = $4
            n = split($5, p, ",")
            for (i = 1; i <= n; i++) { v = p[i]; sub(/\(.*/, "", v); gsub(/ /, "", v); providers[v] = providers[v] " " $3 }
        }
        $1 == "O" { n = split($2, o, ", "); for (i = 1; i <= n; i++) { sub(/:.*/, "", o[i]); owner[$3] = owner[$3] " " o[i] } }
        $1 == "C" { tool[++count] = $2; pkg[count] = $3; path[count] = $4 }
        function brings(root, wanted,    queue, seen, head, tail, name, i, n, d, v, byProvide) {
            queue[1] = root; seen[root] = 1; tail = 1
            for (head = 1; head <= tail; head++) {
                name = queue[head]
                if (name == wanted) return 1
                split(providers[name], byProvide, " ")
                for (i in byProvide) if (!seen[byProvide[i]]++) queue[++tail] = byProvide[i]
                n = split(deps[name], d, /[,|]/)
                for (i = 1; i <= n; i++) {
                    v = d[i]; sub(/\(.*/, "", v); sub(/:.*/, "", v); gsub(/ /, "", v)
                    if (v != "" && !seen[v]++) queue[++tail] = v
                }
            }
            return 0
        }
        END {
            for (c = 1; c <= count; c++) {
                file = path[c]; short = file; sub(/^\/usr/, "", short)
                owners = owner[file] owner[short]
                if (owners == "") { print tool[c] " (" file ") belongs to no package"; continue }
                split(owners, o, " ")
                ok = 0
                for (i in o) if (brings(pkg[c], o[i])) ok = 1
                if (!ok) print tool[c] " comes from" owners ", which " pkg[c] " does not bring"
            }
        }'
)
while read -r verdict; do
    [ -z "$verdict" ] || fail "$verdict"
done <<<"$verdicts"
((failures == 0)) || exit 1
echo "tool table: ${#rows[@]} tools checked"

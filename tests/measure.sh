#!/usr/bin/env bash
# The checks stay lean and every line is read at the code's width: counts
# non-blank characters outside comments, in everything that checks (all of
# tests/ but the pictures and the fuzz corpus, which are data) and in the
# code (everything else that ships or builds: the sources, build files,
# scripts, packaging and benchmarks, but not prose, pictures, fonts, Qt's own
# lines in the patches for it, or the tools' settings), prints both and
# fails where the checks pass 40 % of the code (the aim is a third), or on a
# line over 100 columns.   tests/measure.sh, from the source tree
set -euo pipefail
substance() {  # FILE...: their non-blank characters, comments left out
    local file
    for file; do
        case $file in
            *.cpp | *.h) sed -E 's:(^|[[:space:]])//.*$::' "$file" ;;
            *.nsi.in | *.nsh.in) sed -E 's/(^|[[:space:]])[;#].*$//' "$file" ;;
            *) sed -E 's/(^|[[:space:]])#.*$//' "$file" ;;
        esac
    done | tr -d '[:space:]' | LC_ALL=C.UTF-8 wc -m
}
mapfile -t files < <(git ls-files |
    grep -v -E '\.(md|patch|png|ico|ttf|svg)$|^tests/(fuzz/corpus|pictures)/')
mapfile -t checks < <(printf '%s\n' "${files[@]}" | grep '^tests/')
mapfile -t code < <(printf '%s\n' "${files[@]}" |
    grep -v -E '^tests/|LICENSE|OFL\.txt$|\.1\.in$|\.txt\.in$|^\.(clang-|gitignore)')
checks_size=$(substance "${checks[@]}") code_size=$(substance "${code[@]}")
echo "Checks: $checks_size characters against $code_size of code," \
    "$(awk "BEGIN { printf \"%.1f\", 100 * $checks_size / $code_size }") % (at most 40 %)"
if ((100 * checks_size > 40 * code_size)); then
    echo "Past 40 %: fold the checks into tables, share helpers." >&2
    exit 1
fi
wide=$(LC_ALL=C.UTF-8 grep -n -P '^.{101,}' -- "${files[@]}" || :)
[ -z "$wide" ] || { echo "$wide" | cut -c1-120 >&2 && exit 1; }

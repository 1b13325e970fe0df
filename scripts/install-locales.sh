#!/usr/bin/env bash
# Generates those of the given locales (such as fr_FR.UTF-8) that the C library lacks.
set -euo pipefail

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
installed=$(locale -a)
for locale in "$@"; do
    language=${locale%%.*}
    charset=${locale#*.}
    # locale -a writes fr_FR.UTF-8 as fr_FR.utf8.
    grep -qxF "$language.$(tr -d '-' <<<"${charset,,}")" <<<"$installed" && continue
    echo "Generating the locale $locale"
    "${sudo[@]}" localedef -i "$language" -f "$charset" "$locale"
done

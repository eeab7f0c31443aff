#!/usr/bin/env bash
# Runs the bash completion of tambrel-cli on typed command lines and compares what it offers,
# and checks that it offers every option and preset that the program's help names.
#
# Usage: completion_test.sh COMPLETION_FILE TAMBREL_CLI
set -uo pipefail
completion=$1 cli=$2

# The helpers of the bash-completion package that the completion uses.
# shellcheck disable=SC2034 # it sets the completion's locals
_init_completion() {
    words=("${COMP_WORDS[@]}")
    cword=$COMP_CWORD
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD - 1]}
}
_filedir() { COMPREPLY=(file-names); }
# shellcheck source=/dev/null
source "$completion"

failures=0
# offers EXPECTED WORD...: completes the last word of "tambrel-cli WORD..." and compares the
# offers, one a line in the order given.
offers() {
    local expected=$1
    shift
    COMP_WORDS=(tambrel-cli "$@")
    COMP_CWORD=$#
    COMPREPLY=()
    _tambrel_cli
    local got
    got=$(printf '%s\n' "${COMPREPLY[@]}")
    [[ ${#COMPREPLY[@]} -gt 0 ]] || got=""
    if [[ $got != "$expected" ]]; then
        printf 'FAIL: tambrel-cli %s<TAB> offered:\n%s\nexpected:\n%s\n' "$*" "$got" "$expected"
        failures=$((failures + 1))
    fi
}

offers "--tuning" --tu
offers $'--omit3\n--omit5' --om
offers 'Drop\ D' --tuning Dr
offers "Drop D" --tuning '"Dr'
offers "Open G" --tuning "'Open G"
offers "standard" --tuning st
offers "easiest" --order e
offers $'notes' --labels n
offers $'Db\nD\nD#' Cm --bass D
offers $'12\n18' --root C --up-to-fret 1
offers "" --intervals ""
offers "" --intervals "00 04" --root C --distance 9
offers "" Cm
offers "file-names" C --svg ""
offers "file-names" --song "C G" --midi ""
offers 'Jazz\ guitar' --song "C G" --instrument J

# Every long option of --help, and every preset of its footer, is offered.
help=$("$cli" --help)
while read -r option; do
    COMP_WORDS=(tambrel-cli "$option")
    COMP_CWORD=1
    COMPREPLY=()
    _tambrel_cli
    if ! printf '%s\n' "${COMPREPLY[@]}" | grep -qxF -- "$option"; then
        echo "FAIL: the option $option of --help is not completed"
        failures=$((failures + 1))
    fi
done < <(grep -o -- '--[a-z0-9-]*' <<<"$help" | sort -u)
presets=$(sed -n 's/^Presets: \(.*\)\.$/\1/p' <<<"$help")
[[ -n $presets ]] || { echo "FAIL: no presets in --help"; failures=$((failures + 1)); }
IFS=',' read -ra names <<<"$presets"
for name in "${names[@]}"; do
    name=${name# }
    offers "$name" --tuning "\"$name"
done

((failures == 0)) || exit 1
echo "completion checked"

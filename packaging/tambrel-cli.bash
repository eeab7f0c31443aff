# Bash completion for tambrel-cli: its options and the values they take.

_tambrel_cli() {
    # shellcheck disable=SC2034 # all four are set by _init_completion
    local cur prev words cword
    _init_completion || return

    local IFS=$'\n'
    local values=""
    case "$prev" in
        --root | --bass)
            values=$'C\nC#\nDb\nD\nD#\nEb\nE\nF\nF#\nGb\nG\nG#\nAb\nA\nA#\nBb\nB'
            ;;
        --up-to-fret)
            values=$'6\n12\n18\n24'
            ;;
        --distance)
            values=$'2\n3\n4\n5'
            ;;
        --order)
            values=$'position\neasiest'
            ;;
        --capo)
            values=$'0\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\nbest'
            ;;
        --transpose)
            return
            ;;
        --song | --chordpro)
            # A song's text or a file: the file names are offered.
            _filedir
            return
            ;;
        --paper)
            values=$'A4\nLetter'
            ;;
        --labels)
            values=$'fingers\nnotes\nintervals'
            ;;
        --svg | --pdf | --png | --musicxml | --midi)
            # A file to write.
            _filedir
            return
            ;;
        --instrument)
            values=$'Nylon guitar\nJazz guitar\nClean guitar\nMuted guitar\nAcoustic grand piano\nBright acoustic piano\nElectric grand piano\nHonky-tonk-piano\nChorused piano'
            ;;
        --scale | --first | --per-row | --sheet | --title | --bpm | --beats)
            return
            ;;
        --tuning)
            values=$'Standard Tunning\nOpen E\nOpen A\nLute Tunning\nBlues Tunning\nRain Song\nOpen D\nDrop D\nOpen G\nC 6th\nG Minor Tunning\nDorvane\nstandard'
            ;;
        --intervals | --name)
            # A formula or a fingering is typed, not chosen.
            return
            ;;
        *)
            if [[ "$cur" == -* ]]; then
                values=$'--help\n--intervals\n--root\n--bass\n--up-to-fret\n--distance\n--omit3\n--omit5\n--easy\n--no-barre\n--left-hand\n--tuning\n--entries\n--name\n--readings\n--order\n--common\n--explain\n--svg\n--pdf\n--png\n--scale\n--first\n--sheet\n--per-row\n--paper\n--labels\n--title\n--script\n--song\n--capo\n--transpose\n--shapes\n--musicxml\n--midi\n--bpm\n--beats\n--instrument\n--chordpro\n--no-fingers'
            fi
            ;;
    esac
    [[ -n "$values" ]] || return

    # Inside quotes readline closes the quote itself; outside, blanks in a preset are escaped.
    local typed="${cur#[\"\']}"
    mapfile -t COMPREPLY < <(compgen -W "$values" -- "$typed")
    if [[ "$typed" == "$cur" ]]; then
        local i
        for i in "${!COMPREPLY[@]}"; do
            COMPREPLY[i]=$(printf '%q' "${COMPREPLY[i]}")
        done
    fi
}
complete -F _tambrel_cli tambrel-cli

# bash completion for sheafwright: its commands, their options, and PDF files
# (folders for --to, any file for the password files).

_sheafwright_files()
{
    local IFS=$'\n'
    compopt -o filenames 2>/dev/null
    COMPREPLY=($(compgen -f -X "$1" -- "$2") $(compgen -d -- "$2"))
}

_sheafwright()
{
    local cur=${COMP_WORDS[COMP_CWORD]}
    local prev=${COMP_WORDS[COMP_CWORD - 1]}
    local command=""
    if [ "$COMP_CWORD" -gt 1 ]; then
        case ${COMP_WORDS[1]} in
            split | merge) command=${COMP_WORDS[1]} ;;
        esac
    fi
    local common="--title --author --password-file --password-stdin --protect --protect-password-file --json --verbose --repair -h --help"
    local options
    case $command in
        split) options="--per-page --every --start --ranges --without --by-bookmarks --by-size --to $common" ;;
        merge) options="-o --output --interleave --reverse-last --blank-after-odd $common" ;;
        *) options="--help --version" ;;
    esac

    if [ -n "$command" ]; then
        case $prev in
            --password-file | --protect-password-file)
                _sheafwright_files "" "$cur"
                return ;;
            --to)
                local IFS=$'\n'
                compopt -o filenames 2>/dev/null
                COMPREPLY=($(compgen -d -- "$cur"))
                return ;;
            -o | --output)
                _sheafwright_files '!*.[pP][dD][fF]' "$cur"
                return ;;
            --every | --start | --ranges | --without | --by-bookmarks | --by-size | --title | --author)
                COMPREPLY=()
                return ;;
        esac
    fi
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi
    _sheafwright_files '!*.[pP][dD][fF]' "$cur"
    if [ "$COMP_CWORD" -eq 1 ]; then
        COMPREPLY+=($(compgen -W "split merge" -- "$cur"))
    fi
}

complete -F _sheafwright sheafwright

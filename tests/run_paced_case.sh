#!/usr/bin/env bash
# Runs the program as a person at a console would: each number is typed once its prompt has
# come, and nothing more may come while the program waits for it.
#   run_paced_case.sh [options] -- COMMAND...
#   --input TEXT    the numbers, one a line; standard input closes after the last
#   --listing TEXT  what must follow the fifth prompt
#   --close-output  stop reading standard output before typing the fifth number
#   --status N      the exit status (0)
#   --error TEXT    the line on standard error (none)
#   --deadline S    how long to wait for each prompt, the listing and the end (10)
#   --wait S        how long nothing may follow a prompt (0.3)
set -u
input='' listing='' close_output='' status=0 error='' deadline=10 wait=0.3
while [[ $1 != -- ]]; do
  case $1 in
    --close-output) close_output=yes ;;
    --input | --listing | --status | --error | --deadline | --wait) declare "${1#--}=$2"; shift ;;
    *) echo "$0: unknown option $1" >&2; exit 2 ;;
  esac
  shift
done
shift
mapfile -t numbers < <(printf %s "$input")
# A Windows program, named .exe or .cmd, ends its line in CR LF.
[[ $error && ${@: -1} =~ \.([Ee][Xx][Ee]|[Cc][Mm][Dd])$ ]] && error+=$'\r'
[[ $error ]] && error+=$'\n'

# Standard error goes to a file that is deleted at once, so none is left behind.
errors=$(mktemp)
exec {errors_out}>"$errors" {errors_in}<"$errors"
rm -f "$errors"
# SIGPIPE is ignored here, and so in the program: a write to a closed pipe fails, as on Windows.
trap '' PIPE
# Job control gives the program a process group of its own. The driver's EXIT trap kills that
# group, unless the driver itself is killed by SIGKILL.
set -m
coproc program { exec "$@" 2>&"$errors_out"; }
set +m
pid=$program_PID timer=''
trap 'kill -KILL -- -$pid $timer 2>/dev/null; wait 2>/dev/null' EXIT
# bash closes a coprocess's pipes when it ends, so the driver keeps copies.
exec {from_program}<&"${program[0]}" {to_program}>&"${program[1]}"
exec {program[0]}<&- {program[1]}>&-

fail() { printf '%s\n' "$@" >&2; exit 1; }
visible() { local t=${1//$'\r'/\\r}; t=${t//$'\n'/\\n}; printf '[%s]' "${t//$'\t'/\\t}"; }
same() { # WHAT ACTUAL EXPECTED
  [[ $2 == "$3" ]] || fail "$1 differs" "  expected: $(visible "$3")" "  actual:   $(visible "$2")"
}

prompt='Unesi broj: '
for i in 1 2 3 4 5; do
  # With -d '', a line end does not end the read, and a NUL byte, which bash would drop, does.
  IFS= read -r -d '' -n ${#prompt} -t "$deadline" got <&"$from_program"
  same "prompt $i, which must come within $deadline s," "$got" "$prompt"
  if ((i <= ${#numbers[@]})); then
    # The program must wait now: the read must time out empty.
    IFS= read -r -d '' -t "$wait" got <&"$from_program"
    (($? > 128)) && [[ ! $got ]] ||
      fail "the program did not wait for number $i after its prompt" "  came: $(visible "$got")"
    ((i == 5)) && [[ $close_output ]] && exec {from_program}<&-
    printf '%s\n' "${numbers[i - 1]}" >&"$to_program"
  fi
  ((i < ${#numbers[@]})) || exec {to_program}>&-
done

if [[ ! $close_output ]]; then
  # Read to the end of standard output, for which read returns 1.
  IFS= read -r -d '' -t "$deadline" got <&"$from_program"
  case $? in
    0) fail "standard output holds a NUL byte after $(visible "$got")" ;;
    1) ;;
    *) fail "standard output did not end within $deadline s after the fifth prompt" \
         "  so far: $(visible "$got")" ;;
  esac
  same "the listing" "$got" "$listing"
fi
# The program must end soon after its output: kill -0 fails once bash has reaped it.
sleep "$deadline" & timer=$!
while kill -0 "$pid" 2>/dev/null; do
  kill -0 "$timer" 2>/dev/null || fail "the program did not end within $deadline s after its output"
  sleep 0.05
done
wait "$pid"
same "the exit status" "$?" "$status"
# As bash strings hold no NUL byte, standard error is compared as od shows it.
same "standard error (od -c)" "$(od -An -c -v <&"$errors_in")" \
  "$(printf %s "$error" | od -An -c -v)"

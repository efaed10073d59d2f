#!/usr/bin/env bash
# Runs the program as a person at a console would, with its standard input and
# output as pipes: each number is written only once its prompt has come, and
# nothing more may come before it, so a prompt that is not visible while the
# program waits, or one shown before its time, fails the case.
#   run_paced_case.sh [options] -- COMMAND...
#   --input TEXT     one number a line; standard input is closed when they run out
#   --listing TEXT   what must follow the fifth prompt
#   --close-output   close standard output before the last number is written
#   --status N       expected exit status (0)
#   --error TEXT     expected line on standard error (none); from a program
#                    that ends in .exe or .cmd, in any case, it ends in CR LF
#   --deadline S     seconds to wait for each prompt, for the listing and for the end (5)
#   --wait S         seconds in which nothing may come after a prompt (0.1)
set -u
input='' listing='' close_output='' status=0 error='' deadline=5 wait=0.1
while [[ $1 != -- ]]; do
  case $1 in
    --input) input=$2; shift ;;
    --listing) listing=$2; shift ;;
    --close-output) close_output=yes ;;
    --status) status=$2; shift ;;
    --error) error=$2$'\n'; shift ;;
    --deadline) deadline=$2; shift ;;
    --wait) wait=$2; shift ;;
    *) echo "$0: unknown option $1" >&2; exit 2 ;;
  esac
  shift
done
shift
mapfile -t numbers < <(printf %s "$input")

# Standard error goes to a file that is removed at once, so that none is left
# behind even when the driver is killed.
errors=$(mktemp)
exec {errors_out}>"$errors" {errors_in}<"$errors"
rm -f "$errors"
# Neither side dies of a write to a closed pipe: the write fails instead, as it
# does on Windows, and the program must notice.
trap '' PIPE
# The program gets a process group of its own (job control is on while it
# starts), so that however the driver ends, but by SIGKILL, which it cannot
# catch, it ends the program and every process it started that stayed in its group.
set -m
coproc program { exec "$@" 2>&"$errors_out"; }
set +m
pid=$program_PID timer=''
trap 'kill -KILL -- -$pid $timer 2>/dev/null; wait 2>/dev/null' EXIT
# Own copies of the pipes: bash drops a coprocess's when it ends.
exec {from_program}<&"${program[0]}" {to_program}>&"${program[1]}"
exec {program[0]}<&- {program[1]}>&-

fail() { printf '%s\n' "$@" >&2; exit 1; }
# Line ends and tabs made visible, so that a difference in them shows.
visible() { local text=${1//$'\r'/\\r}; text=${text//$'\n'/\\n}; printf '[%s]' "${text//$'\t'/\\t}"; }

prompt='Unesi broj: '
for i in 1 2 3 4 5; do
  # A NUL byte ends the read, which bash would otherwise skip.
  IFS= read -r -d '' -n ${#prompt} -t "$deadline" got <&"$from_program"
  [[ $got == "$prompt" ]] ||
    fail "prompt $i differs, or did not come within $deadline s" "  expected: $(visible "$prompt")" "  actual:   $(visible "$got")"
  if ((i <= ${#numbers[@]})); then
    # The program must now be waiting for the number: nothing may come.
    IFS= read -r -d '' -t "$wait" got <&"$from_program"
    (($? > 128)) && [[ ! $got ]] ||
      fail "the program did not wait for number $i after its prompt" "  then came: $(visible "$got")"
    ((i == 5)) && [[ $close_output ]] && exec {from_program}<&-
    printf '%s\n' "${numbers[i - 1]}" >&"$to_program"
  fi
  ((i < ${#numbers[@]})) || exec {to_program}>&-
done

if [[ ! $close_output ]]; then
  # Everything up to the end of standard output.
  IFS= read -r -d '' -t "$deadline" got <&"$from_program"
  case $? in
    0) fail "standard output holds a NUL byte after $(visible "$got")" ;;
    1) ;;
    *) fail "standard output did not end within $deadline s after the fifth prompt" "  so far: $(visible "$got")" ;;
  esac
  [[ $got == "$listing" ]] ||
    fail "the listing differs" "  expected: $(visible "$listing")" "  actual:   $(visible "$got")"
fi
# The program must end soon after its output. bash reaps a child as it ends,
# and then no signal reaches its process ID.
sleep "$deadline" &
timer=$!
while kill -0 "$pid" 2>/dev/null; do
  kill -0 "$timer" 2>/dev/null || fail "the program did not end within $deadline s after its output"
  sleep 0.05
done
wait "$pid"
actual_status=$?
[[ $actual_status == "$status" ]] || fail "exit status differs" "  expected: [$status]" "  actual:   [$actual_status]"
[[ ${!#} =~ \.([Ee][Xx][Ee]|[Cc][Mm][Dd])$ && $error ]] && error=${error%$'\n'}$'\r\n'
# Standard error as od shows its bytes, NUL included.
actual_error=$(od -An -c -v <&"$errors_in")
[[ $actual_error == "$(printf %s "$error" | od -An -c -v)" ]] ||
  fail "standard error differs" "  expected: $(visible "$error")" "  actual, as od -c shows it:$actual_error"

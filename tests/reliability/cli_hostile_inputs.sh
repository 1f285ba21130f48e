#!/usr/bin/env bash
# varnesk-sim given what people type and the files they bring: each case ends with the
# windows' message and exit status 2, a population message naming the file and exit status 1,
# or a correct run; never a crash.
#   cli_hostile_inputs.sh SIM            texts for -n and -r, hostile population files
#   cli_hostile_inputs.sh SIM --semente  texts for -s
set -u
sim=$1
mode=${2:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0 cases=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# 2000 values from 0.5 to 10.
for i in $(seq 0 1999); do echo "$((i % 20 / 2)).$((i % 2 * 5))" | sed 's/^0\.0$/10.0/'; done > "$work/populacao.txt"

# run DESCRIPTION EXPECTED_STATUS EXPECTED_STDERR EXPECTED_LINES ARGS...
# EXPECTED_STDERR is a part of the message ("" for none); EXPECTED_LINES counts stdout lines.
run() {
  local what=$1 status=$2 message=$3 lines=$4
  shift 4
  cases=$((cases + 1))
  "$sim" "$@" >"$work/out" 2>"$work/err"
  local got=$?
  [ "$got" -eq "$status" ] || fail "$what: exit status $got, expected $status ($(head -c 200 "$work/err"))"
  if [ -n "$message" ]; then
    grep -qF -- "$message" "$work/err" || fail "$what: message '$(head -c 200 "$work/err")' lacks '$message'"
  elif [ -s "$work/err" ]; then
    fail "$what: unexpected message '$(head -c 200 "$work/err")'"
  fi
  local count
  count=$(wc -l <"$work/out")
  [ "$count" -eq "$lines" ] || fail "$what: $count lines of output, expected $lines"
  # A sanitizer report or a signal would show here before anything else.
  grep -qE 'Sanitizer|runtime error' "$work/err" && fail "$what: sanitizer report"
  return 0
}

pop=(-p "$work/populacao.txt" -s 1)
thousand=$(printf '7%.0s' $(seq 1000))
PT='Preencha o campo: Tamanho da Amostra!'
TG='Tamanho da Amostra muito Grande'
PR='Preencha o campo: Número de Repetições!'
RG='Número de Repetições muito Grande'

if [ "$mode" = --semente ]; then
  # A seed is a 64-bit unsigned whole number; anything else is a usage error, not another seed.
  while IFS='|' read -r seed status; do
    if [ "$status" -eq 0 ]; then
      run "-s '$seed'" 0 "" 3 -n 5 -r 3 --medias -p "$work/populacao.txt" -s "$seed"
    else
      run "-s '$seed'" 2 "--semente" 0 -n 5 -r 3 --medias -p "$work/populacao.txt" -s "$seed"
    fi
  done <<'CASES'
0|0
18446744073709551615|0
-1|2
18446744073709551616|2
99999999999999999999999|2
1e3|2
7abc|2
|2
CASES
else
  # Sample size (with 5 repetitions): status, message part, lines of the panel.
  while IFS='|' read -r text status message; do
    [ "$text" = THOUSAND ] && text=$thousand
    [ "$text" = MINUS_THOUSAND ] && text=-$thousand
    run "-n '${text:0:30}'" "$status" "$message" "$([ "$status" -eq 0 ] && echo 7 || echo 0)" \
      -n "$text" -r 5 "${pop[@]}"
  done <<CASES
|2|$PT
   |2|$PT
12abc|0|
1e3|0|
-5|2|$PT
0.5|2|$PT
1e309|2|$TG
99999999999999999999|2|$TG
THOUSAND|2|$TG
MINUS_THOUSAND|2|$PT
nan|2|$PT
0x10|2|$PT
2000|0|
2001|1|2000 valores
50001|2|$TG
CASES

  # Repetitions (sample size 5): status, message part, number of means printed.
  while IFS='|' read -r text status message means; do
    [ "$text" = THOUSAND ] && text=$thousand
    run "-r '${text:0:30}'" "$status" "$message" "$means" -n 5 -r "$text" --medias "${pop[@]}"
  done <<CASES
|2|$PR|0
   |2|$PR|0
12abc|0||12
1e3|0||1000
-5|2|$PR|0
0.5|2|$PR|0
1.9|0||1
1e309|2|$RG|0
99999999999999999999|2|$RG|0
THOUSAND|2|$RG|0
5000|0||5000
5000.5|2|$RG|0
CASES

  # Population files: status 1, the file named in the message.
  printf '' > "$work/vazio.txt"
  printf ' \n\r\n\t\n' > "$work/brancos.txt"
  printf '\xff\xfe1\x00.\x005\x00' > "$work/utf16.txt"
  printf '1.5\n\x00\x01\x02\n' > "$work/binario.txt"
  printf '1.5\nnan\n' > "$work/nan.txt"
  printf '1.5\n2\n1e400\n' > "$work/enorme.txt"
  mkdir "$work/pasta.txt"
  yes 2.5 | head -n 578001 > "$work/grande.txt"
  while IFS='|' read -r file message; do
    run "-p $file" 1 "$message" 0 -n 1 -r 5 -s 1 -p "$work/$file"
    grep -qF "$work/$file" "$work/err" || fail "-p $file: the message does not name the file"
  done <<'CASES'
nada.txt|Não foi possível abrir
pasta.txt|é uma pasta
vazio.txt|não tem nenhum valor
brancos.txt|não tem nenhum valor
utf16.txt|UTF-16
binario.txt|linha 2
nan.txt|linha 2: "nan"
enorme.txt|linha 3: "1e400"
grande.txt|mais de 578000 valores
CASES
  # Odd values the reader accepts: the histogram still counts every mean exactly once.
  while IFS='|' read -r name content; do
    printf -- "$content" > "$work/$name.txt"
    cases=$((cases + 1))
    total=$("$sim" -n 2 -r 500 -s 3 --histograma -p "$work/$name.txt" 2>"$work/err" |
            awk -F'\t' 'NR > 1 { sum += $3 } END { print sum + 0 }')
    [ "$total" -eq 500 ] || fail "--histograma on $name: $total means counted, expected 500 ($(head -c 200 "$work/err"))"
  done <<'CASES'
extremos|-1e6\n1e6\n-1e6\n1e6\n
negativos|-1e6\n-999999.99\n-3\n
repetido|2.5\n2.5\n2.5\n
subnormal|4.9e-324\n0\n-0\n
amplo|0.01\n99999\n0.02\n50000\n
CASES

  # The full population file loads.
  yes 2.5 | head -n 578000 > "$work/grande.txt"
  run "-p 578000 values" 0 "" 7 -n 1 -r 5 -s 1 -p "$work/grande.txt"
fi

[ "$failures" -eq 0 ] && echo "varnesk-sim: $cases hostile cases, all answered"
exit $((failures > 0))

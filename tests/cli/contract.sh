#!/usr/bin/env bash
# varnesk-sim's contract, end to end: exit codes, messages, output shape, reproducibility.
set -u
sim=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
check() {  # description, expected, actual
  if [ "$2" != "$3" ]; then
    echo "FAIL: $1"; echo "  expected: $2"; echo "  actual:   $3"; failures=$((failures + 1))
  fi
}
status() { "$@" >/dev/null 2>&1; echo $?; }

printf '1.5\n2.5\n3\n4\n4\n' > "$work/cinco.txt"

check "no options is a usage error" 2 "$(status "$sim")"
check "unknown option is a usage error" 2 "$(status "$sim" -n 5 -r 5 --nada)"
check "a seed that is no number is a usage error" 2 "$(status "$sim" -n 5 -r 5 -s abc)"
check "help" 0 "$(status "$sim" --help)"
check "version" 0 "$(status "$sim" --version)"

while IFS='|' read -r n r message; do
  check "message for -n '$n' -r '$r'" "$message" "$("$sim" -n "$n" -r "$r" -p "$work/cinco.txt" 2>&1 >/dev/null)"
  check "exit status for -n '$n' -r '$r'" 2 "$(status "$sim" -n "$n" -r "$r" -p "$work/cinco.txt")"
done <<'CASES'
0|10|Preencha o campo: Tamanho da Amostra!
|10|Preencha o campo: Tamanho da Amostra!
50001|10|Tamanho da Amostra muito Grande
5|0|Preencha o campo: Número de Repetições!
5|5001|Número de Repetições muito Grande
CASES

check "missing population" 1 "$(status "$sim" -n 5 -r 5 -p "$work/nada.txt")"
check "sample larger than the population" 1 "$(status "$sim" -n 6 -r 5 -p "$work/cinco.txt")"
case "$("$sim" -n 6 -r 5 -p "$work/cinco.txt" 2>&1)" in
  *"5 valores"*) ;; *) echo "FAIL: the refusal names the population size"; failures=$((failures + 1)) ;;
esac

expected='Mínimo: 3.000
Q1: 3.000
Mediana: 3.000
Q3: 3.000
Máximo: 3.000
Média: 3.000
dp: 0.000'
check "whole-population panel" "$expected" "$("$sim" -n 5 -r 20 -p "$work/cinco.txt")"
check "one mean: quartiles and dp undefined" "Mínimo: 3.000
Q1: -
Mediana: 3.000
Q3: -
Máximo: 3.000
Média: 3.000
dp: -" "$("$sim" -n 5 -r 1 -p "$work/cinco.txt")"

a=$("$sim" -n 1000 -r 300 -s 42)
b=$("$sim" -n 1000 -r 300 -s 42)
check "same seed, same panel" "$a" "$b"
check "panel has seven lines" 7 "$(printf '%s\n' "$a" | wc -l)"
check "means, one per drawn sample" 300 "$("$sim" -n 1000 -r 300.7 -s 42 --medias | wc -l)"
check "same seed, same means" "$("$sim" --tamanho 50 --repeticoes 40 --semente 9 --medias)" \
  "$("$sim" -n 50 -r 40 -s 9 --medias)"
check "means with nine significant digits" "3" "$("$sim" -n 5 -r 1 -p "$work/cinco.txt" --medias)"

# The histogram describes the same run as --medias: recount the means into its classes.
"$sim" -n 30 -r 500 -s 3 --medias > "$work/medias.txt"
"$sim" -n 30 -r 500 -s 3 --histograma > "$work/hist.txt"
check "histogram header" "classe	inicio	contagem" "$(head -1 "$work/hist.txt")"
recount=$(awk -F'\t' 'NR == FNR { if (FNR > 1) { start[FNR - 2] = $2; classes = FNR - 1 } next }
  { c = 0; for (i = 1; i < classes; i++) if ($1 + 0 >= start[i] + 0) c = i; count[c]++ }
  END { for (i = 0; i < classes; i++) printf "%d\t%s\t%d\n", i, start[i], count[i] + 0 }' \
  "$work/hist.txt" "$work/medias.txt")
check "histogram counts agree with the means" "$recount" "$(tail -n +2 "$work/hist.txt")"
check "counts add up to the repetitions" 500 "$(awk -F'\t' 'NR > 1 { s += $3 } END { print s }' "$work/hist.txt")"
check "--medias and --histograma together is a usage error" 2 "$(status "$sim" -n 5 -r 5 --medias --histograma)"

[ "$failures" -eq 0 ] && echo "cli contract: all checks passed"
exit $((failures > 0))

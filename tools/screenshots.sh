#!/usr/bin/env bash
# Screenshots of Varnesk's four windows for the README, taken from the real program on a
# virtual X display: the start screen, the configuration screen, the instant window after a
# run, its right-click menu and its zoomed view, the comparison of sample sizes and the
# step-by-step window after 150 clicks.
#
#   tools/screenshots.sh [program] [output folder]
#   (defaults: build/release/bin/varnesk and docs/screenshots)
#
# Not part of the tests. It needs xvfb, xdotool, ImageMagick and a small window manager
# (openbox, so that the windows get their title bars and the start screen can be maximized),
# and installs the ones that are missing with apt-get.
set -euo pipefail
cd "$(dirname "$0")/.."
programa=$(realpath "${1:-build/release/bin/varnesk}")
saida=${2:-docs/screenshots}

if [ -z "${VARNESK_TELA_VIRTUAL:-}" ]; then
  needed=(xvfb xauth xdotool imagemagick openbox)
  missing=()
  for p in "${needed[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
  [ -x "$programa" ] || { echo "program not found: $programa (build it first: cmake --build --preset release)" >&2; exit 1; }
  mkdir -p "$saida"
  exec env VARNESK_TELA_VIRTUAL=1 xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$0" "$programa" "$saida"
fi

openbox >/dev/null 2>&1 &
gerenciador=$!
sleep 1
"$programa" >/dev/null 2>&1 &
varnesk=$!
trap 'kill "$varnesk" "$gerenciador" 2>/dev/null || true' EXIT

janela() {  # waits for the visible window whose caption matches, prints its id
  xdotool search --sync --onlyvisible --name "$1" | tail -n 1
}

clicar() {  # window, then a control's box in twips in the window's client area: its centre
  local id=$1 left=$2 top=$3 width=$4 height=$5
  xdotool mousemove --window "$id" $(((2 * left + width) / 30)) $(((2 * top + height) / 30)) click 1
}

fotografar() {
  sleep 1
  import -window root "$saida/$1.png"
  echo "$saida/$1.png"
}

inicio=$(janela 'Estimativa Amostral da Taxa')
fotografar 1-inicio

# Iniciar Simulação: Frame2 is centred on the 1024-pixel screen, (15360 - 5475) / 2 twips.
clicar "$inicio" $((4942 + 735)) $((6330 + 435)) 1725 450
configuracao=$(janela '^Configuração$')
# Samples of 10 and 1000 repetitions: a wide histogram, with dots large enough to see.
clicar "$configuracao" $((135 + 2055)) $((120 + 300)) 735 285
xdotool key --window "$configuracao" ctrl+a
xdotool type --window "$configuracao" 10
clicar "$configuracao" $((135 + 5025)) $((120 + 300)) 735 285
xdotool key --window "$configuracao" ctrl+a
xdotool type --window "$configuracao" 1000
fotografar 2-configuracao

clicar "$configuracao" $((135 + 450)) $((1050 + 405)) 1320 405  # Instantâneo
instantanea=$(janela 'Tempo Real$')
clicar "$instantanea" $((75 + 7680)) $((60 + 150)) 1200 525     # Simular
fotografar 3-instantanea

# The teacher's menu, with the normal curve of theory shown (N); then the window zoomed.
xdotool key --window "$instantanea" n
xdotool mousemove --window "$instantanea" 420 420 click 3
fotografar 5-menu
xdotool key Escape
xdotool key --window "$instantanea" ctrl+plus
fotografar 7-ampliada
xdotool key --window "$instantanea" ctrl+0 n

clicar "$instantanea" $((75 + 9210)) $((60 + 150)) 1185 525     # Encerrar/ Configurar
sleep 1
xdotool key --window "$configuracao" ctrl+t                     # Comparar tamanhos de amostra
comparacao=$(janela '^Comparar tamanhos de amostra$')
xdotool key --window "$comparacao" Return
fotografar 6-comparar
xdotool windowactivate --sync "$comparacao" key alt+F4
sleep 1
# 200 repetitions: the Y axis then fits the first 200 means, and the dots stay large.
clicar "$configuracao" $((135 + 5025)) $((120 + 300)) 735 285
xdotool key --window "$configuracao" ctrl+a
xdotool type --window "$configuracao" 200
clicar "$configuracao" $((135 + 2250)) $((1050 + 420)) 1350 405 # Passo a Passo
passo=$(janela 'Passo a Passo\)$')
sleep 1
for _ in $(seq 150); do
  clicar "$passo" $((75 + 7680)) $((60 + 165)) 1200 510         # Simular
done
fotografar 4-passo-a-passo

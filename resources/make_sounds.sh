#!/usr/bin/env bash
# Makes the program's sound clips in resources/sounds: water, sail, rope and signal noises with
# sox, the crew's calls with espeak-ng's Japanese voice. Every clip is mono, 16-bit, 22050 Hz.
# No clip is louder than the start gun (132), neither in peak nor in RMS level.
# Needs: sox, espeak-ng.
set -euo pipefail
cd "$(dirname "$0")/sounds"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
out=(-r 22050 -c 1 -b 16)

# A noise source of LENGTH seconds, shaped by the sox effects that follow.
noise() { local kind=$1 len=$2 file=$3; shift 3; sox -n "${out[@]}" "$file" synth "$len" "$kind" "$@"; }

# Guns: a sharp bang driven hard, its echo off the water, a low thump under it.
gun() {
  local file=$1 len=$2 low=$3
  noise whitenoise 0.25 "$tmp/bang.wav" lowpass 4000 overdrive 30 fade q 0.001 0.25 0.24
  noise sine 0.3 "$tmp/thump.wav" "$low" fade l 0.001 0.3 0.28
  sox -m "$tmp/bang.wav" "$tmp/thump.wav" "$tmp/shot.wav"
  sox "$tmp/shot.wav" "${out[@]}" "$file" pad 0 "$len" reverb 40 50 70 trim 0 "$len" fade t 0 "$len" 0.5 norm -1
}
gun 132.wav 1.2 70
gun shot.wav 1.1 90

# Horns: a ship's long blast for a vessel closing in; a short toot for every later finisher.
noise sawtooth 1.5 147.wav 110 fade h 0.08 1.5 0.25 lowpass 900 norm -6
sox -n "${out[@]}" "$tmp/toot_a.wav" synth 0.6 square 440 fade h 0.02 0.6 0.1
sox -n "${out[@]}" "$tmp/toot_b.wav" synth 0.6 square 554 fade h 0.02 0.6 0.1
sox -m "$tmp/toot_a.wav" "$tmp/toot_b.wav" 150.wav lowpass 2500 norm -8

# The system beep.
noise sine 0.15 beep.wav 880 fade t 0.005 0.15 0.03 norm -12

# The background: wind over the water and the wash along the hull, swelling and fading.
noise brownnoise 3.0 131.wav tremolo 0.7 60 lowpass 900 fade h 0.6 3.0 1.0 norm -14

# Water: a slap on the bow, the rush of the bow wave at speed, its quieter variants.
noise brownnoise 0.45 139.wav sinc 200-1800 fade l 0.003 0.45 0.4 norm -6
noise pinknoise 1.2 141.wav sinc 400-4500 tremolo 1.6 50 fade h 0.25 1.2 0.4 norm -10
noise pinknoise 1.0 142.wav sinc 300-3000 tremolo 1.2 40 fade h 0.25 1.0 0.35 norm -13
noise brownnoise 1.0 143.wav sinc 250-2500 tremolo 0.9 45 fade h 0.3 1.0 0.35 norm -12

# Sails: a luffing main flutters; backwinded hard it flogs in heavy slaps.
noise pinknoise 0.8 133.wav sinc 300-3500 tremolo 14 90 fade h 0.05 0.8 0.2 norm -12
noise pinknoise 0.9 134.wav sinc 250-3000 tremolo 11 90 fade h 0.05 0.9 0.2 norm -12
noise brownnoise 1.2 135.wav sinc 120-2500 tremolo 6 100 fade h 0.05 1.2 0.25 norm -8
noise brownnoise 1.1 136.wav sinc 120-2500 tremolo 4.5 100 fade h 0.05 1.1 0.25 norm -8

# Rope and blocks: a winch's ratchet clicks as the sheet comes in; the sheet runs out through
# its block when eased; one block click when a control is let go.
noise whitenoise 0.008 "$tmp/click.wav" highpass 1800 fade l 0 0.008 0.007
sox "$tmp/click.wav" "$tmp/tick.wav" pad 0 0.055
sox "$tmp/tick.wav" 137.wav repeat 7 norm -10
noise whitenoise 0.5 138.wav sinc 1200-5000 tremolo 35 60 fade t 0.01 0.5 0.35 norm -14
sox "$tmp/click.wav" 149.wav pad 0 0.04 lowpass 4000 norm -12

# The helm goes down: the rudder swishes hard over and the boat starts to turn.
noise pinknoise 0.9 155.wav sinc 200-2000 tremolo 2.5 50 fade h 0.3 0.9 0.5 norm -10

# A wave breaks over the bow: a crash of spray, the sails shaking as the boat comes through.
noise whitenoise 1.2 "$tmp/crash.wav" sinc 300-6000 fade l 0.005 1.2 1.1
noise brownnoise 1.2 "$tmp/shake.wav" sinc 150-2000 tremolo 7 80 fade h 0.1 1.2 0.4
sox -m "$tmp/crash.wav" "$tmp/shake.wav" 162.wav norm -6

# The crew's calls, spoken by espeak-ng's Japanese voice (kana: it reads no kanji).
say() {
  local file=$1 text=$2
  espeak-ng -v ja -s 190 -p 55 -a 180 -w "$tmp/say.wav" "$text"
  sox "$tmp/say.wav" "${out[@]}" "$file" highpass 120 silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse \
    pad 0.02 0.05 norm -3
}
say 144.wav "ペナルティー！"
say 145.wav "タック！"
say 146.wav "やった、せいこう！"
say 151.wav "スターボー！ポートがさけて！"
say 152.wav "かざかみていわ、さけて！"
say 154.wav "うわっ、ちんだ！"
say 156.wav "ジャイブ！"

# Nothing louder than the start gun: a clip above its RMS level is turned down to it.
rms() { sox "$1" -n stat 2>&1 | awk '/RMS +amplitude/ {print $3}'; }
gun_rms=$(rms 132.wav)
for f in *.wav; do
  [ "$f" = 132.wav ] && continue
  r=$(rms "$f")
  if awk -v r="$r" -v g="$gun_rms" 'BEGIN { exit !(r > g) }'; then
    sox "$f" "$tmp/quiet.wav" vol "$(awk -v r="$r" -v g="$gun_rms" 'BEGIN { printf "%.4f", g / r * 0.95 }')"
    mv "$tmp/quiet.wav" "$f"
  fi
done

#!/usr/bin/env bash
# Makes the program's sound files (mono, 22 050 Hz, 16-bit PCM WAV) into data/media/sounds/:
# German speech with espeak-ng and short noises synthesised with sox. The results are kept in the
# repository (the build copies them into DATEN); run this again after changing a text or a noise.
set -euo pipefail
cd "$(dirname "$0")/.."
out=data/media/sounds
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

FORMAT=(-r 22050 -c 1 -b 16 -e signed-integer)

# speak NUMBER TEXT: a calm German voice, trimmed, evened out and with a short tail of silence.
speak() {
    espeak-ng -v de -s 148 -p 46 -a 150 -w "$work/raw.wav" "$2"
    sox "$work/raw.wav" "${FORMAT[@]}" "$out/$1.WAV" highpass 90 treble -3 silence 1 0.02 0.5% reverse \
        silence 1 0.02 0.5% reverse norm -2 pad 0.03 0.12
}

# note FILE SECONDS FREQUENCY VOLUME: a bell-like tone (fundamental, octave and a fifth above)
# that dies away.
note() {
    sox -n "${FORMAT[@]}" "$work/a.wav" synth "$2" sine "$3" fade q 0.004 "$2" "$2"
    sox -n "${FORMAT[@]}" "$work/b.wav" synth "$2" sine "$(awk "BEGIN { print $3 * 2 }")" fade q 0.004 "$2" "$2"
    sox -n "${FORMAT[@]}" "$work/c.wav" synth "$2" sine "$(awk "BEGIN { print $3 * 3 }")" fade q 0.002 "$2" "$2"
    sox -m -v 0.6 "$work/a.wav" -v 0.25 "$work/b.wav" -v 0.1 "$work/c.wav" "$work/mix.wav"
    sox "$work/mix.wav" "$1" fade p 0 "$2" "$(awk "BEGIN { print $2 * 0.95 }")" vol "$4"
}

# later FILE SECONDS: the file delayed by the given time.
later() {
    sox "$1" "$work/later-$(basename "$1")" pad "$2" 0
    echo "$work/later-$(basename "$1")"
}

finish() {
    sox "$1" "${FORMAT[@]}" "$out/$2.WAV" norm -3 pad 0 0.05
}

# 1: found something - a rising chime.
note "$work/n1.wav" 0.45 880 1
note "$work/n2.wav" 0.6 1318.5 1
sox -m "$work/n1.wav" "$(later "$work/n2.wav" 0.11)" "$work/s1.wav"
finish "$work/s1.wav" 1

# 2: nothing found - two soft falling notes, muffled.
note "$work/n1.wav" 0.3 659.3 1
note "$work/n2.wav" 0.5 523.3 1
sox -m "$work/n1.wav" "$(later "$work/n2.wav" 0.16)" "$work/s2.wav" lowpass 1800
finish "$work/s2.wav" 2

# 3: cleared - a short airy sweep.
sox -n "${FORMAT[@]}" "$work/s3.wav" synth 0.45 pinknoise sinc 400-5000 fade h 0.12 0.45 0.3 tremolo 3 20
finish "$work/s3.wav" 3

# 6: mark set or cleared - the ting of a spoon on a glass.
note "$work/s6.wav" 0.35 2093 1
finish "$work/s6.wav" 6

# 8: the home bar - two glasses touching.
note "$work/g1.wav" 0.5 2637 1
note "$work/g2.wav" 0.55 2793.8 0.8
sox -m "$work/g1.wav" "$(later "$work/g2.wav" 0.07)" "$work/s8.wav"
finish "$work/s8.wav" 8

# 9: the quantity calculator - keys of an adding machine and a small bell.
sox -n "${FORMAT[@]}" "$work/k.wav" synth 0.018 square 1900 lowpass 3000 fade q 0.001 0.018 0.012
sox "$work/k.wav" "$work/gap.wav" trim 0 0 pad 0 0.06
sox "$work/k.wav" "$work/gap.wav" "$work/k.wav" "$work/gap.wav" "$work/k.wav" "$work/gap.wav" "$work/k.wav" \
    "$work/keys.wav" pad 0 0.05
note "$work/bell.wav" 0.35 1760 0.7
sox "$work/keys.wav" "$work/bell.wav" "$work/s9.wav"
finish "$work/s9.wav" 9

# 30: drinks found by the cocktail assistant - a bright arpeggio.
note "$work/a1.wav" 0.5 523.3 1
note "$work/a2.wav" 0.5 659.3 1
note "$work/a3.wav" 0.5 784 1
note "$work/a4.wav" 0.8 1046.5 1
sox -m "$work/a1.wav" "$(later "$work/a2.wav" 0.09)" "$(later "$work/a3.wav" 0.18)" "$(later "$work/a4.wav" 0.27)" \
    "$work/s30.wav"
finish "$work/s30.wav" 30

# 31: printing - two bursts of a needle printer's head.
sox -n "${FORMAT[@]}" "$work/burst.wav" synth 0.32 whitenoise sinc 1500-6000 tremolo 48 95 fade q 0.01 0.32 0.03
sox "$work/burst.wav" "$work/pause.wav" trim 0 0 pad 0 0.12
sox "$work/burst.wav" "$work/pause.wav" "$work/burst.wav" "$work/s31.wav" vol 0.6
finish "$work/s31.wav" 31

# Speech of the cocktail assistant's pages.
speak 13 "Der Cocktailassistent wird Ihnen auf den folgenden Seiten einige Fragen stellen und Ihnen auf diese Weise bei der Auswahl von Drinks helfen. Klicken Sie auf Weiter, um zur ersten Frage zu gelangen."
speak 11 "Zu welchem Anlass möchten Sie Drinks anbieten?"
speak 14 "Welche Geschmacksrichtung bevorzugen Sie?"
speak 10 "Möchten Sie Drinks mit Alkohol oder ohne?"
speak 18 "Möchten Sie viel oder wenig trinken?"
speak 12 "Klicken Sie nun auf Start, und der Cocktailassistent sucht nach passenden Drinks. Die Rezeptliste enthält dann die Vorschläge, die nach Ihren Wünschen zusammengestellt wurden."

# Speech of the blood alcohol assistant.
speak 15 "Wählen Sie links ein Getränk aus, geben Sie die Menge an und klicken Sie auf Hinzufügen. Das wiederholen Sie für jedes Getränk, das Sie getrunken haben."
speak 17 "Das Körpergewicht steht in direktem Zusammenhang mit der Blutmenge und ist für die Berechnung des Blutalkoholwertes unbedingt erforderlich."
speak 19 "Geben Sie den Zeitraum ein, in dem Sie ohne Trinkpausen von mehr als ein bis zwei Stunden die angegebenen Getränke konsumiert haben."
speak 7 "Sie haben noch keine Getränke eingegeben."
speak 16 "Ihr Blutalkoholwert beträgt etwa"
speak 4 "Komma"
speak 5 "Promille"
digits=(null eins zwei drei vier fünf sechs sieben acht neun)
for d in "${!digits[@]}"; do
    speak $((20 + d)) "${digits[$d]}"
done

ls "$out"

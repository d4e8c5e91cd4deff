#include "BossaTune.h"

#include <QHash>
#include <QStringList>

#include <array>
#include <stdexcept>

namespace {

constexpr int kBar = 4 * BossaTune::kTicksPerQuarter;
constexpr int kEighth = BossaTune::kTicksPerQuarter / 2;

// Channels and General MIDI programs (0-based).
enum Channel { Flute, Vibes, Guitar, Bass, Pad, Drums = 9 };

struct Chord {
    int bass;
    int fifth;
    std::array<int, 4> voicing;
};

// Close, guitar-friendly voicings around middle C; the bass takes root and fifth.
const QHash<QString, Chord>& chords() {
    static const QHash<QString, Chord> table = {{QStringLiteral("Fmaj9"), {41, 48, {57, 64, 67, 72}}},
                                                {QStringLiteral("Fmaj7"), {41, 48, {53, 57, 60, 64}}},
                                                {QStringLiteral("Am7"), {45, 52, {55, 60, 64, 69}}},
                                                {QStringLiteral("Am9"), {45, 52, {55, 60, 64, 71}}},
                                                {QStringLiteral("D7b9"), {38, 45, {54, 60, 63, 69}}},
                                                {QStringLiteral("D7"), {38, 45, {54, 60, 64, 69}}},
                                                {QStringLiteral("Gm9"), {43, 50, {58, 62, 65, 69}}},
                                                {QStringLiteral("Gm7"), {43, 50, {58, 62, 65, 67}}},
                                                {QStringLiteral("C13"), {36, 43, {52, 58, 62, 69}}},
                                                {QStringLiteral("C7"), {36, 43, {52, 58, 62, 67}}},
                                                {QStringLiteral("C7sus4"), {36, 43, {53, 58, 62, 67}}},
                                                {QStringLiteral("Bbmaj9"), {46, 41, {57, 62, 65, 72}}},
                                                {QStringLiteral("Eb9"), {39, 46, {55, 61, 65, 70}}}};
    return table;
}

// One entry per bar; two chords share a bar half and half.
const QStringList& intro() {
    static const QStringList bars = {QStringLiteral("Gm9"), QStringLiteral("C13"), QStringLiteral("Fmaj9"),
                                     QStringLiteral("C7sus4 C7")};
    return bars;
}

QStringList sectionA(const QString& lastBar) {
    return {QStringLiteral("Fmaj9"), QStringLiteral("Fmaj9"), QStringLiteral("Am7"),   QStringLiteral("D7b9"),
            QStringLiteral("Gm9"),   QStringLiteral("C13"),   QStringLiteral("Fmaj7"), lastBar};
}

const QStringList& sectionB() {
    static const QStringList bars = {QStringLiteral("Bbmaj9"), QStringLiteral("Eb9"),   QStringLiteral("Am9"),
                                     QStringLiteral("D7b9"),   QStringLiteral("Gm9"),   QStringLiteral("C13"),
                                     QStringLiteral("Am7 D7"), QStringLiteral("Gm7 C7")};
    return bars;
}

// The tune, eight bars a phrase.
const QString kThemeA = QStringLiteral("r:0.5 C5:0.5 E5:1 D5:0.5 C5:0.5 A4:1 | G4:1.5 A4:0.5 C5:2 | "
                                       "r:0.5 E5:0.5 G5:1 F5:0.5 E5:0.5 C5:1 | Eb5:1.5 D5:0.5 C5:1 A4:1 | "
                                       "r:0.5 D5:0.5 F5:1 E5:0.5 D5:0.5 Bb4:1 | A4:1.5 G4:0.5 E4:1 G4:1 | "
                                       "A4:1 G4:0.5 A4:2.5 | r:2.5 G4:0.5 A4:0.5 Bb4:0.5");
const QString kThemeA2 = QStringLiteral("r:0.5 C5:0.5 E5:1 D5:0.5 C5:0.5 A4:1 | G4:1.5 A4:0.5 C5:2 | "
                                        "r:0.5 E5:0.5 G5:1 F5:0.5 E5:0.5 C5:1 | Eb5:1.5 D5:0.5 C5:1 A4:1 | "
                                        "r:0.5 D5:0.5 F5:1 A5:1 G5:1 | F5:0.5 E5:0.5 D5:1 C5:1 Bb4:1 | "
                                        "A4:1.5 C5:0.5 F5:2 | E5:2 r:2");
const QString kThemeA3 = QStringLiteral("r:0.5 C5:0.5 E5:1 D5:0.5 C5:0.5 A4:1 | G4:1.5 A4:0.5 C5:2 | "
                                        "r:0.5 E5:0.5 G5:1 F5:0.5 E5:0.5 C5:1 | Eb5:1.5 D5:0.5 C5:1 A4:1 | "
                                        "r:0.5 D5:0.5 F5:1 A5:1 G5:1 | F5:0.5 E5:0.5 D5:1 C5:1 Bb4:1 | "
                                        "A4:1.5 C5:0.5 F5:2 | r:1 C5:0.5 A4:0.5 G4:2");
const QString kThemeB = QStringLiteral("D5:1 F5:1 A5:1.5 G5:0.5 | F5:3 r:1 | "
                                       "r:0.5 B4:0.5 C5:0.5 E5:0.5 G5:1.5 E5:0.5 | F#5:2 Eb5:1 C5:1 | "
                                       "r:0.5 A4:0.5 Bb4:0.5 D5:0.5 F5:1.5 D5:0.5 | E5:2 A4:1 Bb4:1 | "
                                       "C5:1 E5:1 D5:1 F#4:1 | G4:1 Bb4:1 A4:0.5 G4:0.5 E4:1");

qint64 ticks(double beats) {
    return qint64(beats * BossaTune::kTicksPerQuarter + 0.5);
}

class Arranger {
public:
    Arranger() : m_midi(BossaTune::kTicksPerQuarter) {
        m_midi.tempo(0, BossaTune::kBeatsPerMinute);
        m_midi.timeSignature(0, 4, 2);
        m_tracks = {m_midi.addTrack("Floete"), m_midi.addTrack("Vibraphon"), m_midi.addTrack("Gitarre"),
                    m_midi.addTrack("Bass"),   m_midi.addTrack("Flaeche"),   m_midi.addTrack("Percussion")};
        setUp(Flute, 73, 96, 70, 60);
        setUp(Vibes, 11, 92, 84, 55);
        setUp(Guitar, 24, 88, 44, 40);
        setUp(Bass, 32, 104, 64, 25);
        setUp(Pad, 89, 52, 64, 70);
        setUp(Drums, 0, 78, 64, 35);
    }

    void harmony(int firstBar, const QStringList& bars, bool drums, bool pad) {
        for (int i = 0; i < bars.size(); ++i) {
            const qint64 start = qint64(firstBar + i) * kBar;
            const QStringList names = bars.at(i).split(QLatin1Char(' '));
            bass(start, names);
            guitar(start, firstBar + i, names);
            if (pad)
                padChords(start, names);
            if (drums)
                percussion(start, firstBar + i);
            else
                shaker(start);
        }
    }

    void melody(int channel, int firstBar, const QString& text, int transpose, int velocity) {
        QString flat = text;
        flat.replace(QLatin1Char('|'), QLatin1Char(' '));
        const qint64 start = qint64(firstBar) * kBar;
        int index = 0;
        for (const BossaTune::Note& n : BossaTune::parseMelody(flat)) {
            // Accents on the beat, softer passing notes: the phrase breathes.
            const bool onBeat = n.beat == double(int(n.beat));
            const int v = velocity + (onBeat ? 6 : 0) - (n.length < 1 ? 6 : 0) + (index++ % 3 == 0 ? 3 : 0);
            const qint64 length = ticks(n.length) - kEighth / 8;
            m_midi.note(trackOf(channel), channel, start + ticks(n.beat), length, n.key + transpose,
                        qBound(1, v, 127));
        }
    }

    MidiFile result() {
        m_midi.setEnd(qint64(BossaTune::kBars) * kBar);
        return m_midi;
    }

private:
    int trackOf(int channel) const {
        switch (channel) {
        case Flute:
            return m_tracks[0];
        case Vibes:
            return m_tracks[1];
        case Guitar:
            return m_tracks[2];
        case Bass:
            return m_tracks[3];
        case Pad:
            return m_tracks[4];
        default:
            return m_tracks[5];
        }
    }

    void setUp(int channel, int program, int volume, int pan, int reverb) {
        const int track = trackOf(channel);
        if (channel != Drums)
            m_midi.program(track, channel, 0, program);
        m_midi.controller(track, channel, 0, 7, volume);
        m_midi.controller(track, channel, 0, 10, pan);
        m_midi.controller(track, channel, 0, 91, reverb);
        m_midi.controller(track, channel, 0, 93, channel == Guitar || channel == Pad ? 30 : 0);
    }

    static const Chord& chord(const QString& name) {
        const auto it = chords().constFind(name);
        if (it == chords().constEnd())
            throw std::invalid_argument("unknown chord " + name.toStdString());
        return *it;
    }

    // Root for a dotted quarter, fifth on the "and" of two, fifth on three, a pickup on the "and" of four.
    void bass(qint64 start, const QStringList& names) {
        const int track = trackOf(Bass);
        if (names.size() == 1) {
            const Chord& c = chord(names.at(0));
            m_midi.note(track, Bass, start, 3 * kEighth - 20, c.bass, 96);
            m_midi.note(track, Bass, start + 3 * kEighth, kEighth - 20, c.fifth, 70);
            m_midi.note(track, Bass, start + 4 * kEighth, 3 * kEighth - 20, c.fifth, 88);
            m_midi.note(track, Bass, start + 7 * kEighth, kEighth - 20, c.bass, 66);
            return;
        }
        for (int half = 0; half < 2; ++half) {
            const Chord& c = chord(names.at(half));
            const qint64 at = start + half * 4 * kEighth;
            m_midi.note(track, Bass, at, 3 * kEighth - 20, c.bass, half == 0 ? 96 : 88);
            m_midi.note(track, Bass, at + 3 * kEighth, kEighth - 20, c.fifth, 68);
        }
    }

    // The two-bar bossa figure: hits on eighths 0, 3, 6 of the first bar and 2, 5 of the second,
    // each chord rolled a little from the lowest string up.
    void guitar(qint64 start, int bar, const QStringList& names) {
        static const std::array<int, 3> first = {0, 3, 6};
        static const std::array<int, 2> second = {2, 5};
        QList<int> hits;
        if (bar % 2 == 0)
            hits = {first.begin(), first.end()};
        else
            hits = {second.begin(), second.end()};
        for (int hit : hits) {
            const Chord& c = chord(names.size() > 1 && hit >= 4 ? names.at(1) : names.at(0));
            const qint64 at = start + qint64(hit) * kEighth;
            const int velocity = hit == 0 ? 72 : 62;
            for (std::size_t i = 0; i < c.voicing.size(); ++i)
                m_midi.note(trackOf(Guitar), Guitar, at + qint64(i) * 12, 2 * kEighth - 40, c.voicing[i],
                            velocity - int(i) * 3);
        }
    }

    void padChords(qint64 start, const QStringList& names) {
        const qint64 length = 8 * kEighth / names.size();
        for (int i = 0; i < names.size(); ++i) {
            const Chord& c = chord(names.at(i));
            for (int key : c.voicing)
                m_midi.note(trackOf(Pad), Pad, start + i * length, length - 30, key, 40);
        }
    }

    void shaker(qint64 start) {
        for (int e = 0; e < 8; ++e)
            m_midi.note(trackOf(Drums), Drums, start + e * kEighth, kEighth / 2, 70, e % 2 == 1 ? 52 : 34);
    }

    // Cross-stick on the bossa clave (3-2 over two bars), soft kick on one and three, shaker eighths.
    void percussion(qint64 start, int bar) {
        shaker(start);
        const int track = trackOf(Drums);
        static const std::array<int, 3> claveFirst = {0, 3, 6};
        static const std::array<int, 2> claveSecond = {2, 5};
        if (bar % 2 == 0) {
            for (int e : claveFirst)
                m_midi.note(track, Drums, start + e * kEighth, kEighth / 2, 37, 70);
        } else {
            for (int e : claveSecond)
                m_midi.note(track, Drums, start + e * kEighth, kEighth / 2, 37, 66);
        }
        m_midi.note(track, Drums, start, kEighth, 36, 72);
        m_midi.note(track, Drums, start + 3 * kEighth, kEighth / 2, 36, 44);
        m_midi.note(track, Drums, start + 4 * kEighth, kEighth, 36, 64);
        m_midi.note(track, Drums, start + 7 * kEighth, kEighth / 2, 36, 40);
    }

    MidiFile m_midi;
    std::array<int, 6> m_tracks{};
};

} // namespace

int BossaTune::keyOf(const QString& name) {
    static const QHash<QChar, int> steps = {
        {QLatin1Char('C'), 0}, {QLatin1Char('D'), 2}, {QLatin1Char('E'), 4}, {QLatin1Char('F'), 5},
        {QLatin1Char('G'), 7}, {QLatin1Char('A'), 9}, {QLatin1Char('B'), 11}};
    if (name.size() < 2 || !steps.contains(name.at(0)))
        throw std::invalid_argument("bad note name " + name.toStdString());
    int key = steps.value(name.at(0));
    int pos = 1;
    if (name.at(pos) == QLatin1Char('#')) {
        ++key;
        ++pos;
    } else if (name.at(pos) == QLatin1Char('b')) {
        --key;
        ++pos;
    }
    bool ok = false;
    const int octave = name.mid(pos).toInt(&ok);
    if (!ok)
        throw std::invalid_argument("bad note name " + name.toStdString());
    return 12 * (octave + 1) + key;
}

QList<BossaTune::Note> BossaTune::parseMelody(const QString& text) {
    QList<Note> notes;
    double beat = 0;
    for (const QString& token : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList parts = token.split(QLatin1Char(':'));
        bool ok = false;
        const double length = parts.size() == 2 ? parts.at(1).toDouble(&ok) : 0;
        if (!ok || length <= 0)
            throw std::invalid_argument("bad melody token " + token.toStdString());
        if (parts.at(0) != QStringLiteral("r"))
            notes.append(Note{beat, length, keyOf(parts.at(0))});
        beat += length;
    }
    return notes;
}

MidiFile BossaTune::compose() {
    Arranger a;
    // Form: intro 4, A 8, A2 8, B 8, A2 8 (flute); B 8 on vibraphone; A3 8 on both, ending in
    // the turnaround that leads back into the intro.
    a.harmony(0, intro(), false, false);
    a.harmony(4, sectionA(QStringLiteral("C7")), true, false);
    a.harmony(12, sectionA(QStringLiteral("Fmaj7")), true, false);
    a.harmony(20, sectionB(), true, true);
    a.harmony(28, sectionA(QStringLiteral("Fmaj7")), true, false);
    a.harmony(36, sectionB(), true, true);
    a.harmony(44, sectionA(QStringLiteral("Gm7 C7")), true, true);
    a.melody(Flute, 4, kThemeA, 0, 84);
    a.melody(Flute, 12, kThemeA2, 0, 84);
    a.melody(Flute, 20, kThemeB, 0, 86);
    a.melody(Flute, 28, kThemeA2, 0, 82);
    a.melody(Vibes, 36, kThemeB, 0, 80);
    a.melody(Vibes, 44, kThemeA3, 0, 78);
    a.melody(Flute, 44, kThemeA3, 12, 62);
    return a.result();
}

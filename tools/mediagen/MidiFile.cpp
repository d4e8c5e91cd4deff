#include "MidiFile.h"

#include <algorithm>
#include <stdexcept>

QByteArray MidiFile::variableLength(quint32 value) {
    if (value > 0x0fffffffu)
        throw std::invalid_argument("MIDI delta time too large");
    QByteArray out;
    out.prepend(char(value & 0x7f));
    value >>= 7;
    while (value > 0) {
        out.prepend(char(0x80 | (value & 0x7f)));
        value >>= 7;
    }
    return out;
}

int MidiFile::addTrack(const QByteArray& name) {
    m_tracks.append(Track{});
    const int number = int(m_tracks.size() - 1);
    add(number, 0, 1, QByteArray("\xff\x03", 2) + variableLength(quint32(name.size())) + name);
    return number;
}

void MidiFile::add(int track, qint64 tick, int order, const QByteArray& bytes) {
    if (track < 0 || track >= m_tracks.size() || tick < 0)
        throw std::invalid_argument("MIDI event outside the file");
    m_tracks[track].events.append(Event{tick, order, bytes});
    m_end = std::max(m_end, tick);
}

void MidiFile::setEnd(qint64 tick) {
    if (tick < m_end)
        throw std::invalid_argument("MIDI event after the end of the piece");
    m_end = tick;
}

void MidiFile::tempo(qint64 tick, int beatsPerMinute) {
    const int micros = 60000000 / beatsPerMinute;
    QByteArray bytes("\xff\x51\x03", 3);
    bytes.append(char((micros >> 16) & 0xff));
    bytes.append(char((micros >> 8) & 0xff));
    bytes.append(char(micros & 0xff));
    add(0, tick, 1, bytes);
}

void MidiFile::timeSignature(qint64 tick, int numerator, int denominatorPower) {
    QByteArray bytes("\xff\x58\x04", 3);
    bytes.append(char(numerator));
    bytes.append(char(denominatorPower));
    bytes.append(char(24));
    bytes.append(char(8));
    add(0, tick, 1, bytes);
}

void MidiFile::program(int track, int channel, qint64 tick, int number) {
    QByteArray bytes;
    bytes.append(char(0xc0 | (channel & 0x0f)));
    bytes.append(char(number & 0x7f));
    add(track, tick, 1, bytes);
}

void MidiFile::controller(int track, int channel, qint64 tick, int number, int value) {
    QByteArray bytes;
    bytes.append(char(0xb0 | (channel & 0x0f)));
    bytes.append(char(number & 0x7f));
    bytes.append(char(value & 0x7f));
    add(track, tick, 1, bytes);
}

void MidiFile::note(int track, int channel, qint64 start, qint64 length, int key, int velocity) {
    if (length <= 0 || key < 0 || key > 127 || velocity < 1 || velocity > 127)
        throw std::invalid_argument("invalid MIDI note");
    QByteArray on;
    on.append(char(0x90 | (channel & 0x0f)));
    on.append(char(key));
    on.append(char(velocity));
    QByteArray off;
    off.append(char(0x80 | (channel & 0x0f)));
    off.append(char(key));
    off.append(char(64));
    add(track, start, 2, on);
    add(track, start + length, 0, off);
}

QByteArray MidiFile::encodeTrack(const Track& track) const {
    QList<Event> events = track.events;
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    QByteArray body;
    qint64 last = 0;
    for (const Event& e : events) {
        body.append(variableLength(quint32(e.tick - last)));
        body.append(e.bytes);
        last = e.tick;
    }
    body.append(variableLength(quint32(m_end - last)));
    body.append(QByteArray("\xff\x2f\x00", 3));
    QByteArray out("MTrk");
    for (int shift = 24; shift >= 0; shift -= 8)
        out.append(char((body.size() >> shift) & 0xff));
    return out + body;
}

QByteArray MidiFile::encode() const {
    QByteArray out("MThd", 4);
    out.append(QByteArray("\x00\x00\x00\x06\x00\x01", 6));
    out.append(char((m_tracks.size() >> 8) & 0xff));
    out.append(char(m_tracks.size() & 0xff));
    out.append(char((m_division >> 8) & 0xff));
    out.append(char(m_division & 0xff));
    for (const Track& track : m_tracks)
        out.append(encodeTrack(track));
    return out;
}

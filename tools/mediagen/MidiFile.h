#pragma once

#include <QByteArray>
#include <QList>

// A Standard MIDI File of format 1 built in memory: track 0 carries tempo and metre, the other
// tracks carry channel events. Every track ends at the same tick, so a player that loops the file
// returns to the start in time.
class MidiFile {
public:
    explicit MidiFile(int ticksPerQuarter) : m_division(ticksPerQuarter) { m_tracks.append(Track{}); }

    int ticksPerQuarter() const { return m_division; }
    // Returns the new track's number.
    int addTrack(const QByteArray& name);
    void tempo(qint64 tick, int beatsPerMinute);
    void timeSignature(qint64 tick, int numerator, int denominatorPower);
    void program(int track, int channel, qint64 tick, int number);
    void controller(int track, int channel, qint64 tick, int number, int value);
    void note(int track, int channel, qint64 start, qint64 length, int key, int velocity);
    // The end of every track; throws when an event lies beyond it.
    void setEnd(qint64 tick);
    qint64 end() const { return m_end; }

    QByteArray encode() const;
    static QByteArray variableLength(quint32 value);

private:
    struct Event {
        qint64 tick = 0;
        int order = 0; // note-offs before anything else at the same tick, so repeated keys sound
        QByteArray bytes;
    };
    struct Track {
        QList<Event> events;
    };
    void add(int track, qint64 tick, int order, const QByteArray& bytes);
    QByteArray encodeTrack(const Track& track) const;

    int m_division;
    QList<Track> m_tracks;
    qint64 m_end = 0;
};

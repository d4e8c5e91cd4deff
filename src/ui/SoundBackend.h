#pragma once

#include <QString>

// Where numbered sound clips go. The program plays through one backend; tests put a silent one
// in its place that only records what was asked for.
class SoundBackend {
public:
    virtual ~SoundBackend();
    virtual bool isAvailable() const = 0;
    // Appends the clip to the queue; clips play one after the other.
    virtual void enqueue(const QString& wavPath) = 0;
    virtual void stop() = 0;

    static SoundBackend* current();
    // Returns the previous backend; the caller keeps ownership of both.
    static SoundBackend* setCurrent(SoundBackend* backend);
};

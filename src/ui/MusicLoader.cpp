#include "ui/MusicLoader.h"

#include "ui/BackgroundMusic.h"
#include "ui/MusicRules.h"

#include <QThread>

MusicLoader::MusicLoader(AppState& state, BackgroundMusic& music, QObject* parent)
    : QObject(parent), m_state(state), m_music(music) {}

MusicLoader::~MusicLoader() {
    finish();
}

void MusicLoader::start() {
    if (m_started)
        return;
    m_started = true;
    const QString file = MusicRules::musicFile(m_state);
    m_thread.reset(QThread::create([this, file] { m_ok = !file.isEmpty() && m_music.open(file); }));
    m_thread->setObjectName(QStringLiteral("music loader")); // its name in a debugger and in /proc
    // Queued to this object: once finish() has dropped the thread, a late notice finds none and is ignored.
    connect(m_thread.get(), &QThread::finished, this, [this] {
        if (!m_thread)
            return;
        joinThread();
        MusicRules::opened(m_state, m_music, m_ok);
        emit loaded(m_ok);
    });
    m_thread->start();
}

bool MusicLoader::isLoading() const {
    return m_thread && m_thread->isRunning();
}

void MusicLoader::finish() {
    joinThread();
}

void MusicLoader::joinThread() {
    if (!m_thread)
        return;
    // `finished` is emitted before the thread has quite ended; deleting it before then is fatal.
    m_thread->wait();
    m_thread.reset();
}

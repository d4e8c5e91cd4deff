#include "ui/MusicLoader.h"

#include "ui/BackgroundMusic.h"
#include "ui/MusicRules.h"

#include <QThread>

MusicLoader::MusicLoader(AppState& state, BackgroundMusic& music, QObject* parent)
    : QObject(parent), m_state(state), m_music(music) {}

MusicLoader::~MusicLoader() {
    wait();
}

void MusicLoader::start() {
    if (m_thread)
        return;
    const QString file = MusicRules::musicFile(m_state);
    m_thread = QThread::create([this, file] { m_ok = !file.isEmpty() && m_music.open(file); });
    connect(m_thread, &QThread::finished, this, [this] {
        MusicRules::opened(m_state, m_music, m_ok);
        emit loaded(m_ok);
    });
    m_thread->start();
}

bool MusicLoader::isLoading() const {
    return m_thread && m_thread->isRunning();
}

void MusicLoader::wait() {
    if (m_thread)
        m_thread->wait();
}

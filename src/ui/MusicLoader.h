#pragma once

#include <QObject>

#include <memory>

class BackgroundMusic;
class QThread;
struct AppState;

// Opens the background music on a thread of its own, so that loading the sound font never delays
// the main window; once it is open the piece starts as the option says (MusicRules::opened).
// The loader owns its thread: it is joined and deleted when the opening has been handled, at
// finish() or with the loader, whichever comes first.
class MusicLoader : public QObject {
    Q_OBJECT
public:
    MusicLoader(AppState& state, BackgroundMusic& music, QObject* parent = nullptr);
    ~MusicLoader() override;

    void start();
    // At the program's end, before the player goes: blocks until the opening has finished and
    // drops its outcome, so that a piece opened late does not start after the window closed.
    void finish();
    bool isLoading() const;

signals:
    void loaded(bool ok);

private:
    void joinThread();

    AppState& m_state;
    BackgroundMusic& m_music;
    std::unique_ptr<QThread> m_thread;
    bool m_started = false;
    bool m_ok = false; // written by the thread, read only after it has been joined
};

#pragma once

#include <QObject>

class BackgroundMusic;
class QThread;
struct AppState;

// Opens the background music on a thread of its own, so that loading the sound font never delays
// the main window; once it is open the piece starts as the option says (MusicRules::opened).
class MusicLoader : public QObject {
    Q_OBJECT
public:
    MusicLoader(AppState& state, BackgroundMusic& music, QObject* parent = nullptr);
    ~MusicLoader() override;

    void start();
    // Blocks until the opening has finished (at the program's end, before the player goes).
    void wait();
    bool isLoading() const;

signals:
    void loaded(bool ok);

private:
    AppState& m_state;
    BackgroundMusic& m_music;
    QThread* m_thread = nullptr;
    bool m_ok = false;
};

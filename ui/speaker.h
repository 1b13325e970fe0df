#pragma once

#include "ui/voice.h"

#include <QMutex>
#include <QThread>

#include <optional>

class QTextToSpeech;

namespace ui {

// Qt's text-to-speech engine on a thread of its own: making it asks the speech service for its
// voices, which takes seconds, and a service that hangs must never hold up a child's click. Only
// the latest utterance waits for the engine, and each one stops the one before.
class Speaker {
public:
    Speaker();
    ~Speaker();
    Speaker(const Speaker&) = delete;
    Speaker& operator=(const Speaker&) = delete;

    // An empty text only stops the one speaking.
    void speak(const Speech& speech);
    // Whether the thread ended within a moment; one stuck in the service is left to the process's end.
    bool stop();

private:
    // On the engine's thread.
    void make();
    void speakPending();
    bool useVoiceFor(Language language);
    void report(const QString& problem);

    QThread thread_;
    QObject worker_; // lives on thread_, where the calls below run
    QMutex mutex_;
    std::optional<Speech> pending_; // guarded by mutex_
    QTextToSpeech* engine_ = nullptr;
    std::optional<Language> language_; // the one the engine's voice speaks
    bool reported_ = false;
};

} // namespace ui

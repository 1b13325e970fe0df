#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace ui {

class Speaker;

enum class Language { Arabic, English };

// What the program says for something it shows. Arabic texts carry their short vowels, which a
// synthesizer cannot guess from the letters alone.
struct Speech {
    QString text;
    Language language = Language::Arabic;

    bool operator==(const Speech&) const = default;
};

// A text a screen shows, and what is said for it.
struct Voiced {
    QString shown;
    Speech spoken;
};

// Every utterance of the program passes through here. A new one cuts off the one still speaking,
// so fast clicking never builds a queue; muted, nothing is said. The choice lasts while the program
// runs. Without an engine, a speech service, a voice for the language or a sound device the
// program is silent, and says so in at most one line on standard error.
class Voice : public QObject {
    Q_OBJECT

public:
    using Listener = std::function<void(const Speech&)>;

    Voice();
    ~Voice() override;

    void say(const Speech& speech);
    // A hover hint: said when the pointer comes onto the control, not again while it moves over it.
    void sayOnArrival(const QWidget& control, const Speech& speech);

    bool muted() const { return muted_; }
    void setMuted(bool muted);

    // Making the engine can take seconds, so it is made on a thread of its own, once the first
    // window is up; until then utterances go nowhere.
    void startEngine();
    // Ends the engine's thread, waiting a moment at most: whether it ended. One that a speech
    // service holds is left running, since a service that never answers must not hold up the end.
    bool stopEngine();
    // Who hears the utterances instead of the engine, as tests do; an empty one gives them back.
    void listen(Listener listener);

signals:
    void mutedChanged(bool muted);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<Speaker> speaker_;
    Listener listener_;
    QPointer<const QWidget> visited_; // the control whose hint was said, while the pointer stays on it
    bool watching_ = false;
    bool muted_ = false;
};

Voice& voice();

} // namespace ui

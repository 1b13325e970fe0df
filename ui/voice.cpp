#include "ui/voice.h"

#include "ui/speaker.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace ui {

Voice::Voice() = default;

Voice::~Voice() = default;

void Voice::say(const Speech& speech)
{
    if (muted_ || speech.text.isEmpty())
        return;
    if (listener_)
        listener_(speech);
    else if (speaker_)
        speaker_->speak(speech);
}

void Voice::sayOnArrival(const QWidget& control, const Speech& speech)
{
    // The pointer's arrivals and departures are seen from the first hint on.
    if (!std::exchange(watching_, true))
        QCoreApplication::instance()->installEventFilter(this);
    if (visited_ == &control)
        return;
    visited_ = &control;
    say(speech);
}

bool Voice::eventFilter(QObject* watched, QEvent* event)
{
    // Coming onto any other control, or leaving this one, ends the visit. Coming back from a
    // control onto the free area of the form brings no event to the form, but leaving for that
    // control ended the visit already.
    switch (event->type()) {
    case QEvent::Enter:
        if (watched != visited_)
            visited_ = nullptr;
        break;
    case QEvent::Leave:
    case QEvent::Hide:
        if (watched == visited_)
            visited_ = nullptr;
        break;
    default:
        break;
    }
    return false;
}

void Voice::setMuted(bool muted)
{
    if (muted == muted_)
        return;
    if (muted && speaker_)
        speaker_->speak({}); // stops the one speaking
    muted_ = muted;
    emit mutedChanged(muted);
}

void Voice::startEngine()
{
    if (!speaker_)
        speaker_ = std::make_unique<Speaker>();
}

bool Voice::stopEngine()
{
    if (!speaker_ || speaker_->stop()) {
        speaker_.reset();
        return true;
    }
    (void)speaker_.release(); // its thread still uses it
    return false;
}

void Voice::listen(Listener listener)
{
    listener_ = std::move(listener);
}

Voice& voice()
{
    static Voice instance;
    return instance;
}

} // namespace ui

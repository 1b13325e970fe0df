#include "ui/speaker.h"

#include <QTextToSpeech>

#include <cstdio>

namespace ui {

namespace {

QLocale::Language qtLanguage(Language language)
{
    return language == Language::Arabic ? QLocale::Arabic : QLocale::English;
}

} // namespace

Speaker::Speaker()
{
    thread_.setObjectName(QStringLiteral("voice"));
    worker_.moveToThread(&thread_);
    QObject::connect(
        &thread_, &QThread::finished, &worker_, [this] { delete std::exchange(engine_, nullptr); },
        Qt::DirectConnection);
    thread_.start(QThread::LowPriority);
    QMetaObject::invokeMethod(&worker_, [this] { make(); });
}

Speaker::~Speaker()
{
    stop();
}

void Speaker::speak(const Speech& speech)
{
    QMutexLocker lock(&mutex_);
    const bool waiting = pending_.has_value();
    pending_ = speech;
    if (!waiting)
        QMetaObject::invokeMethod(&worker_, [this] { speakPending(); });
}

bool Speaker::stop()
{
    thread_.quit();
    return thread_.wait(QDeadlineTimer(3000));
}

void Speaker::make()
{
    engine_ = new QTextToSpeech;
    if (engine_->state() == QTextToSpeech::Error) {
        report(QStringLiteral("cannot speak: ") + engine_->errorString());
        delete std::exchange(engine_, nullptr);
        return;
    }
    QObject::connect(engine_, &QTextToSpeech::errorOccurred, engine_,
                     [this](QTextToSpeech::ErrorReason, const QString& problem) {
                         report(QStringLiteral("cannot speak: ") + problem);
                     });
}

void Speaker::speakPending()
{
    std::optional<Speech> speech;
    {
        QMutexLocker lock(&mutex_);
        speech = std::exchange(pending_, std::nullopt);
    }
    if (!engine_ || !speech)
        return;
    engine_->stop();
    if (!speech->text.isEmpty() && useVoiceFor(speech->language))
        engine_->say(speech->text);
}

bool Speaker::useVoiceFor(Language language)
{
    if (language_ == language)
        return true;
    for (const QLocale& locale : engine_->availableLocales()) {
        if (locale.language() == qtLanguage(language)) {
            engine_->setLocale(locale);
            language_ = language;
            return true;
        }
    }
    report(QStringLiteral("no %1 voice: its texts are not spoken")
               .arg(QLocale::languageToString(qtLanguage(language))));
    return false;
}

// One line at most, whatever goes wrong and however often.
void Speaker::report(const QString& problem)
{
    if (!std::exchange(reported_, true))
        std::fprintf(stderr, "marzun: %s\n", qPrintable(problem));
}

} // namespace ui

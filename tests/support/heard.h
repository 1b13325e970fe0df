#pragma once

#include "ui/voice.h"

#include <QList>
#include <QTest>

namespace ui {

// What a failed comparison prints of an utterance.
inline char* toString(const Speech& speech)
{
    return QTest::toString(QStringLiteral("%1 (%2)").arg(
        speech.text, speech.language == Language::Arabic ? "Arabic" : "English"));
}

} // namespace ui

// What the program says while one of these lives, in order; the engine hears none of it.
class Heard {
public:
    Heard()
    {
        ui::voice().listen([this](const ui::Speech& speech) { said.append(speech); });
    }
    ~Heard() { ui::voice().listen({}); }
    Heard(const Heard&) = delete;
    Heard& operator=(const Heard&) = delete;

    QList<ui::Speech> said;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <functional>

// A voice that reads the lesson's texts aloud. The real one lives in a module of its own
// (lapinar_speech), loaded only when the pupil first turns reading aloud on, so a lesson that
// never reads aloud never loads a speech library; the tests put a recording one in its place.
class SpeechEngine {
public:
    virtual ~SpeechEngine() = default;
    // Speaks the text, cutting short whatever is being spoken.
    virtual void say(const QString &text) = 0;
    // Stops speaking at once.
    virtual void stop() = 0;
};

// What the module exports, under the name SpeechEngineSymbol: an engine speaking the locale's
// language. It answers at once; when it turns out that no voice speaks that language, it calls
// `unavailable` once, on the thread that made it, with a reason for the terminal.
using SpeechEngineMaker = SpeechEngine *(*)(const QLocale &locale,
                                            const std::function<void(const QString &why)> &unavailable);
inline constexpr char SpeechEngineSymbol[] = "lapinarMakeSpeechEngine";

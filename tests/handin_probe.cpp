// SPDX-License-Identifier: GPL-3.0-or-later
// One pupil's hand-in, as the lesson makes it, for the tests that run it under real logins on real
// shares: handin_probe FOLDER CELL... types the cells into the results table, leaves it forward and
// says on standard output what became of the hand-in ("handed in", "handed in under a name of its
// own", "failed: told there is no box" or "failed: why"); the exit status is 0 when it was handed in.
#include "graphform.h"
#include "handin.h"
#include "testsupport.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <algorithm>
#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 2) {
        std::fputs("usage: handin_probe FOLDER CELL...\n", stderr);
        return 2;
    }
    TestLesson t;
    HandIn handIn(t.lesson, arguments[1], QStringLiteral("en"));
    t.lesson.chain.show(ScreenId::GraphForm);
    auto *results = t.screenAs<GraphForm>(ScreenId::GraphForm);
    for (int row = 1; row <= GraphForm::Rows; ++row)
        results->valueCell(row)->setText(arguments.value(row + 1));
    QSignalSpy written(&handIn, &HandIn::written);
    // What the pupil is told in a message (a name taken, a failure) is answered as the pupil would.
    bool answered = false;
    const QList<ModalSeen> told = answerAllModals(t, [&] {
        results->cmdButton(0)->click();
        answered = written.wait(120000);
    });
    if (!answered) {
        std::puts("failed: no answer from the folder");
        return 1;
    }
    const QString error = written.first().first().toString();
    if (!error.isEmpty()) {
        const bool noBox = std::any_of(told.begin(), told.end(),
                                       [](const ModalSeen &seen) { return seen.text == HandIn::noBoxText(); });
        std::printf("failed: %s\n", noBox ? "told there is no box" : qPrintable(error));
        return 1;
    }
    std::puts(handIn.nameTaken() ? "handed in under a name of its own" : "handed in");
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>
#include <array>

// The little data that crosses screens: the worksheet questions, the year the island screens show,
// each year's population, the rabbits counted per year, the flag left by the results screen and the
// line break used in calendar captions. One instance is owned by the lesson and handed to each
// screen, so every test starts from a fresh lesson.
struct LAPINAR1 {
    Q_DECLARE_TR_FUNCTIONS(LAPINAR1)

public:
    struct Question {
        QString Title;
        QString Text;
        bool operator==(const Question &) const = default;
    };
    struct Year {
        qint16 Rabbits = 0;
        qint16 FoxNumber = 0;
    };

    // Numbers 1 to 10 are used; 0 never is.
    std::array<Question, 11> Questions{};
    qint16 CurrentYear = 0;
    std::array<Year, 11> YearTable{};
    // Entry y: rabbits counted in year y (1 to 10); entry 0 is never used.
    std::array<qint16, 11> Counted{};
    bool GraphVisited = false;
    QString NewLine;

    // Clears GraphVisited and the counts of years 1 to 10 and sets the line break.
    void ResetCounts();
    // Writes the worksheet questions; running it again writes the same strings.
    void FillQuestions();
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "lapinar1.h"

#include <QCoreApplication>

void LAPINAR1::ResetCounts()
{
    GraphVisited = false;
    for (int year = 1; year <= 10; ++year)
        Counted[year] = 0;
    // Line feed before carriage return, as the calendar captions have always had it.
    NewLine = QStringLiteral("\n\r");
}

void LAPINAR1::FillQuestions()
{
    static const char *const table[8][2] = {
        {QT_TRANSLATE_NOOP("LAPINAR1", "1 - Populations"),
         QT_TRANSLATE_NOOP("LAPINAR1",
                           "Write down two things that might change the number of rabbits living on the island.")},
        {QT_TRANSLATE_NOOP("LAPINAR1", "2 - The experiment"),
         QT_TRANSLATE_NOOP("LAPINAR1", "Write down one way that you could make the survey fair.")},
        {QT_TRANSLATE_NOOP("LAPINAR1", "3 - Predicting the result"),
         QT_TRANSLATE_NOOP("LAPINAR1",
                           "Write the prediction you chose down and explain why you think it will happen.")},
        {"4 - Counting the rabbits",
         "How can you estimate the rabbit numbers instead of trying to count them all. It is "
         "something to do with the rabbit holes."},
        {"5 - Presenting your results",
         "Put your data in the table and draw the graph. Plot the graph on your worksheet."},
        {QT_TRANSLATE_NOOP("LAPINAR1", "6 - Conclusion"),
         QT_TRANSLATE_NOOP("LAPINAR1",
                           "Was your prediction correct? Why do you think that the rabbit numbers change?")},
        {QT_TRANSLATE_NOOP("LAPINAR1", "7 - Extension"),
         QT_TRANSLATE_NOOP("LAPINAR1",
                           "Write what you predict will happen to rabbit AND fox populations over ten years.")},
        {"8 - Making your conclusion",
         "Put the data into your own table and draw a graph showing the rabbit and the fox "
         "numbers. Why did the populations change?"},
    };
    for (int n = 1; n <= 8; ++n) {
        Questions[n].Title = tr(table[n - 1][0]);
        Questions[n].Text = tr(table[n - 1][1]);
    }
    for (int n = 9; n <= 10; ++n)
        Questions[n] = {};
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lessonscreen.h"

class QKeyEvent;
class QLineEdit;
class ResultsGraph;

// The results screen: the pupil copies the ten yearly counts from the worksheet into a table, draws
// a graph of it (points, joined or not, with a title), copies the graph to the clipboard and goes
// on. The table holds text only; numbers are read from it (CellNumber) when the graph is drawn and
// when ">>" saves the counts into the lesson, so nothing the pupil typed is ever changed.
//
// Steps: construction builds the table and buttons; load() sizes the window and sets up the graph
// once; every activation puts the focus at the end of the first cell and redraws the graph from
// the table. Every action button ends with the focus back in the first cell.
class GraphForm : public LessonScreen {
    Q_OBJECT
public:
    static constexpr int Rows = 10;

    explicit GraphForm(Lesson &lesson);
    void load() override;
    void activate() override;

    // Empties the ten value cells, and says so; the graph and the counts stay as they are. Until the
    // pupil types again, the table cleared can be brought back (undo, or the button, which says so
    // meanwhile) and is the one kept on disk, so no single key loses a full table.
    void ClearTable();
    // The table cleared last, back in its cells; false when there is none to bring back.
    bool bringTableBack();
    // What the kept work holds for a cell: the table cleared while it can still come back.
    QString keptCell(int row) const;
    // Writes the ten cells into the lesson's counts, each rounded half to even.
    void SaveCounts();
    // Joins the points or plots them alone, with the join button's caption to match.
    void setJoined(bool join);

    QLineEdit *valueCell(int row) const { return YVal(row); }
    QPushButton *actionButton(int index) const { return Action_Button(index); }
    QLineEdit *titleText() const { return TitleText; }
    ResultsGraph *graph() const { return m_graph; }

    QString instructions() const override;

protected:
    bool cmd_button_Click(int index) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum Action { DrawGraph = 0, CopyGraph = 1, Title = 2, ClearTableAction = 3, JoinPoints = 4 };

    void buildTable();
    void buildButtons();
    void setTabOrder();
    void SetupGraph();
    void Action_Button_Click(int index);
    void drawGraph();
    void toggleJoin();
    void applyTitle();
    // Keys of the value cells; true when the key was used up here.
    bool YVal_Key(int row, QKeyEvent *event);
    void focusCell(int row);
    void forgetClearedTable();
    // Said to a screen reader, and read aloud when reading aloud is on.
    void tell(const QString &text);

    ControlArray<QLineEdit> YVal;
    ControlArray<QPushButton> Action_Button;
    QLineEdit *TitleText = nullptr;
    ResultsGraph *m_graph = nullptr;
    QStringList m_cleared;
};

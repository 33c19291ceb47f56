// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "classlist.h"

#include <QSet>
#include <QWidget>

class QLabel;
class QPushButton;
class QSplitter;
class QTimer;
class QTableView;
class BadFileList;
class ClassReader;
class ClassTable;
class ClassGraphView;

// The teacher's window on a class folder: how many pupils handed in and who, who on the class list
// has not, every file left out and why (those claiming another pupil's numbers first, as a
// warning), a table of every pupil's counts by year with the class's figures and when, where and in
// which language each pupil handed in, and the class graph. The folder is read on a thread of its
// own (ClassReader), again when it changes, every few seconds where the file system does not say,
// and on F5; "reading…" shows meanwhile, and a folder that gives no answer for a few seconds is
// said on the window's face until it answers again. The rabbits really there are hidden until the teacher
// shows them (T, or the button), so that the class can be shown its own numbers first. Print sends
// the report's pages to the desktop's print dialog.
//
// A teacher with a screen reader hears the summary as the window opens and each hand-in as it
// arrives; Tab goes from the summary to who is missing, the folder's kind, the files left out, the
// table (each cell says whose and which year), the graph (said in words) and the buttons. In a
// window too narrow for the table and the graph side by side, the graph goes beneath the table and
// the years are headed by their numbers, so that nothing needs scrolling sideways.
class ClassWindow : public QWidget {
    Q_OBJECT
public:
    explicit ClassWindow(const QString &folder, const QString &roster = QString());
    ~ClassWindow() override;
    // Shows the window, maximized where the screen is smaller than the window would be, so that its
    // frame does not push it past the screen's edge.
    void showOnScreen();

    // Shows what a read of the folder found; each file left out not said before goes to standard error.
    void showClass(const ClassFolder::Class &handIns, const ClassList::List &list);
    const ClassFolder::Class &shownClass() const { return m_class; }
    ClassReader *reader() const { return m_reader; }
    QLabel *summary() const { return m_summary; }
    QLabel *folderKind() const { return m_kind; }
    QWidget *graph() const;
    // The graph beneath the table rather than beside it.
    bool isNarrow() const;
    QLabel *missing() const { return m_missing; }
    BadFileList *badFiles() const { return m_badFiles; }
    QTableView *table() const { return m_tableView; }
    QPushButton *truthButton() const { return m_truthButton; }
    void setTruthShown(bool shown);

    QLabel *folderState() const { return m_reading; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void print();
    // The table and the graph side by side when the whole table fits beside the graph, else one
    // beneath the other.
    void arrange();
    // Shares the room among the table, the graph and the files left out.
    void share();
    void shareOnce();
    // The table's width with every column whole and the years headed in full.
    int tableWidth() const;
    // Says on the window's face whether the folder is being read, does not answer, or answers again.
    void sayFolderState();

    QString m_folder;
    ClassFolder::Class m_class;
    ClassList::List m_list;
    QSet<QString> m_said;
    ClassReader *m_reader = nullptr;
    QLabel *m_summary = nullptr;
    QLabel *m_kind = nullptr;
    QLabel *m_reading = nullptr;
    QLabel *m_missing = nullptr;
    QLabel *m_names = nullptr;
    QTableView *m_tableView = nullptr;
    ClassTable *m_table = nullptr;
    ClassGraphView *m_graph = nullptr;
    BadFileList *m_badFiles = nullptr;
    QPushButton *m_truthButton = nullptr;
    QPushButton *m_printButton = nullptr;
    QSplitter *m_split = nullptr;
    QSplitter *m_sides = nullptr;
    bool m_sized = false;
    bool m_small = false;
    // Whether a read has been shown, and whether the next one's summary is said (F5 pressed).
    bool m_read = false;
    bool m_sayRead = false;
    // Shows "reading…" only for a read that takes a while, so that quick re-reads do not flicker.
    QTimer *m_readingShown = nullptr;
    // When the numbers shown were read; when the folder answered again after a silence, for a while.
    QDateTime m_readAt;
    QDateTime m_answeredAt;
    QTimer *m_answeredNote = nullptr;
    // F5 pressed while the folder does not answer.
    bool m_waiting = false;
};

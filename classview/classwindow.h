// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "classfolder.h"

#include <QFileSystemWatcher>
#include <QTimer>
#include <QWidget>

class QLabel;
class QTableView;
class ClassTable;
class ClassGraphView;

// The teacher's window on a class folder: how many pupils handed in and who, a table of every
// pupil's counts by year, and the class graph. It reads the folder again when the folder changes
// (a moment after the last change, so that thirty pupils handing in at once read it once) and on F5.
class ClassWindow : public QWidget {
    Q_OBJECT
public:
    explicit ClassWindow(const QString &folder);
    ~ClassWindow() override;

    // Reads the folder and shows what it holds; each bad file is said on standard error.
    void reread();
    const ClassFolder::Class &shownClass() const { return m_class; }
    QLabel *summary() const { return m_summary; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void watch();

    QString m_folder;
    ClassFolder::Class m_class;
    QLabel *m_summary = nullptr;
    QLabel *m_names = nullptr;
    QTableView *m_tableView = nullptr;
    ClassTable *m_table = nullptr;
    ClassGraphView *m_graph = nullptr;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
};

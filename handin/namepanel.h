// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs.h"

class QLineEdit;

// On a login the whole class shares, the name a pupil's results go under: a short question in the
// reminder's look with a text field and OK. OK (or Enter) takes a name that is not blank; Escape
// leaves the panel open, as the results cannot go without a name.
class NamePanel : public ModalPanel {
    Q_OBJECT
public:
    explicit NamePanel(LessonWindow &window);

    // Shows the panel and waits; the name typed, without blanks around it.
    QString ask();

    static QString question();
    QLineEdit *field() const { return m_field; }
    QPushButton *okButton() const { return m_ok; }
    void focusFirst() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QLineEdit *m_field;
    QPushButton *m_ok;
};

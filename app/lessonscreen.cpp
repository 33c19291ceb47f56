// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessonscreen.h"

#include "accessibility.h"
#include "lesson.h"
#include "twips.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>

LessonScreen::LessonScreen(Lesson &lesson, ScreenId id, const QColor &background)
    : QWidget(lesson.window.pages()), m_lesson(lesson), m_id(id)
{
    Accessibility::install();
    // Shown only by the chain.
    hide();
    setGeometry(QRect(QPoint(0, 0), lesson.window.pages()->size()));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, background);
    setPalette(p);
}

QPushButton *LessonScreen::addCommandButton(int index, const QString &caption, double left, double top, double width,
                                            double height)
{
    auto *button =
        Controls::button(client(), caption, left, top, width, height, Twips::font(Twips::Face::MSSansSerif, 9.75));
    cmd_button.insert(index, button);
    setCaption(index, caption);
    connect(button, &QPushButton::clicked, this, [this, index] { navigate(index); });
    return button;
}

void LessonScreen::setCaption(int index, const QString &caption)
{
    QPushButton *button = cmd_button(index);
    if (!button)
        return;
    button->setText(caption);
    if (caption == QLatin1String(">>"))
        //: What a screen reader calls the ">>" button.
        button->setAccessibleName(tr("Next screen"));
    else if (caption == QLatin1String("<<"))
        //: What a screen reader calls the "<<" button.
        button->setAccessibleName(tr("Previous screen"));
    else
        button->setAccessibleName(QString());
}

QPushButton *LessonScreen::addStopButton(int index, double left, double top)
{
    //: Spoken name and tooltip of the stop-sign button, which ends the lesson; never shown as text.
    auto *button = Controls::pictureButton(client(), Picture::Stop, tr("Quit"), left, top, 1215, 615);
    cmd_button.insert(index, button);
    connect(button, &QPushButton::clicked, this, [this, index] { navigate(index); });
    return button;
}

void LessonScreen::navigate(int index)
{
    // The second click of a quick double-click can still be on its way to a screen that the first
    // click has just left; a hidden screen takes no part in the lesson.
    if (isVisible() && cmd_button_Click(index))
        emit leaveRequested(index);
}

QPushButton *LessonScreen::addQuestionButton(int n, double left, double top, Corner corner)
{
    //: Spoken name and tooltip of a screen's question button; %1 is the question's number (1 to 8).
    const QString name = tr("Question %1").arg(n);
    QButton = Controls::pictureButton(client(), Picture::Question, name, left, top, 1005, 1005);
    QButton->setToolTip(name);
    connect(QButton, &QPushButton::clicked, this, [this, n, corner] {
        if (isVisible())
            emit questionRequested(n, QButton, corner);
    });
    return QButton;
}

QLabel *LessonScreen::addInfoText(int index, const QString &text, double left, double top, double width, double height)
{
    auto *label = Controls::label(client(), text, left, top, width, height, Twips::font(Twips::Face::MSSansSerif, 18));
    InfoText.insert(index, label);
    return label;
}

QLabel *LessonScreen::addInfoPic(Picture picture, const QString &spokenName, double left, double top, double width,
                                 double height)
{
    return Controls::picture(client(), picture, spokenName, left, top, width, height);
}

QString LessonScreen::instructions() const
{
    QList<const QLabel *> texts;
    for (int index : InfoText.indexes())
        if (index != m_titleIndex && !InfoText(index)->text().isEmpty())
            texts.append(InfoText(index));
    std::sort(texts.begin(), texts.end(),
              [](const QLabel *a, const QLabel *b) { return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x()); });
    QStringList said;
    for (const QLabel *text : texts)
        said.append(text->text().simplified());
    return said.join(QLatin1Char(' '));
}

void LessonScreen::announcePage()
{
    updateSpokenPage();
    const QString said = instructions();
    //: What a screen reader says when a screen comes up: %1 is the screen's name (its title), %2 its instructions.
    //: Spoken, never shown.
    Accessibility::announce(this, said.isEmpty() ? screenName() : tr("%1. %2").arg(screenName(), said));
}

void LessonScreen::turnPage()
{
    announcePage();
    const QString said = instructions();
    emit saying(said.isEmpty() ? screenName() : tr("%1. %2").arg(screenName(), said));
}

void LessonScreen::updateSpokenPage()
{
    const QString name = screenName();
    const QString description = instructions();
    if (accessibleName() != name)
        setAccessibleName(name);
    if (accessibleDescription() != description)
        Accessibility::describePage(this, description);
}

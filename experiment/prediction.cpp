// SPDX-License-Identifier: GPL-3.0-or-later
#include "prediction.h"

#include "accessibility.h"
#include "artwork.h"
#include "lesson.h"
#include "twips.h"

#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>

namespace {

struct PredictionLayout {
    double areaLeft, areaTop, areaWidth, areaHeight;
    // The text's place within its area.
    double textLeft, textTop, textWidth, textHeight;
    const char *text;
};

// Top to bottom in the left part of the screen, in the order of their indexes.
constexpr PredictionLayout predictions[Prediction::PredictionCount] = {
    {600, 240, 5175, 1215, 1245, 405, 3615, 615,
     QT_TRANSLATE_NOOP("Prediction", "The number of rabbits will go up and then stay the same.")},
    {600, 1545, 5175, 1230, 1320, 510, 2970, 405, QT_TRANSLATE_NOOP("Prediction", "All the rabbits will die.")},
    {600, 2865, 5175, 1230, 1320, 360, 3000, 615,
     QT_TRANSLATE_NOOP("Prediction", "The number of rabbits will keep on going up.")},
    {600, 4200, 5175, 1215, 1080, 390, 3405, 735,
     QT_TRANSLATE_NOOP("Prediction", "The number of rabbits will go up and then go down.")},
    {600, 5520, 5175, 1215, 840, 435, 4455, 615,
     QT_TRANSLATE_NOOP("Prediction", "The number of rabbits will not change.")},
};

} // namespace

PredictionLabel::PredictionLabel(const QString &text, QWidget *parent) : ClickableLabel(text, parent) {}

QRect PredictionLabel::focusRect() const
{
    // Round the words, not the whole label.
    return fontMetrics()
        .boundingRect(contentsRect(), int(alignment()) | Qt::TextWordWrap, text())
        .adjusted(-2, -1, 2, 1)
        .intersected(rect());
}

Prediction::Prediction(Lesson &lesson) : LessonScreen(lesson, ScreenId::Prediction, grey())
{
    setScreenName(tr("Prediction"));
    // Made in reading order, which is also the order Tab visits them.
    const QFont predictionFont = Twips::font(Twips::Face::MSSansSerif, 12, true);
    for (int i = 0; i < PredictionCount; ++i) {
        const PredictionLayout &p = predictions[i];
        // The area shows the ring as its picture, drawn at the area's size, behind the text.
        auto *area = new QLabel(client());
        area->setGeometry(Twips::rect(p.areaLeft, p.areaTop, p.areaWidth, p.areaHeight));
        area->setAlignment(Qt::AlignCenter);
        PredictText.insert(i, area);

        // The last text is laid out wider than its area reaches; the area would cut its words off
        // at the right, so the text wraps within the area instead.
        auto *text = new PredictionLabel(tr(p.text), area);
        text->setGeometry(
            Twips::rect(p.textLeft, p.textTop, std::min(p.textWidth, p.areaWidth - p.textLeft), p.textHeight));
        text->setFont(predictionFont);
        text->setWordWrap(true);
        text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        text->setTextFormat(Qt::PlainText);
        QPalette palette = text->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        text->setPalette(palette);
        PredictionText.insert(i, text);
        Accessibility::makeChoice(text);
        connect(text, &PredictionLabel::clicked, this, [this, i] { PredictionText_Click(i); });
    }

    addInfoText(1, tr("Here are some things that could happen."), 6240, 720, 3255, 1455);
    addInfoText(0, tr("Click on the best prediction."), 6240, 2400, 2775, 975);
    addQuestionButton(3, 6960, 3960, Corner::BottomRight);

    // The ring store: the picture that a chosen area copies. It is never shown itself.
    Ring = new QLabel(client());
    Ring->setGeometry(Twips::rect(6420, 1695, 1935, 1215));
    Ring->setPixmap(Artwork::pixmap(Picture::Ring, Twips::size(predictions[0].areaWidth, predictions[0].areaHeight)));
    Ring->hide();

    const QFont navigationFont = Twips::font(Twips::Face::MSSansSerif, 8.25, true);
    addCommandButton(1, QStringLiteral("<<"), 6120, 5880)->setFont(navigationFont);
    addCommandButton(0, QStringLiteral(">>"), 7560, 5880)->setFont(navigationFont);
}

void Prediction::load()
{
    LessonScreen::load();
    ClearRings();
    cmd_button(0)->setEnabled(false);
}

void Prediction::ClearRings()
{
    for (int i = 0; i < PredictionCount; ++i) {
        PredictText(i)->clear();
        Accessibility::setChosen(PredictionText(i), false);
    }
}

int Prediction::ringedIndex() const
{
    for (int i = 0; i < PredictionCount; ++i)
        if (!PredictText(i)->pixmap().isNull())
            return i;
    return -1;
}

QPixmap Prediction::ringFor(const QSize &areaSize) const
{
    const QPixmap stored = Ring->pixmap();
    if (stored.deviceIndependentSize().toSize() == areaSize)
        return stored;
    return Artwork::pixmap(Picture::Ring, areaSize);
}

void Prediction::PredictionText_Click(int index)
{
    choose(index);
}

void Prediction::choose(int index)
{
    QLabel *area = PredictText(index);
    if (!area)
        return;
    ClearRings();
    area->setPixmap(ringFor(area->size()));
    // The chosen one has the focus, however it was chosen: a focus left on another would look chosen
    // too once the pupil takes up the keyboard.
    PredictionText(index)->setFocus(Qt::MouseFocusReason);
    Accessibility::setChosen(PredictionText(index), true);
    cmd_button(0)->setEnabled(true);
}

bool Prediction::cmd_button_Click(int index)
{
    // Only a chosen prediction leads on, however the button came to be pressed.
    return index != 0 || ringedIndex() >= 0;
}

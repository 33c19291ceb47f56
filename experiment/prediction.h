// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls.h"
#include "lessonscreen.h"

// The text of one prediction. The pupil chooses it with a click, or reaches it with Tab and
// chooses it with Space or Enter; a screen reader reads it as a radio button named by the text it
// shows, checked when it is the chosen one.
class PredictionLabel : public ClickableLabel {
    Q_OBJECT
public:
    PredictionLabel(const QString &text, QWidget *parent);

protected:
    QRect focusRect() const override;
};

// The pupil predicts what will happen to the ten rabbits by ringing one of five predictions before
// the experiment. The choice is shown only by which area shows the ring; the forward button stays
// disabled until there is one. Both stay as they are while the screen is hidden, since the screen
// is loaded once and then only shown and hidden.
class Prediction : public LessonScreen {
    Q_OBJECT
public:
    static constexpr int PredictionCount = 5;

    explicit Prediction(Lesson &lesson);

    void load() override;

    // Removes the ring from whichever area shows it.
    void ClearRings();
    // Rings prediction `index` (0 to 4) as a click on it does; another index changes nothing.
    void choose(int index);

    // The area that shows the ring, or -1 while nothing has been chosen.
    int ringedIndex() const;
    // The area of prediction i (the ring is its picture) and the prediction's text in it.
    QLabel *predictText(int index) const { return PredictText(index); }
    PredictionLabel *predictionText(int index) const { return PredictionText(index); }
    // Where the ring picture is kept; it is never shown itself.
    QLabel *ringStore() const { return Ring; }

protected:
    // The navigation buttons: 0 ">>" forward to the practice, 1 "<<" back.
    bool cmd_button_Click(int index) override;

private:
    void PredictionText_Click(int index);
    // The ring to show in an area: the stored picture, or the same ring drawn afresh where the
    // area's size differs from the store's, so it stays sharp.
    QPixmap ringFor(const QSize &areaSize) const;

    ControlArray<QLabel> PredictText;
    ControlArray<PredictionLabel> PredictionText;
    QLabel *Ring = nullptr;
};

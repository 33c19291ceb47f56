// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs.h"

#include "lessonwindow.h"
#include "twips.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>

namespace {

// A panel is a child widget, which assistive technology would take for a plain part of the window.
QAccessibleInterface *panelAccessible(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("MessagePanel"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::AlertMessage);
    if (className == QLatin1String("ModalPanel"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Dialog);
    return nullptr;
}

// The critical icon of a message box, drawn at the size it shows at, so it stays sharp at any scale:
// a red disc with a white cross.
QPixmap criticalIcon(int side)
{
    const qreal ratio = qApp->devicePixelRatio();
    QPixmap pixmap(QSize(side, side) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal rim = side / 16.0;
    p.setPen(QPen(QColor(0x9e, 0x0b, 0x0f), rim));
    p.setBrush(QColor(0xe0, 0x1b, 0x24));
    p.drawEllipse(QRectF(rim / 2, rim / 2, side - rim, side - rim));
    p.setPen(QPen(Qt::white, side / 8.0, Qt::SolidLine, Qt::RoundCap));
    const qreal a = side * 0.32;
    const qreal b = side * 0.68;
    p.drawLine(QPointF(a, a), QPointF(b, b));
    p.drawLine(QPointF(a, b), QPointF(b, a));
    return pixmap;
}

} // namespace

ModalPanel::ModalPanel(LessonWindow &window) : QWidget(window.pages()), m_window(window), m_client(new QWidget(this))
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(panelAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    m_client->setAutoFillBackground(true);
    hide();
}

QSize ModalPanel::outerSizeFor(const QSize &clientSize)
{
    const int frame = Twips::px(LessonWindow::FrameTwips);
    return clientSize + QSize(2 * frame, 2 * frame);
}

void ModalPanel::setBackground(const QColor &colour)
{
    QPalette p = m_client->palette();
    p.setColor(QPalette::Window, colour);
    m_client->setPalette(p);
}

void ModalPanel::setOuterSize(const QSize &size)
{
    setFixedSize(size);
    const int frame = Twips::px(LessonWindow::FrameTwips);
    m_client->setGeometry(frame, frame, width() - 2 * frame, height() - 2 * frame);
}

void ModalPanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    LessonWindow::paintFrame(p, rect(), palette());
}

void ModalPanel::showModal()
{
    // The control that had the focus gets it back when the panel closes, as after a dialog window.
    const QPointer<QWidget> before = QApplication::focusWidget();
    // A message may open over a panel; the panel is the open one again once the message closes.
    const QPointer<ModalPanel> under = m_window.openPanel();
    QEventLoop loop;
    connect(this, &ModalPanel::hidden, &loop, &QEventLoop::quit);
    m_window.setOpenPanel(this);
    show();
    focusFirst();
    if (isVisible())
        loop.exec();
    m_window.setOpenPanel(under && under->isVisible() ? under.data() : nullptr);
    if (before && before->isVisible())
        before->setFocus(Qt::OtherFocusReason);
}

void ModalPanel::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    emit hidden();
}

void ModalPanel::focusFirst()
{
    if (const QList<QWidget *> stops = Controls::focusStops(this); !stops.isEmpty())
        stops.first()->setFocus(Qt::TabFocusReason);
}

bool ModalPanel::focusNextPrevChild(bool next)
{
    // A closing panel lets the focus go back to the window.
    if (!isVisible())
        return QWidget::focusNextPrevChild(next);
    const QList<QWidget *> stops = Controls::focusStops(this);
    if (stops.isEmpty())
        return true;
    const qsizetype at = stops.indexOf(QApplication::focusWidget());
    const qsizetype n = stops.size();
    const qsizetype to = at < 0 ? 0 : (at + (next ? 1 : n - 1)) % n;
    stops[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

namespace {

// The reminder's look, which the yes-or-no panel shares: "Lapinar" to assistive technology, the
// button face, 6000 x 3000 twips with its frame centred over the lesson screen as it once was on
// the display, and its text in blue. Returns the text.
QLabel *reminderStyle(ModalPanel &panel, LessonWindow &window)
{
    panel.setAccessibleName(QStringLiteral("Lapinar"));
    panel.setBackground(panel.palette().color(QPalette::Button));
    panel.setOuterSize(Twips::size(6000, 3000));
    const QSize area = window.pages()->size();
    panel.move((area.width() - panel.width()) / 2, (area.height() - panel.height()) / 2);

    auto *text =
        Controls::label(panel.client(), QString(), 360, 240, 5295, 1575, Twips::font(Twips::Face::MSSansSerif, 13.5));
    QPalette blue = text->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    text->setPalette(blue);
    return text;
}

} // namespace

ReminderDialog::ReminderDialog(LessonWindow &window) : ModalPanel(window)
{
    InfoText.insert(0, reminderStyle(*this, window));

    //: Button that closes a reminder: 81 px wide at 640 x 480, room for about 69 px of 13-px text (about 10 letters).
    auto *ok = Controls::button(client(), tr("OK"), 2400, 2040, 1215, 615, Twips::font(Twips::Face::MSSansSerif, 9.75));
    cmd_button.insert(0, ok);
    connect(ok, &QPushButton::clicked, this, [this] { cmd_button_Click(0); });
}

void ReminderDialog::cmd_button_Click(int index)
{
    if (index == 0)
        hide();
}

YesNoPanel::YesNoPanel(LessonWindow &window) : ModalPanel(window)
{
    InfoText.insert(0, reminderStyle(*this, window));

    // The pair centred where the reminder has its OK.
    const char *const captions[] = {
        //: Button that answers a question yes: 81 px wide at 640 x 480, room for about 69 px of 13-px text.
        QT_TR_NOOP("Yes"),
        //: Button that answers a question no: 81 px wide at 640 x 480, room for about 69 px of 13-px text.
        QT_TR_NOOP("No")};
    for (int i = 0; i < 2; ++i) {
        auto *button = Controls::button(client(), tr(captions[i]), 1620 + 1560 * i, 2040, 1215, 615,
                                        Twips::font(Twips::Face::MSSansSerif, 9.75));
        cmd_button.insert(i, button);
        connect(button, &QPushButton::clicked, this, [this, i] { cmd_button_Click(i); });
    }
}

void YesNoPanel::ask(const QString &text)
{
    InfoText(0)->setText(text);
    m_before = QApplication::focusWidget();
    m_window.setOpenPanel(this);
    show();
    focusFirst();
}

void YesNoPanel::cmd_button_Click(int index)
{
    if (!isVisible() || (index != 0 && index != 1))
        return;
    hide();
    m_window.setOpenPanel(nullptr);
    // The focus goes back where it was, as after the lesson's other panels; a move that follows
    // places it anew.
    if (m_before && m_before->isVisible())
        m_before->setFocus(Qt::OtherFocusReason);
    emit answered(index == 0);
}

void YesNoPanel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        cmd_button_Click(1);
    else
        ModalPanel::keyPressEvent(event);
}

QuestionDialog::QuestionDialog(LessonWindow &window) : ModalPanel(window)
{
    setAccessibleName(tr("Question"));
    setBackground(QColor(224, 224, 224));
    const QFont font = Twips::font(Twips::Face::MSSansSerif, 13.5);

    // The frame around the text is drawn first so the text label sits above it.
    Label1 = Controls::label(client(), QString(), 240, 960, 4215, 2415, font);
    Label1->setFrameStyle(QFrame::Box | QFrame::Plain);

    //: Title of the question panel; %1 is the question's number (1 to 8). One line, 281 px wide, 18-px text.
    QuestionTitle = Controls::label(client(), tr("Question %1").arg(1), 240, 240, 4215, 495, font);
    QuestionTitle->setFrameStyle(QFrame::Box | QFrame::Plain);
    // Centred across and drawn from the top, as every label of the lesson is.
    QuestionTitle->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QuestionTitle->setWordWrap(false);
    // A framed label would stand its text half an "x" below the frame; it starts just under it.
    QuestionTitle->setIndent(0);

    QuestionText = Controls::label(client(), QString(), 600, 1320, 3495, 1815, font);

    //: Button that closes the question panel; & marks the letter of its key. 97 px wide at 640 x 480, room for about 85
    //: px of 18-px text (about 9 letters).
    CloseButton = Controls::button(client(), tr("&Close"), 1560, 3600, 1455, 495, font);
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::hide);

    // No load step: the dialog keeps its laid-out client area and each opening places it.
    setOuterSize(outerSizeFor(Twips::size(ClientWidthTwips, ClientHeightTwips)));
}

void QuestionDialog::keyPressEvent(QKeyEvent *event)
{
    // Close is both the default and the cancel button.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        CloseButton->click();
        return;
    default:
        ModalPanel::keyPressEvent(event);
    }
}

MessagePanel::MessagePanel(LessonWindow &window, QMessageBox::Icon icon, const QString &text,
                           QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton,
                           QMessageBox::StandardButton escapeButton)
    : ModalPanel(window), m_icon(icon), m_default(defaultButton), m_escape(escapeButton)
{
    setAccessibleName(QStringLiteral("Lapinar"));
    setWindowTitle(QStringLiteral("Lapinar"));
    setBackground(palette().color(QPalette::Window));
    const QFont font = Twips::font(Twips::Face::MSSansSerif, 9.75);
    const int gap = Twips::px(180);

    auto *layout = new QGridLayout(client());
    layout->setContentsMargins(gap, gap, gap, gap);
    layout->setHorizontalSpacing(gap);
    layout->setVerticalSpacing(gap);

    if (icon == QMessageBox::Critical) {
        auto *picture = new QLabel(client());
        const int side = Twips::px(480);
        picture->setPixmap(criticalIcon(side));
        picture->setFixedSize(side, side);
        layout->addWidget(picture, 0, 0, Qt::AlignTop);
    }

    // One line where it fits in most of the lesson's width, else wrapped to that width.
    m_text = new QLabel(text, client());
    m_text->setFont(font);
    m_text->setTextFormat(Qt::PlainText);
    const QFontMetrics metrics(font);
    const int widest = Twips::px(6000);
    QSize textSize = metrics.size(0, text);
    if (textSize.width() > widest) {
        m_text->setWordWrap(true);
        textSize = metrics.boundingRect(QRect(0, 0, widest, 1 << 20), Qt::TextWordWrap, text).size();
    }
    m_text->setFixedSize(textSize);
    layout->addWidget(m_text, 0, 1, Qt::AlignVCenter);

    m_buttons = new QDialogButtonBox(client());
    m_buttons->setFont(font);
    const int buttonWidth = Twips::px(1125);
    for (QMessageBox::StandardButton which :
         {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel, QMessageBox::Close}) {
        if (!(buttons & which))
            continue;
        QPushButton *b = m_buttons->addButton(QDialogButtonBox::StandardButton(int(which)));
        b->setFont(font);
        b->setMinimumWidth(buttonWidth);
        b->setFocusPolicy(Qt::StrongFocus);
        connect(b, &QPushButton::clicked, this, [this, which] {
            m_pressed = which;
            hide();
        });
    }
    layout->addWidget(m_buttons, 1, 0, 1, 2);
    if (QPushButton *b = button(defaultButton))
        b->setDefault(true);

    setOuterSize(outerSizeFor(layout->sizeHint()));
    const QSize area = window.pages()->size();
    move((area.width() - width()) / 2, (area.height() - height()) / 2);
}

QMessageBox::StandardButton MessagePanel::exec()
{
    m_pressed = QMessageBox::NoButton;
    showModal();
    return m_pressed == QMessageBox::NoButton ? m_escape : m_pressed;
}

QString MessagePanel::text() const
{
    return m_text->text();
}

QList<QPushButton *> MessagePanel::buttons() const
{
    QList<QPushButton *> all;
    for (QAbstractButton *b : m_buttons->buttons())
        all << static_cast<QPushButton *>(b);
    return all;
}

QPushButton *MessagePanel::button(QMessageBox::StandardButton which) const
{
    return which == QMessageBox::NoButton ? nullptr : m_buttons->button(QDialogButtonBox::StandardButton(int(which)));
}

void MessagePanel::focusFirst()
{
    if (QPushButton *b = defaultButton())
        b->setFocus(Qt::OtherFocusReason);
    else
        ModalPanel::focusFirst();
}

void MessagePanel::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Escape) {
        if (QPushButton *b = escapeButton())
            b->click();
        return;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        auto *focused = qobject_cast<QPushButton *>(QApplication::focusWidget());
        QPushButton *b = buttons().contains(focused) ? focused : defaultButton();
        if (b)
            b->click();
        return;
    }
    // A button's underlined letter presses it without Alt too, as in a message box.
    if (!(event->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier)))
        for (QPushButton *b : buttons())
            if (const QKeySequence mnemonic = QKeySequence::mnemonic(b->text());
                !mnemonic.isEmpty() && mnemonic[0].key() == Qt::Key(key)) {
                b->click();
                return;
            }
    ModalPanel::keyPressEvent(event);
}

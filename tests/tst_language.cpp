// SPDX-License-Identifier: GPL-3.0-or-later
// The lesson in the pupil's language: which language a run speaks, and every text of every screen,
// panel and state fitting its place in every language the lesson speaks, at the original size and
// at a large scale.
#include "classgraph.h"
#include "classreport.h"
#include "classtext.h"
#include "classwindow.h"
#include "dialogs.h"
#include "graphform.h"
#include "handin.h"
#include "language.h"
#include "namepanel.h"
#include "prediction.h"
#include "testsupport.h"
#include "twips.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextLayout>
#include <QTimer>
#include <QtTest>
#include <cmath>

namespace {

// Whether a label's text, wrapped as the label wraps it and in its font, lies inside the label.
QString labelFault(const QLabel *label)
{
    const QString text = label->text();
    if (text.isEmpty() || !label->pixmap().isNull())
        return QString();
    const QFontMetrics metrics(label->font());
    const QRect area = label->contentsRect();
    if (label->wordWrap()) {
        const QRect needed = metrics.boundingRect(area, int(label->alignment()) | Qt::TextWordWrap, text);
        if (needed.width() > area.width() || needed.height() > area.height())
            return QStringLiteral("needs %1 x %2 in %3 x %4")
                .arg(needed.width())
                .arg(needed.height())
                .arg(area.width())
                .arg(area.height());
        return QString();
    }
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString &line : lines)
        if (metrics.horizontalAdvance(line) > area.width())
            return QStringLiteral("a line %1 wide in %2").arg(metrics.horizontalAdvance(line)).arg(area.width());
    // One line: its ink inside, wherever the alignment puts it (a big title sits on the bottom).
    if (lines.size() == 1) {
        const int baseline =
            label->alignment().testFlag(Qt::AlignBottom) ? area.height() - metrics.descent() : metrics.ascent();
        const QRect ink = metrics.tightBoundingRect(text).translated(0, baseline);
        if (ink.top() < 0 || ink.bottom() >= area.height())
            return QStringLiteral("ink from %1 to %2 in %3").arg(ink.top()).arg(ink.bottom()).arg(area.height());
    } else if (lines.size() * metrics.lineSpacing() > area.height() + metrics.leading()) {
        return QStringLiteral("%1 lines in %2").arg(lines.size()).arg(area.height());
    }
    return QString();
}

// Whether a button's caption fits inside its edges.
QString buttonFault(const QAbstractButton *button)
{
    QString caption = button->text();
    caption.remove(QLatin1Char('&'));
    if (caption.isEmpty())
        return QString();
    const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    const int needed = QFontMetrics(button->font()).horizontalAdvance(caption) + 2 * margin;
    return needed > button->width() ? QStringLiteral("needs %1 in %2").arg(needed).arg(button->width()) : QString();
}

// The lines of a label's text as the label lays them out, in the coordinates of `area`.
QList<QRect> inkLines(const QLabel *label, QWidget *area)
{
    QTextLayout layout(label->text(), label->font());
    QTextOption option(label->alignment());
    option.setWrapMode(label->wordWrap() ? QTextOption::WordWrap : QTextOption::ManualWrap);
    layout.setTextOption(option);
    const QRect box = label->contentsRect();
    QList<QRect> lines;
    layout.beginLayout();
    qreal top = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(box.width());
        line.setPosition(QPointF(0, top));
        const int width = int(std::ceil(line.naturalTextWidth()));
        const int left = label->alignment() & Qt::AlignHCenter ? (box.width() - width) / 2 : 0;
        lines << QRect(label->mapTo(area, box.topLeft() + QPoint(left, int(top))), QSize(width, int(line.height())));
        top += line.height();
    }
    layout.endLayout();
    return lines;
}

// Whether a label's text runs under a button or a picture beside it.
QString overlapFault(const QLabel *label, QWidget *area)
{
    if (label->text().isEmpty() || !label->pixmap().isNull() || !label->isVisibleTo(area))
        return QString();
    for (QWidget *other : area->findChildren<QWidget *>()) {
        auto *picture = qobject_cast<QLabel *>(other);
        const bool solid = qobject_cast<QAbstractButton *>(other) || (picture && !picture->pixmap().isNull());
        if (!solid || !other->isVisibleTo(area) || other->isAncestorOf(label) || label->isAncestorOf(other))
            continue;
        const QRect place(other->mapTo(area, QPoint(0, 0)), other->size());
        for (const QRect &line : inkLines(label, area))
            if (line.intersects(place))
                return QStringLiteral("runs under %1 at %2,%3")
                    .arg(QString::fromLatin1(other->metaObject()->className()))
                    .arg(place.x())
                    .arg(place.y());
    }
    return QString();
}

// Which two texts of an area overlap or touch, so that they read as one block: no line of one may
// share a pixel row with a line of the other unless a wide gap parts them (the smaller line's
// height, far more than a space between words), nor lie against it with no row between.
QStringList touchFaults(QWidget *area)
{
    QList<const QLabel *> texts;
    for (const QLabel *label : area->findChildren<QLabel *>())
        if (!label->text().isEmpty() && label->pixmap().isNull() && label->isVisibleTo(area))
            texts << label;
    QStringList faults;
    for (qsizetype a = 0; a < texts.size(); ++a)
        for (qsizetype b = a + 1; b < texts.size(); ++b) {
            bool touch = false;
            for (const QRect &one : inkLines(texts[a], area))
                for (const QRect &other : inkLines(texts[b], area)) {
                    const int across = std::max(one.left(), other.left()) - std::min(one.right(), other.right()) - 1;
                    const int down = std::max(one.top(), other.top()) - std::min(one.bottom(), other.bottom()) - 1;
                    touch = touch || (down <= 0 && across < std::min(one.height(), other.height()));
                }
            if (touch)
                faults << QStringLiteral("\"%1\" touches \"%2\"").arg(texts[a]->text(), texts[b]->text());
        }
    return faults;
}

// Every label and button of an area as it stands now.
void checkArea(QWidget *area, const QString &where, QStringList &faults)
{
    for (QLabel *label : area->findChildren<QLabel *>()) {
        if (const QString fault = labelFault(label); !fault.isEmpty())
            faults << QStringLiteral("%1: \"%2\" %3").arg(where, label->text(), fault);
        if (const QString fault = overlapFault(label, area); !fault.isEmpty())
            faults << QStringLiteral("%1: \"%2\" %3").arg(where, label->text(), fault);
    }
    for (const QString &fault : touchFaults(area))
        faults << QStringLiteral("%1: %2").arg(where, fault);
    for (QAbstractButton *button : area->findChildren<QAbstractButton *>())
        if (const QString fault = buttonFault(button); !fault.isEmpty())
            faults << QStringLiteral("%1: \"%2\" %3").arg(where, button->text(), fault);
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        Language::install(QStringLiteral("en"));
        Twips::setScale(1.0);
    }
    void languageChosen_data();
    void languageChosen();
    void everyTextFitsItsPlace_data();
    void everyTextFitsItsPlace();
    void classViewFits_data() { everyTextFitsItsPlace_data(); }
    void classViewFits();
};

void LanguageTest::languageChosen_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("environment"); // NAME=value
    QTest::addColumn<QString>("language");
    QTest::newRow("nothing set") << "" << QStringList() << "en";
    QTest::newRow("LANG French") << "" << QStringList{"LANG=fr_FR.UTF-8"} << "fr";
    QTest::newRow("LANG Canadian French") << "" << QStringList{"LANG=fr_CA"} << "fr";
    QTest::newRow("LANG German") << "" << QStringList{"LANG=de_DE.UTF-8"} << "de";
    QTest::newRow("LANG Swiss German") << "" << QStringList{"LANG=de_CH.UTF-8"} << "de";
    QTest::newRow("LANG Spanish") << "" << QStringList{"LANG=es_ES.UTF-8"} << "es";
    QTest::newRow("LANG Mexican Spanish") << "" << QStringList{"LANG=es_MX"} << "es";
    QTest::newRow("a language the lesson lacks") << "" << QStringList{"LANG=it_IT.UTF-8"} << "en";
    QTest::newRow("LC_MESSAGES before LANG")
        << "" << QStringList{"LC_MESSAGES=en_GB.UTF-8", "LANG=fr_FR.UTF-8"} << "en";
    QTest::newRow("LC_ALL before LC_MESSAGES") << "" << QStringList{"LC_ALL=fr_BE.UTF-8", "LC_MESSAGES=en_GB"} << "fr";
    QTest::newRow("LANGUAGE list, first it speaks") << "" << QStringList{"LANGUAGE=it:es:de:en", "LANG=en_GB"} << "es";
    QTest::newRow("LANGUAGE with nothing it speaks") << "" << QStringList{"LANGUAGE=it", "LANG=fr_FR"} << "fr";
    QTest::newRow("C locale") << "" << QStringList{"LANG=C.UTF-8"} << "en";
    QTest::newRow("option over the desktop") << "fr" << QStringList{"LANG=en_US.UTF-8"} << "fr";
    QTest::newRow("English option") << "en" << QStringList{"LANG=fr_FR.UTF-8"} << "en";
    QTest::newRow("German option") << "de" << QStringList{"LANG=es_ES.UTF-8"} << "de";
    QTest::newRow("Spanish option") << "ES" << QStringList{"LANG=de_DE.UTF-8"} << "es";
    QTest::newRow("option it lacks") << "xx" << QStringList{"LANG=fr_FR.UTF-8"} << "fr";
}

void LanguageTest::languageChosen()
{
    QFETCH(QString, option);
    QFETCH(QStringList, environment);
    QFETCH(QString, language);
    const auto read = [&](const char *name) {
        for (const QString &entry : environment)
            if (entry.section(QLatin1Char('='), 0, 0) == QLatin1String(name))
                return entry.section(QLatin1Char('='), 1);
        return QString();
    };
    QCOMPARE(Language::choose(option, read), language);
}

void LanguageTest::everyTextFitsItsPlace_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<double>("scale");
    for (const QString &language : Language::available())
        for (double scale : {1.0, 2.0})
            QTest::addRow("%s at %g", qPrintable(language), scale) << language << scale;
}

void LanguageTest::everyTextFitsItsPlace()
{
    QFETCH(QString, language);
    QFETCH(double, scale);
    QVERIFY(Language::install(language));
    Twips::setScale(scale);
    TestLesson t;
    t.lesson.chain.start();
    LAPINAR1 &state = t.lesson.state;
    // Everything is checked with the lesson's font; in a run of its own (FONTCONFIG_FILE without
    // Liberation Sans, as on a machine that lacks it) the name panel, the yes-or-no panels and the
    // messages are checked with the desktop's fallback font too. The screens, reminders and worksheet
    // questions keep the lesson's original layout, made for the lesson's font alone.
    const bool fallbackFont = qEnvironmentVariableIsSet("LAPINAR_FALLBACK_FONT");
    if (fallbackFont)
        QVERIFY2(QFontInfo(Twips::font(Twips::Face::MSSansSerif, 9.75)).family() != QStringLiteral("Liberation Sans"),
                 "the fallback font run still finds Liberation Sans");
    QStringList faults, lessonFontFaults;
    int panelsSeen = 0;

    // Every panel that opens on the way is looked at before it is closed; message boxes size
    // themselves to their text and are only closed.
    QTimer poll;
    poll.setInterval(0);
    connect(&poll, &QTimer::timeout, this, [&] {
        QWidget *open = openModal(t);
        if (auto *reminder = qobject_cast<ReminderDialog *>(open)) {
            checkArea(reminder, QStringLiteral("reminder"), lessonFontFaults);
            ++panelsSeen;
            reminder->okButton()->click();
        } else if (auto *question = qobject_cast<QuestionDialog *>(open)) {
            checkArea(question, QStringLiteral("question"), lessonFontFaults);
            ++panelsSeen;
            question->CloseButton->click();
        } else if (auto *box = qobject_cast<MessagePanel *>(open)) {
            checkArea(box, QStringLiteral("message"), faults);
            (box->button(QMessageBox::No) ? box->button(QMessageBox::No) : box->buttons().value(0))->click();
        } else if (auto *name = qobject_cast<NamePanel *>(open)) {
            checkArea(name, QStringLiteral("name panel"), faults);
            ++panelsSeen;
            QTest::keyClicks(name->field(), QStringLiteral("Anna"));
            name->okButton()->click();
        } else if (auto *yesNo = qobject_cast<YesNoPanel *>(open)) {
            checkArea(yesNo, QStringLiteral("yes or no"), faults);
            ++panelsSeen;
            yesNo->noButton()->click();
        }
    });
    poll.start();

    for (int i = 0; i < ScreenCount; ++i) {
        const ScreenId id = ScreenId(i);
        if (id == ScreenId::Island)
            state.CurrentYear = 1;
        if (id == ScreenId::Foxes)
            state.CurrentYear = 0;
        t.lesson.chain.move(t.showing(), id);
        LessonScreen *screen = t.showing();
        const QString name = screenName(id);
        checkArea(screen, name, lessonFontFaults);
        if (QPushButton *question = screen->questionButton())
            QTest::mouseClick(question, Qt::LeftButton);

        switch (id) {
        case ScreenId::Prediction:
            QTest::mouseClick(static_cast<Prediction *>(screen)->predictionText(0), Qt::LeftButton);
            checkArea(screen, name, lessonFontFaults);
            [[fallthrough]];
        case ScreenId::Intro1:
            // Their ">>" reminds first; the move it then makes is undone by the next screen's move.
            QTest::mouseClick(screen->cmdButton(0), Qt::LeftButton);
            break;
        case ScreenId::Island:
            for (int year = 1; year <= 10; ++year) {
                state.CurrentYear = qint16(year);
                screen->activate();
                checkArea(screen, QStringLiteral("%1 visit %2").arg(name).arg(year), lessonFontFaults);
            }
            // The estimation reminder, from a click in an estimating year; the first visit's reminder.
            QTest::mouseClick(screen->findChildren<ClickableImage *>().value(0), Qt::LeftButton);
            state.CurrentYear = 1;
            screen->activate();
            QTest::mouseClick(screen->cmdButton(0), Qt::LeftButton);
            break;
        case ScreenId::Foxes:
            for (int year = 0; year <= 10; ++year) {
                state.CurrentYear = qint16(year);
                screen->activate();
                checkArea(screen, QStringLiteral("%1 year %2").arg(name).arg(year), lessonFontFaults);
            }
            break;
        case ScreenId::GraphForm: {
            // A screen reader that picks its voice by the language of the text is told the lesson's.
            QAccessibleInterface *title =
                QAccessible::queryAccessibleInterface(static_cast<GraphForm *>(screen)->titleText());
            int start = 0, end = 0;
            QVERIFY(title->textInterface()
                        ->attributes(0, &start, &end)
                        .contains(QStringLiteral("language:%1;").arg(language)));
            for (int press = 0; press < 2; ++press) {
                QTest::mouseClick(static_cast<GraphForm *>(screen)->actionButton(4), Qt::LeftButton);
                checkArea(screen, name, lessonFontFaults);
            }
            break;
        }
        case ScreenId::Conclusion:
            for (int total : {-1, 0, 10, 100, 150, 170, 180, 250, 300, 340, 350, 400}) {
                state.Counted = {};
                state.Counted[1] = qint16(total);
                screen->activate();
                checkArea(screen, QStringLiteral("%1 with %2 counted").arg(name).arg(total), lessonFontFaults);
            }
            break;
        default:
            break;
        }
    }
    // The panels beyond the screens' own: the name asked on a shared login, carrying on, the quit
    // question, and what the pupil is told of a hand-in.
    NamePanel name(t.lesson.window);
    QCOMPARE(name.ask(), QStringLiteral("Anna"));
    YesNoPanel offer(t.lesson.window);
    QSignalSpy answered(&offer, &YesNoPanel::answered);
    offer.ask(QCoreApplication::translate("KeptLesson", "Carry on where you stopped?"));
    QTRY_COMPARE(answered.count(), 1);
    t.lesson.chain.confirmQuit();
    for (const QString &told : {HandIn::noBoxText(), HandIn::notSetUpText(), HandIn::takenText(), HandIn::failedText(),
                                HandIn::handedInText()})
        t.lesson.chain.information(told);
    poll.stop();
    QCOMPARE(panelsSeen, 8 + 4 + 2);
    if (!fallbackFont)
        faults += lessonFontFaults;
    if (!faults.isEmpty())
        QFAIL(qPrintable(faults.join(QLatin1Char('\n'))));
}

// The class window at its smallest, with every part of it showing, and its report, in each language.
void LanguageTest::classViewFits()
{
    QFETCH(QString, language);
    QFETCH(double, scale);
    QVERIFY(Language::install(language));
    Twips::setScale(scale);
    QTemporaryDir folder;
    HandInCsv::HandIn handIn;
    handIn.pupil = QStringLiteral("ann");
    handIn.date = QStringLiteral("9999-01-01T00:00:00Z");
    handIn.rabbits[3] = 12;
    for (const QString &name : {QStringLiteral("ann.csv"), QStringLiteral("zz.csv")}) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(HandInCsv::write(handIn)) > 0);
    }
    QFile list(folder.filePath(QString::fromLatin1(ClassList::FileName)));
    QVERIFY(list.open(QIODevice::WriteOnly) && list.write("ann\nbob\n") > 0);
    list.close();
    const ClassFolder::Class handIns = ClassFolder::read(folder.path());
    const ClassList::List classList = ClassList::read(folder.path(), QString());
    ClassWindow window(folder.path());
    window.showClass(handIns, classList);
    window.resize(window.minimumSize());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QStringList faults;
    for (const bool truth : {false, true}) {
        window.setTruthShown(truth);
        checkArea(&window, QStringLiteral("class window"), faults);
        // Every year and "Handed in" without scrolling sideways.
        if (window.table()->horizontalScrollBar()->maximum() > 0)
            faults << QStringLiteral("class window: the table scrolls sideways");
    }
    const QString pdf = folder.filePath(QStringLiteral("class.pdf"));
    QString error;
    QVERIFY2(ClassReport::write(pdf, handIns, QDate(2026, 3, 4), &error, classList), qPrintable(error));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), pdf, QStringLiteral("-")});
    QVERIFY2(text.waitForFinished(30000), "poppler-utils are needed");
    const QString words = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    for (const QString &said :
         {ClassGraph::tr("rabbits really there"), ClassGraph::tr("class median"), ClassText::missingRow(),
          ClassText::yearHeading(0), ClassText::tr("Handed in"), ClassText::tr("Files left out")})
        if (!words.contains(said))
            faults << QStringLiteral("class report: \"%1\" cut").arg(said);
    if (!faults.isEmpty())
        QFAIL(qPrintable(faults.join(QLatin1Char('\n'))));
}

QTEST_MAIN(LanguageTest)
#include "tst_language.moc"

#include "FleetingData.h"
#include "RecordingFormView.h"
#include "form/ErrorReport.h"
#include "form/MainForm.h"
#include "runtime/RuntimeError.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleHints>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

namespace faktorlupe {
namespace {

// A stopwatch whose clocks stand still: every scan shows "0".
Stopwatch stoppedClock() {
    return Stopwatch([] { return 1000.0f; }, ",", [] { return 0.0; });
}

// A form whose error reports are collected instead of shown: a test that raises an error by
// surprise fails instead of hanging in a modal dialog.
class HandlersTest : public ::testing::Test {
protected:
    HandlersTest()
        : form([this](QWidget*, const RuntimeError& error) { reported.push_back(error.code()); },
               stoppedClock()),
          c(form.controls()) {}

    void type(QLineEdit* box, const char* text) { box->setText(QString::fromUtf8(text)); }
    // Runs a call from the event queue, as a click queued during a scan's yield would.
    template <typename Call> void queue(Call call) {
        QMetaObject::invokeMethod(&form, call, Qt::QueuedConnection);
    }

    MainForm form;
    const Controls& c;
    std::vector<int> reported;
};

TEST_F(HandlersTest, EachButtonRunsItsScanIntoItsRow) {
    c.cmdAlle->click();
    c.cmdHalbe->click();
    c.cmdWurzel->click();
    for (const QPlainTextEdit* box : {c.txtAlle, c.txtHalbe, c.txtWurzel})
        EXPECT_EQ(box->toPlainText(), "1 - 71 - 10103 - 717313");
    for (const QLineEdit* box : {c.txtZeitAlle, c.txtZeitHalbe, c.txtZeitWurzel})
        EXPECT_EQ(box->text(), "0");
    EXPECT_EQ(c.txtEingabe->text(), "717313");
    EXPECT_TRUE(reported.empty());
    // Beside the time box's whole hundredths, its tooltip gives the exact figures (the stopped
    // clock's separator is the comma) and its description the same in words for speech; the
    // button's description tells the result in words, the status line the last scan's figures.
    const QRegularExpression exactSeconds(QStringLiteral("^genau (0|0,0*[1-9][0-9]{0,2}) s · "));
    const QRegularExpression spokenSeconds(
        QStringLiteral("^genau [0-9]+(,[0-9]+)? (Nano|Mikro|Milli)?(s|S)ekunden?, "));
    const char* figures[] = {"717312 Kandidaten · 4 Teiler", "358655 Kandidaten · 4 Teiler",
                             "845 Kandidaten · 4 Teiler"};
    const char* spokenFigures[] = {", 717312 Kandidaten, 4 Teiler", ", 358655 Kandidaten, 4 Teiler",
                                   ", 845 Kandidaten, 4 Teiler"};
    const QLineEdit* timeBoxes[] = {c.txtZeitAlle, c.txtZeitHalbe, c.txtZeitWurzel};
    for (int row = 0; row < 3; ++row) {
        const QString tooltip = timeBoxes[row]->toolTip();
        EXPECT_TRUE(exactSeconds.match(tooltip).hasMatch()) << tooltip.toStdString();
        EXPECT_TRUE(tooltip.endsWith(QString::fromUtf8(figures[row]))) << tooltip.toStdString();
        const QString described = timeBoxes[row]->accessibleDescription();
        EXPECT_TRUE(spokenSeconds.match(described).hasMatch()) << described.toStdString();
        EXPECT_TRUE(described.endsWith(QString::fromUtf8(spokenFigures[row])))
            << described.toStdString();
    }
    for (const QPushButton* button : {c.cmdAlle, c.cmdHalbe, c.cmdWurzel})
        EXPECT_TRUE(button->accessibleDescription().startsWith(
            "4 Teiler: 1, 71, 10103 und 717313, 0 Sekunden, genau "))
            << button->accessibleDescription().toStdString();
    const QString status = form.statusLine().shownText();
    EXPECT_TRUE(status.startsWith(QString::fromUtf8("Algorithmus >Wurzel< mit 717313: ")))
        << status.toStdString();
    EXPECT_TRUE(status.endsWith(QString::fromUtf8(" · 845 Kandidaten · 4 Teiler")))
        << status.toStdString();
}

struct Row {
    const char* name;
    QPushButton* Controls::*clear;
    QPlainTextEdit* Controls::*result;
    QLineEdit* Controls::*time;
};

const Row kRows[] = {
    {"Alle", &Controls::Command1, &Controls::txtAlle, &Controls::txtZeitAlle},
    {"Halbe", &Controls::Command2, &Controls::txtHalbe, &Controls::txtZeitHalbe},
    {"Wurzel", &Controls::Command3, &Controls::txtWurzel, &Controls::txtZeitWurzel},
};

class ClearButtonTest : public HandlersTest, public ::testing::WithParamInterface<Row> {};

TEST_P(ClearButtonTest, EmptiesItsRowAndNothingElse) {
    c.cmdAlle->click();
    c.cmdHalbe->click();
    c.cmdWurzel->click();
    (c.*GetParam().clear)->click();
    for (const Row& row : kRows) {
        const bool cleared = row.clear == GetParam().clear;
        EXPECT_EQ((c.*row.result)->toPlainText(), cleared ? "" : "1 - 71 - 10103 - 717313");
        EXPECT_EQ((c.*row.time)->text(), cleared ? "" : "0");
        EXPECT_EQ((c.*row.time)->toolTip().isEmpty(), cleared);
    }
    EXPECT_EQ(c.txtEingabe->text(), "717313");
    // An empty row stays empty.
    (c.*GetParam().clear)->click();
    EXPECT_EQ((c.*GetParam().result)->toPlainText(), "");
}

// A click on the background beside an "x" button, within 24 pixels around its centre, presses
// it; one further away does not. The clicks are sent where the window system sends them, to the
// form's background, which gets only what no control covers.
TEST_P(ClearButtonTest, BackgroundAroundItPressesIt) {
    QWidget* background = c.Command1->parentWidget();
    QPushButton* button = c.*GetParam().clear;
    c.cmdAlle->click();
    c.cmdHalbe->click();
    c.cmdWurzel->click();
    const auto clickAt = [&](QPoint at) {
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, background->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QApplication::sendEvent(background, &event);
        }
    };
    const QRect drawn = button->geometry();
    ASSERT_EQ(drawn.size(), QSize(17, 17));
    // 3 pixels above the top and right of the right edge: within 24 pixels round the centre.
    clickAt(QPoint(drawn.center().x(), drawn.top() - 3));
    EXPECT_EQ((c.*GetParam().result)->toPlainText(), "");
    c.cmdAlle->click();
    c.cmdHalbe->click();
    c.cmdWurzel->click();
    clickAt(QPoint(drawn.right() + 4, drawn.center().y()));
    EXPECT_EQ((c.*GetParam().result)->toPlainText(), "") << "right of the button";
    c.cmdAlle->click();
    c.cmdHalbe->click();
    c.cmdWurzel->click();
    // 5 pixels above: outside the 24-pixel square.
    clickAt(QPoint(drawn.center().x(), drawn.top() - 5));
    EXPECT_EQ((c.*GetParam().result)->toPlainText(), "1 - 71 - 10103 - 717313");
}

INSTANTIATE_TEST_SUITE_P(Form, ClearButtonTest, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HandlersTest, TypedTextStaysUntilItsRowIsScannedOrCleared) {
    c.txtZeitHalbe->setText("meine Notiz");
    c.txtWurzel->setPlainText("getippt");
    c.cmdAlle->click();
    EXPECT_EQ(c.txtZeitHalbe->text(), "meine Notiz");
    EXPECT_EQ(c.txtWurzel->toPlainText(), "getippt");
    c.cmdHalbe->click();
    EXPECT_EQ(c.txtZeitHalbe->text(), "0");
    c.Command3->click();
    EXPECT_EQ(c.txtWurzel->toPlainText(), "");
}

TEST_F(HandlersTest, ErrorIsReportedAndTheFormGoesOn) {
    type(c.txtEingabe, "2147483648");
    c.cmdAlle->click();
    type(c.txtEingabe, "-6");
    c.cmdWurzel->click();
    EXPECT_EQ(reported, (std::vector<int>{6, 5}));
    EXPECT_EQ(c.txtAlle->toPlainText(), "");
    EXPECT_EQ(c.txtWurzel->toPlainText(), "");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    type(c.txtEingabe, "12");
    c.cmdAlle->click();
    c.cmdWurzel->click();
    EXPECT_EQ(c.txtAlle->toPlainText(), "1 - 2 - 3 - 4 - 6 - 12");
    EXPECT_EQ(c.txtWurzel->toPlainText(), "1 - 2 - 3 - 4 - 6 - 12");
    EXPECT_EQ(reported.size(), 2u);
}

TEST_F(HandlersTest, LongPasteLeavesNoUndoHistoryButTheText) {
    // Qt's line edit keeps every pasted character in its undo history, for good.
    const QString longText = QStringLiteral("12") + QString(100000, QLatin1Char('x'));
    QApplication::clipboard()->setText(longText);
    c.txtEingabe->selectAll();
    c.txtEingabe->paste();
    QApplication::processEvents();
    EXPECT_FALSE(c.txtEingabe->isUndoAvailable());
    EXPECT_EQ(c.txtEingabe->text(), longText);
    EXPECT_EQ(c.txtEingabe->cursorPosition(), longText.size());
    c.cmdAlle->click();
    EXPECT_EQ(c.txtAlle->toPlainText(), "1 - 2 - 3 - 4 - 6 - 12");
    // Ordinary typing keeps its undo.
    type(c.txtEingabe, "1");
    c.txtEingabe->end(false);
    c.txtEingabe->insert(QStringLiteral("2"));
    QApplication::processEvents();
    EXPECT_TRUE(c.txtEingabe->isUndoAvailable());
}

// The ways a paste reaches a box. On X11 the clipboard of a program that copied and then quit
// holds data without a single format, which a result box read past its end.
struct PasteWay {
    const char* name;
    void (*paste)(QWidget& box, const QMimeData& data);
    bool fromTheSelection = false; // X11's, which Qt's offscreen platform does not have
};

void sendKey(QWidget& box, int key, Qt::KeyboardModifiers modifiers, const char* text = "") {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, QString::fromLatin1(text));
    QApplication::sendEvent(&box, &press);
}

// A multi-line box takes the mouse and drops on its viewport.
QWidget& mouseTarget(QWidget& box) {
    auto* area = qobject_cast<QAbstractScrollArea*>(&box);
    return area != nullptr ? *area->viewport() : box;
}

void drop(QWidget& box, const QMimeData& data) {
    const QPoint inside(5, 5);
    QDragEnterEvent enter(inside, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QDragMoveEvent move(inside, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QDropEvent dropped(inside, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    for (QEvent* event : std::initializer_list<QEvent*>{&enter, &move, &dropped})
        QApplication::sendEvent(&mouseTarget(box), event);
}

void middleClick(QWidget& box, const QMimeData&) {
    QWidget& target = mouseTarget(box);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent click(type, QPointF(5, 5), target.mapToGlobal(QPointF(5, 5)), Qt::MiddleButton,
                          type == QEvent::MouseButtonPress ? Qt::MiddleButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&target, &click);
    }
}

const PasteWay kPasteWays[] = {
    {"CtrlV", [](QWidget& box, const QMimeData&) { sendKey(box, Qt::Key_V, Qt::ControlModifier); }},
    {"ShiftInsert",
     [](QWidget& box, const QMimeData&) { sendKey(box, Qt::Key_Insert, Qt::ShiftModifier); }},
    {"Drop", drop},
    {"CtrlShiftInsert",
     [](QWidget& box, const QMimeData&) {
         sendKey(box, Qt::Key_Insert, Qt::ControlModifier | Qt::ShiftModifier);
     },
     true},
    {"MiddleClick", middleClick, true},
};

class EmptyPasteTest : public HandlersTest, public ::testing::WithParamInterface<PasteWay> {};
class FleetingPasteTest : public HandlersTest, public ::testing::WithParamInterface<PasteWay> {};

TEST_P(EmptyPasteTest, LeavesEveryBoxAsItWas) {
    c.cmdAlle->click();
    QApplication::clipboard()->setMimeData(new QMimeData);
    const QMimeData nothing;
    for (QWidget* widget : c.inTableOrder) {
        const auto* line = qobject_cast<QLineEdit*>(widget);
        const auto* multiLine = qobject_cast<QPlainTextEdit*>(widget);
        if (line == nullptr && multiLine == nullptr)
            continue;
        const auto text = [&] { return line != nullptr ? line->text() : multiLine->toPlainText(); };
        const QString before = text();
        widget->setFocus();
        GetParam().paste(*widget, nothing);
        EXPECT_EQ(text(), before) << widget->objectName().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Form, EmptyPasteTest, ::testing::ValuesIn(kPasteWays),
                         [](const auto& info) { return std::string(info.param.name); });

// What a line box or a multi-line box holds.
QString textIn(const QWidget& box) {
    return box.property(box.inherits("QLineEdit") ? "text" : "plainText").toString();
}

TEST_P(FleetingPasteTest, EveryBoxTakesTheTextReadOnce) {
    if (GetParam().fromTheSelection && !QApplication::clipboard()->supportsSelection())
        GTEST_SKIP() << "runs on X11: paste_tests_on_x11";
    for (QWidget* widget : c.inTableOrder) {
        const bool multiLine = widget->inherits("QPlainTextEdit");
        if ((!multiLine && !widget->inherits("QLineEdit")) || widget->property("readOnly").toBool())
            continue;
        widget->setProperty(multiLine ? "plainText" : "text", QString());
        for (const QClipboard::Mode mode : {QClipboard::Clipboard, QClipboard::Selection})
            QApplication::clipboard()->setMimeData(new FleetingData, mode);
        const FleetingData dragged;
        widget->setFocus();
        GetParam().paste(*widget, dragged);
        EXPECT_EQ(textIn(*widget), "4711") << widget->objectName().toStdString();
        // The cursor shows where the keys put it, not where the drop went.
        const auto shownAfter = [widget](Qt::Key key) {
            sendKey(*widget, key, Qt::NoModifier);
            return widget->grab().toImage();
        };
        EXPECT_TRUE(!multiLine || shownAfter(Qt::Key_Home) != shownAfter(Qt::Key_End))
            << widget->objectName().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Form, FleetingPasteTest, ::testing::ValuesIn(kPasteWays),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HandlersTest, UndoTakesBackAShortPasteAloneAndTypingAfterIt) {
    c.txtEingabe->clear();
    for (QWidget* box : std::initializer_list<QWidget*>{c.txtEingabe, c.txtAlle}) {
        QApplication::clipboard()->setText(QStringLiteral("34"));
        sendKey(*box, Qt::Key_1, Qt::NoModifier, "1");
        sendKey(*box, Qt::Key_2, Qt::NoModifier, "2");
        sendKey(*box, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(textIn(*box), "1234");
        sendKey(*box, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(textIn(*box), "12") << box->objectName().toStdString();
        // Qt's own multi-line box takes typing right after a paste into the paste's step.
        sendKey(*box, Qt::Key_V, Qt::ControlModifier);
        sendKey(*box, Qt::Key_5, Qt::NoModifier, "5");
        sendKey(*box, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(textIn(*box), box == c.txtEingabe ? "1234" : "12")
            << box->objectName().toStdString();
    }
}

// Each line of a result box's text as the box breaks it.
std::vector<QString> shownLines(const QPlainTextEdit& box) {
    std::vector<QString> lines;
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next())
        for (int i = 0; i < block.layout()->lineCount(); ++i) {
            const QTextLine line = block.layout()->lineAt(i);
            lines.push_back(block.text().mid(line.textStart(), line.textLength()));
        }
    return lines;
}

TEST_F(HandlersTest, ResultBoxWrapsLongWordsAnywhereAndListsBetweenTheirEntries) {
    form.show();
    QApplication::clipboard()->setText(QString(20000, QLatin1Char('7')));
    c.txtAlle->setFocus();
    c.txtAlle->paste();
    const std::vector<QString> word = shownLines(*c.txtAlle);
    ASSERT_GT(word.size(), 20u);
    for (const QString& line : word)
        EXPECT_LT(line.size(), 1000);
    // The list that follows wraps between its entries again, as every list always has.
    type(c.txtEingabe, "720720");
    c.cmdAlle->click();
    const std::vector<QString> list = shownLines(*c.txtAlle);
    ASSERT_GT(list.size(), 2u);
    for (std::size_t i = 0; i + 1 < list.size(); ++i)
        EXPECT_TRUE(list[i].endsWith(QLatin1Char(' '))) << list[i].toStdString();
}

TEST_F(HandlersTest, CursorStaysLitWhileTheFocusedBoxHoldsALongText) {
    form.show();
    QApplication::setActiveWindow(&form);
    const int desktop = QGuiApplication::styleHints()->cursorFlashTime();
    ASSERT_GT(desktop, 0);
    c.txtEingabe->setFocus();
    const auto blinks = [] { return QGuiApplication::styleHints()->cursorFlashTime(); };
    EXPECT_EQ(blinks(), desktop);
    c.txtEingabe->setText(QString(1024 * 1024, QLatin1Char('7')));
    EXPECT_EQ(blinks(), 0);
    c.txtAlle->setFocus();
    EXPECT_EQ(blinks(), desktop);
    c.txtEingabe->setFocus();
    EXPECT_EQ(blinks(), 0);
    c.txtEingabe->setText(QStringLiteral("717313"));
    EXPECT_EQ(blinks(), desktop);
}

TEST_F(HandlersTest, HalfScanOfNegativeNumberShowsItsList) {
    type(c.txtEingabe, "-6");
    c.cmdHalbe->click();
    EXPECT_EQ(c.txtHalbe->toPlainText(), "1 --6");
    EXPECT_TRUE(reported.empty());
}

TEST_F(HandlersTest, ScanClicksDuringAScanRunAfterItInClickOrder) {
    // Each reading of this clock lies further from the one before, so every scan shows its own
    // time: 1 s for the first, 20 s for the second, 200 s for the third, 2000 s for the fourth.
    MainForm timed(
        [this](QWidget*, const RuntimeError& error) { reported.push_back(error.code()); },
        testing::stopwatchReading({0, 1, 10, 30, 100, 300, 1000, 3000}, ","));
    const Controls& t = timed.controls();
    type(t.txtEingabe, "12");
    queue([&] {
        t.cmdHalbe->click();
        t.cmdWurzel->click();
        t.cmdAlle->click();
    });
    t.cmdAlle->click();
    EXPECT_EQ(t.txtHalbe->toPlainText(), "1 - 2 - 3 - 4 - 6 - 12");
    EXPECT_EQ(t.txtWurzel->toPlainText(), "1 - 2 - 3 - 4 - 6 - 12");
    EXPECT_EQ(t.txtZeitHalbe->text(), "20");
    EXPECT_EQ(t.txtZeitWurzel->text(), "200");
    EXPECT_EQ(t.txtZeitAlle->text(), "2000");
    EXPECT_TRUE(reported.empty());
}

TEST_F(HandlersTest, ClosingTheWindowForgetsRememberedClicks) {
    form.show();
    type(c.txtEingabe, "12");
    queue([this] {
        c.cmdHalbe->click();
        form.close();
    });
    c.cmdAlle->click();
    EXPECT_EQ(c.txtHalbe->toPlainText(), "");
}

TEST_F(HandlersTest, UnforeseenExceptionIsReportedAsInternalError) {
    MainForm failing(
        [this](QWidget*, const RuntimeError& error) { reported.push_back(error.code()); },
        Stopwatch([]() -> float { throw std::length_error("zu lang"); }, ","));
    failing.controls().cmdWurzel->click();
    failing.controls().Command3->click();
    EXPECT_EQ(reported, std::vector<int>{51});
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(HandlersTest, ClearClickDuringAScansYieldRuns) {
    c.cmdHalbe->click();
    queue([this] { c.Command2->click(); });
    c.cmdAlle->click();
    EXPECT_EQ(c.txtHalbe->toPlainText(), "");
    EXPECT_EQ(c.txtAlle->toPlainText(), "1 - 71 - 10103 - 717313");
}

TEST_F(HandlersTest, TypingDuringTheYieldIsWhatTheScanReads) {
    queue([this] { c.txtEingabe->setText("12"); });
    c.cmdHalbe->click();
    // The input was read before the yield; the result box is read after it.
    EXPECT_EQ(c.txtHalbe->toPlainText(), "1 - 71 - 10103 - 717313");
    EXPECT_EQ(c.txtEingabe->text(), "12");
}

TEST_F(HandlersTest, ClosingTheWindowDuringTheYieldSkipsTheLoop) {
    form.show();
    type(c.txtEingabe, "2147483647");
    queue([this] { form.close(); });
    c.cmdAlle->click();
    EXPECT_EQ(c.txtAlle->toPlainText(), "");
    EXPECT_EQ(c.txtZeitAlle->text(), "");
    EXPECT_TRUE(reported.empty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(HandlersTest, WaitCursorShowsWhileAScanRuns) {
    bool waitCursorDuringScan = false;
    queue([&] {
        waitCursorDuringScan = QApplication::overrideCursor() != nullptr &&
                               QApplication::overrideCursor()->shape() == Qt::WaitCursor;
    });
    c.cmdWurzel->click();
    EXPECT_TRUE(waitCursorDuringScan);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(HandlersTest, LongListReachesTheWidgetOnlyAFewTimes) {
    // 2095133040 has 1600 divisors: 1600 writes to the box, which must not each lay out the
    // widget's text anew.
    int widgetUpdates = 0;
    QObject::connect(c.txtAlle, &QPlainTextEdit::textChanged, [&] { ++widgetUpdates; });
    type(c.txtEingabe, "2095133040");
    c.cmdAlle->click();
    EXPECT_LT(widgetUpdates, 40);
    EXPECT_TRUE(c.txtAlle->toPlainText().startsWith("1 - 2 - 3 - 4 - 5 - 6 - 7 - 8 - 9 - 10 - 11"));
    EXPECT_TRUE(c.txtAlle->toPlainText().endsWith(" - 1047566520 - 2095133040"));
}

TEST(ErrorReportTest, MessageBoxShowsNumberAndGermanMessage) {
    MainForm form(nullptr, stoppedClock());
    form.controls().txtEingabe->setText("2147483648");
    QString title;
    QString text;
    // Closes the report as soon as it is open; if none opens, the flag stays false.
    bool seen = false;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen = true;
            title = box->windowTitle();
            text = box->text();
            box->accept();
        }
    });
    form.controls().cmdAlle->click();
    EXPECT_TRUE(seen);
    EXPECT_EQ(title, "Faktorlupe");
    EXPECT_EQ(text, QString::fromUtf8("Laufzeitfehler '6':\n\nÜberlauf\n\n"
                                      "Die eingegebene Zahl liegt außerhalb des Bereichs, den das "
                                      "Programm verarbeiten kann; bitte eine ganze Zahl von "
                                      "-2147483648 bis 2147483647 eingeben."));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(ErrorReportTest, EachErrorSaysWhatHappenedAndWhatToDo) {
    std::vector<QString> reports;
    const auto collect = [&](QWidget*, const RuntimeError& error) {
        reports.push_back(errorReportText(error));
    };
    MainForm form(collect, stoppedClock());
    form.controls().txtEingabe->setText("-6");
    form.controls().cmdWurzel->click();
    MainForm failing(collect,
                     Stopwatch([]() -> float { throw std::length_error("zu lang"); }, ","));
    failing.controls().cmdAlle->click();
    EXPECT_EQ(reports,
              (std::vector<QString>{
                  QString::fromUtf8("Laufzeitfehler '5':\n\n"
                                    "Ungültiger Prozeduraufruf oder ungültiges Argument\n\n"
                                    "Die Quadratwurzel einer negativen Zahl gibt es nicht, "
                                    "deshalb braucht „Algorithmus >Wurzel<“ eine Zahl ab 0."),
                  QString::fromUtf8("Laufzeitfehler '51':\n\nInterner Fehler\n\n"
                                    "Im Programm ist ein unerwarteter Fehler aufgetreten "
                                    "und die Rechnung wurde abgebrochen; das Programm "
                                    "läuft weiter."),
              }));
}

} // namespace
} // namespace faktorlupe

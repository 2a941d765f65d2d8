#include "qtworkarounds/LineEditAccessible.h"

#include <QAccessible>
#include <QLineEdit>
#include <gtest/gtest.h>
#include <string>

namespace faktorlupe {
namespace {

constexpr QAccessible::TextBoundaryType kBoundaries[] = {
    QAccessible::CharBoundary,      QAccessible::WordBoundary, QAccessible::SentenceBoundary,
    QAccessible::ParagraphBoundary, QAccessible::LineBoundary, QAccessible::NoBoundary};

struct Answer {
    QString text;
    int start = 0;
    int end = 0;
};

// A one-line box as a screen reader sees it, through the interfaces Qt hands to AT-SPI.
class LineEditAccessibleTest : public ::testing::Test {
protected:
    LineEditAccessibleTest() {
        static const bool installed = (installLineEditAccessibility(), true);
        (void)installed;
    }

    QAccessibleTextInterface& textOf(QLineEdit& box) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&box);
        EXPECT_NE(accessible, nullptr);
        EXPECT_NE(accessible->textInterface(), nullptr);
        return *accessible->textInterface();
    }

    enum class Where { At, Before, After };
    static Answer ask(QAccessibleTextInterface& text, Where where, int offset,
                      QAccessible::TextBoundaryType boundary) {
        Answer answer;
        switch (where) {
        case Where::At:
            answer.text = text.textAtOffset(offset, boundary, &answer.start, &answer.end);
            break;
        case Where::Before:
            answer.text = text.textBeforeOffset(offset, boundary, &answer.start, &answer.end);
            break;
        case Where::After:
            answer.text = text.textAfterOffset(offset, boundary, &answer.start, &answer.end);
            break;
        }
        return answer;
    }
};

// Texts the boxes hold: a number, a list, a time with a comma, blanks around, nothing at all,
// an accented letter made of two code points and a character outside the basic plane.
const char* const kTexts[] = {"717313", "1 - 71 - 10103 - 717313",
                              "0,71",   "  12abc  ",
                              "",       "e\u0301t\u00E9 \U0001D7DC ok. Zwei S\u00E4tze."};

// Every offset from one before the text to one past it, every boundary, at, before and after:
// each answer is a piece of the text that lies where it says, the piece at an offset holds that
// offset, and stepping from piece to piece crosses the text whole and ends. Qt 6.4's own answer
// loops for good at the end of the text (the test's timeout catches that).
TEST_F(LineEditAccessibleTest, EveryOffsetAndBoundaryHasAConsistentAnswer) {
    for (const char* content : kTexts) {
        QLineEdit box(QString::fromUtf8(content));
        QAccessibleTextInterface& text = textOf(box);
        const QString whole = box.text();
        const int length = static_cast<int>(whole.size());
        ASSERT_EQ(text.characterCount(), length);
        for (const QAccessible::TextBoundaryType boundary : kBoundaries) {
            const std::string where =
                std::string(content) + " boundary " + std::to_string(static_cast<int>(boundary));
            for (int offset = -1; offset <= length + 1; ++offset) {
                for (const Where question : {Where::At, Where::Before, Where::After}) {
                    const Answer answer = ask(text, question, offset, boundary);
                    if (offset < 0 || offset > length) {
                        EXPECT_TRUE(answer.text.isEmpty()) << where << " at " << offset;
                        continue;
                    }
                    ASSERT_LE(0, answer.start) << where << " at " << offset;
                    ASSERT_LE(answer.start, answer.end) << where << " at " << offset;
                    ASSERT_LE(answer.end, length) << where << " at " << offset;
                    EXPECT_EQ(answer.text, whole.mid(answer.start, answer.end - answer.start))
                        << where << " at " << offset;
                    if (question == Where::At && offset < length) {
                        EXPECT_TRUE(answer.start <= offset && offset < answer.end)
                            << where << " at " << offset;
                    }
                }
            }
            // A walk from the start, piece after piece, as a screen reader reads on.
            QString walked;
            int offset = 0;
            for (int step = 0; step <= length && offset < length; ++step) {
                const Answer piece = ask(text, Where::At, offset, boundary);
                ASSERT_EQ(piece.start, offset) << where;
                walked += piece.text;
                offset = piece.end;
            }
            EXPECT_EQ(walked, whole) << where;
        }
    }
}

struct Piece {
    const char* name;
    const char* text;
    int offset;
    QAccessible::TextBoundaryType boundary;
    const char* at;
    const char* before;
    const char* after;
};

// Worked out by hand: a word runs from its start to the next word's start, and at the end of the
// text the last word is the one at the caret (where Ctrl+Right leaves it) but no character is.
const Piece kPieces[] = {
    {"WordAtTheEnd", "717313", 6, QAccessible::WordBoundary, "717313", "", ""},
    {"CharAtTheEnd", "717313", 6, QAccessible::CharBoundary, "", "3", ""},
    {"FirstWordKeepsItsDash", "1 - 71 - 10103", 0, QAccessible::WordBoundary, "1 - ", "", "71 - "},
    {"WordInTheMiddle", "1 - 71 - 10103", 5, QAccessible::WordBoundary, "71 - ", "1 - ", "10103"},
    {"LastWordAtTheEnd", "1 - 71 - 10103", 14, QAccessible::WordBoundary, "10103", "71 - ", ""},
    {"AccentIsOneCharacter", "e\u0301t", 0, QAccessible::CharBoundary, "e\u0301", "", "t"},
    {"LineIsTheWholeText", "0,71", 2, QAccessible::LineBoundary, "0,71", "", ""},
    {"LineAtTheEnd", "0,71", 4, QAccessible::LineBoundary, "0,71", "", ""},
    {"SecondSentence", "Eins. Zwei.", 7, QAccessible::SentenceBoundary, "Zwei.", "Eins. ", ""},
};

class PieceTest : public LineEditAccessibleTest, public ::testing::WithParamInterface<Piece> {};

TEST_P(PieceTest, IsTheExpectedOne) {
    const Piece& p = GetParam();
    QLineEdit box(QString::fromUtf8(p.text));
    QAccessibleTextInterface& text = textOf(box);
    EXPECT_EQ(ask(text, Where::At, p.offset, p.boundary).text, QString::fromUtf8(p.at));
    EXPECT_EQ(ask(text, Where::Before, p.offset, p.boundary).text, QString::fromUtf8(p.before));
    EXPECT_EQ(ask(text, Where::After, p.offset, p.boundary).text, QString::fromUtf8(p.after));
}

INSTANTIATE_TEST_SUITE_P(LineEdit, PieceTest, ::testing::ValuesIn(kPieces),
                         [](const auto& info) { return std::string(info.param.name); });

// Qt's own box reports a run of no length at every offset, which a screen reader joins one
// character short ("71731" for 717313); the whole text is one run.
TEST_F(LineEditAccessibleTest, AttributesRunOverTheWholeText) {
    QLineEdit box(QStringLiteral("717313"));
    QAccessibleTextInterface& text = textOf(box);
    for (int offset = 0; offset <= 6; ++offset) {
        int start = -1;
        int end = -1;
        text.attributes(offset, &start, &end);
        EXPECT_EQ(start, 0) << offset;
        EXPECT_EQ(end, 6) << offset;
    }
}

// What the screen reader sets and reads back: the text, the caret, the selection, and a box
// that only shows its text keeps it.
TEST_F(LineEditAccessibleTest, EditsReachTheBox) {
    QLineEdit box(QStringLiteral("7173"));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&box);
    accessible->editableTextInterface()->replaceText(0, 4, QStringLiteral("97"));
    EXPECT_EQ(box.text(), "97");
    accessible->editableTextInterface()->insertText(2, QStringLiteral("1"));
    EXPECT_EQ(box.text(), "971");
    accessible->textInterface()->setSelection(0, 1, 3);
    int start = 0;
    int end = 0;
    accessible->textInterface()->selection(0, &start, &end);
    EXPECT_EQ(box.selectedText(), "71");
    EXPECT_EQ(std::make_pair(start, end), std::make_pair(1, 3));
    accessible->textInterface()->setCursorPosition(1);
    EXPECT_EQ(box.cursorPosition(), 1);
    EXPECT_EQ(accessible->text(QAccessible::Value), "971");
    box.setReadOnly(true);
    accessible->editableTextInterface()->deleteText(0, 3);
    EXPECT_EQ(box.text(), "971");
    EXPECT_TRUE(accessible->state().readOnly);
}

} // namespace
} // namespace faktorlupe

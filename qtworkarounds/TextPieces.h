#pragma once

// Part of the one-line box's accessible text (LineEditAccessible.h).

#include <QAccessible>
#include <QString>

namespace faktorlupe {

// One piece of a text: [start, end) in UTF-16 offsets.
struct TextPiece {
    int start = 0;
    int end = 0;
};

// Cuts a one-line text into pieces that cover it whole, without gaps, and finds the one at an
// offset, so that a screen reader's "character, word, sentence or line at, before or after this
// offset" always has an answer and every walk through the text ends:
// - CharBoundary: one grapheme, "é" written as e and a combining accent being one;
// - WordBoundary: from a word's start to the next word's start, so "1 - 71" is "1 - " and
//   "71" (text before the first word belongs to the first piece);
// - SentenceBoundary: from a sentence's start to the next one's;
// - LineBoundary, ParagraphBoundary, NoBoundary: the whole text.
// At the text's end (offset == length) the caret stands after the last piece, and as in GTK's
// text widgets that piece is the one "at" it, except for characters: there is none there, and the
// piece is the empty one at the end. An offset outside 0..length has no piece: {-1, -1}.
TextPiece pieceAt(const QString& text, int offset, QAccessible::TextBoundaryType type);
TextPiece pieceBefore(const QString& text, int offset, QAccessible::TextBoundaryType type);
TextPiece pieceAfter(const QString& text, int offset, QAccessible::TextBoundaryType type);

} // namespace faktorlupe

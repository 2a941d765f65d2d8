#include "qtworkarounds/TextPieces.h"

#include <QTextBoundaryFinder>

namespace faktorlupe {
namespace {

constexpr TextPiece kNoPiece{-1, -1};

bool wholeText(QAccessible::TextBoundaryType type) {
    return type == QAccessible::LineBoundary || type == QAccessible::ParagraphBoundary ||
           type == QAccessible::NoBoundary;
}

QTextBoundaryFinder::BoundaryType finderType(QAccessible::TextBoundaryType type) {
    switch (type) {
    case QAccessible::WordBoundary:
        return QTextBoundaryFinder::Word;
    case QAccessible::SentenceBoundary:
        return QTextBoundaryFinder::Sentence;
    default:
        return QTextBoundaryFinder::Grapheme;
    }
}

// Whether a piece starts at this boundary. Words start only where a word does, so that the
// blanks and dashes after a word stay with it; characters and sentences start at every
// boundary the finder reports.
bool startsPiece(const QTextBoundaryFinder& finder, QAccessible::TextBoundaryType type) {
    if (type != QAccessible::WordBoundary)
        return true;
    return finder.boundaryReasons().testFlag(QTextBoundaryFinder::StartOfItem);
}

// The piece that holds the character at offset, 0 <= offset < length.
TextPiece pieceHolding(const QString& text, int offset, QAccessible::TextBoundaryType type) {
    const int length = static_cast<int>(text.size());
    if (wholeText(type))
        return {0, length};
    QTextBoundaryFinder finder(finderType(type), text);
    finder.setPosition(offset + 1);
    // Back from just after the character to the nearest piece start at or before it; the text's
    // start always counts as one. toPreviousBoundary() gives -1 when there is none, which ends
    // the walk as surely as reaching 0.
    int start = 0;
    for (qsizetype at = finder.toPreviousBoundary(); at > 0; at = finder.toPreviousBoundary())
        if (startsPiece(finder, type)) {
            start = static_cast<int>(at);
            break;
        }
    finder.setPosition(offset);
    int end = length;
    for (qsizetype at = finder.toNextBoundary(); at > 0 && at < length;
         at = finder.toNextBoundary())
        if (startsPiece(finder, type)) {
            end = static_cast<int>(at);
            break;
        }
    return {start, end};
}

} // namespace

TextPiece pieceAt(const QString& text, int offset, QAccessible::TextBoundaryType type) {
    const int length = static_cast<int>(text.size());
    if (offset < 0 || offset > length)
        return kNoPiece;
    if (offset == length) {
        if (type == QAccessible::CharBoundary || length == 0)
            return {length, length};
        return pieceHolding(text, length - 1, type);
    }
    return pieceHolding(text, offset, type);
}

TextPiece pieceBefore(const QString& text, int offset, QAccessible::TextBoundaryType type) {
    const TextPiece at = pieceAt(text, offset, type);
    if (at.start <= 0)
        return at.start < 0 ? kNoPiece : TextPiece{0, 0};
    return pieceHolding(text, at.start - 1, type);
}

TextPiece pieceAfter(const QString& text, int offset, QAccessible::TextBoundaryType type) {
    const int length = static_cast<int>(text.size());
    const TextPiece at = pieceAt(text, offset, type);
    if (at.start < 0)
        return kNoPiece;
    if (at.end >= length)
        return {length, length};
    return pieceHolding(text, at.end, type);
}

} // namespace faktorlupe

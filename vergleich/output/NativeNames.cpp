#include "vergleich/output/NativeNames.h"

namespace faktorlupe::vergleich {
namespace {

constexpr char16_t kFirstEscape = 0xDC00; // + the byte, from 0x80 up

// How many bytes the UTF-8 sequence at a position takes; 0 where it is not valid UTF-8: a stray
// continuation byte, a cut-off sequence, an overlong form ("\xc0\xaf" for '/') or a surrogate.
qsizetype validSequenceAt(const QByteArray& bytes, qsizetype at) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    if (lead < 0x80)
        return 1;
    qsizetype length = 0;
    char32_t point = 0;
    char32_t lowest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, point = lead & 0x1F, lowest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, point = lead & 0x0F, lowest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, point = lead & 0x07, lowest = 0x10000;
    } else {
        return 0;
    }
    if (at + length > bytes.size())
        return 0;
    for (qsizetype i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[at + i]);
        if ((next & 0xC0) != 0x80)
            return 0;
        point = point << 6 | (next & 0x3F);
    }
    const bool surrogate = point >= 0xD800 && point <= 0xDFFF;
    return point < lowest || point > 0x10FFFF || surrogate ? 0 : length;
}

} // namespace

QString textOfNativeName(const QByteArray& bytes) {
    QString text;
    qsizetype start = 0;
    for (qsizetype at = 0; at < bytes.size();) {
        if (const qsizetype length = validSequenceAt(bytes, at); length > 0) {
            at += length;
            continue;
        }
        text += QString::fromUtf8(bytes.mid(start, at - start));
        text += QChar(kFirstEscape + static_cast<unsigned char>(bytes[at]));
        start = ++at;
    }
    return text + QString::fromUtf8(bytes.mid(start));
}

QByteArray nativeNameOf(const QString& text) {
    QByteArray bytes;
    qsizetype start = 0;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const char16_t unit = text[at].unicode();
        if (QChar::isHighSurrogate(unit) && at + 1 < text.size() && text[at + 1].isLowSurrogate())
            ++at; // a character beyond U+FFFF, as UTF-8 gives it
        else if (unit >= kFirstEscape + 0x80 && unit <= kFirstEscape + 0xFF) {
            bytes += text.mid(start, at - start).toUtf8();
            bytes += static_cast<char>(unit - kFirstEscape);
            start = at + 1;
        }
    }
    return bytes + text.mid(start).toUtf8();
}

} // namespace faktorlupe::vergleich

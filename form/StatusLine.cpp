#include "form/StatusLine.h"

#include "qtworkarounds/ScreenReaderNotice.h"

#include <QApplication>
#include <QLabel>
#include <QStatusBar>
#include <cmath>

namespace faktorlupe {
namespace {

// The font size of the status line at the form's designed size.
constexpr double kPointSize = 11;
// What the bar leaves between the key for the comparison and its right edge, which it otherwise
// touches: with it the key stands as far from the right edge as the message from the left one.
constexpr double kRightInset = 6;

} // namespace

StatusLine::StatusLine(QStatusBar& bar)
    : m_bar(bar), m_message(new QLabel), m_notice(new ScreenReaderNotice),
      m_comparisonKey(new QLabel) {
    m_message->setObjectName(QStringLiteral("statusMessage"));
    m_message->setTextFormat(Qt::PlainText);
    m_comparisonKey->setObjectName(QStringLiteral("comparisonKey"));
    m_comparisonKey->setText(QStringLiteral("Strg+L: Laufzeitvergleich"));
    m_comparisonKey->setAccessibleName(
        QStringLiteral("Strg+L öffnet den Laufzeitvergleich für die eingegebene Zahl"));
    bar.setSizeGripEnabled(false);
    // The font first: the bar takes its height from the font its widgets have when they are
    // added, and with the application's smaller one it cut off the descenders.
    scale(1);
    bar.addWidget(m_notice);
    bar.addWidget(m_message, 1);
    bar.addPermanentWidget(m_comparisonKey);
}

void StatusLine::announce(const QString& shown, const QString& shownForSpeech,
                          const QString& spoken) {
    show(shown);
    m_message->setAccessibleName(shownForSpeech);
    m_notice->announce(spoken);
}

void StatusLine::show(const QString& shown) {
    m_message->setText(shown);
    m_message->setAccessibleName(shown);
}

QString StatusLine::shownText() const {
    return m_message->text();
}

void StatusLine::scale(double factor) {
    QFont font = QApplication::font();
    font.setPointSizeF(kPointSize * factor);
    // The labels in the bar take its font.
    m_bar.setFont(font);
    m_comparisonKey->setContentsMargins(0, 0, static_cast<int>(std::lround(kRightInset * factor)),
                                        0);
}

} // namespace faktorlupe

#pragma once

#include <QString>

class QLabel;
class QStatusBar;

namespace faktorlupe {

class ScreenReaderNotice;

// The line under the form: after each scan it shows the row's precise figures, and it tells
// screen reader users the result in words, through a notice beside the figures
// (qtworkarounds/ScreenReaderNotice.h). Orca's status bar command reads the figures.
class StatusLine final {
public:
    // Fills the status bar: the message on the left, the key for the comparison on the right.
    explicit StatusLine(QStatusBar& bar);

    // Shows the figures, gives a screen reader's status bar command their words and has the
    // result spoken.
    void announce(const QString& shown, const QString& shownForSpeech, const QString& spoken);
    // Shows a text and has it spoken as it stands.
    void announce(const QString& text) { announce(text, text, text); }
    // Shows a text that is not announced, or none.
    void show(const QString& shown);
    QString shownText() const;

    // Scales the font as the form is scaled.
    void scale(double factor);

private:
    QStatusBar& m_bar;
    QLabel* m_message;
    ScreenReaderNotice* m_notice;
    QLabel* m_comparisonKey;
};

} // namespace faktorlupe

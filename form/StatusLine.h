#pragma once

#include <QString>

class QLabel;
class QStatusBar;

namespace faktorlupe {

// The line under the form: after each scan it shows the row's precise figures, and it tells
// screen reader users the result in words. Qt 6.4 hands a changed description to the
// accessibility bus without its text, so a screen reader cannot speak it; what Orca does speak
// is a notification inside a status bar that is shown, without the word "Benachrichtigung". So
// the message is such a notification, named with what is to be spoken and shown anew for every
// result, also for the same result twice.
class StatusLine final {
public:
    // Fills the status bar: the message on the left, the key for the comparison on the right.
    explicit StatusLine(QStatusBar& bar);

    // Shows the figures and has the words spoken.
    void announce(const QString& shown, const QString& spoken);
    // Shows a text and has it spoken as it stands.
    void announce(const QString& text) { announce(text, text); }
    // Shows a text that is not announced, or none.
    void show(const QString& shown);
    const QString& shownText() const { return m_shown; }

    // Scales the font as the form is scaled.
    void scale(double factor);

private:
    QStatusBar& m_bar;
    QLabel* m_message;
    QLabel* m_comparisonKey;
    QString m_shown;
};

} // namespace faktorlupe

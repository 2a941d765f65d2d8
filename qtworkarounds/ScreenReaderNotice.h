#pragma once

// Mends Qt 6.4: a changed accessible description reaches the bus without its text.

#include <QWidget>

namespace faktorlupe {

// Something a screen reader is to speak at once: a result, a wrong number. Qt 6.4 hands a
// changed description to the accessibility bus without its text, so a screen reader cannot
// speak it; what Orca does speak is a notification inside a status bar that is shown, and
// without the word "Benachrichtigung". So this is a widget of no size that screen readers see
// as a notification: put it into a window's status bar, and announce() names it with what is
// to be spoken and shows it anew, so that the same text twice is spoken twice. A screen reader
// heeds no notice of a window it has not turned to yet ("Messung läuft" as a window opens
// measuring), so one given before its window is active is shown anew once it is.
class ScreenReaderNotice final : public QWidget {
public:
    ScreenReaderNotice();

    void announce(const QString& spoken);

protected:
    bool event(QEvent* event) override;

private:
    void showAnew();

    bool m_unheard = false;
};

} // namespace faktorlupe

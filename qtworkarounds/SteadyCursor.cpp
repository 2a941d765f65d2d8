#include "qtworkarounds/SteadyCursor.h"

#include "qtworkarounds/LongText.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStyleHints>
#include <QTextEdit>

namespace faktorlupe {
namespace {

class SteadyCursor final : public QObject {
public:
    explicit SteadyCursor(QApplication& application) : QObject(&application) {
        connect(&application, &QApplication::focusChanged, this,
                [this](QWidget*, QWidget* now) { follow(now); });
    }

private:
    static qsizetype textLength(const QWidget* box) {
        if (const auto* line = qobject_cast<const QLineEdit*>(box))
            return line->text().size();
        if (const auto* plain = qobject_cast<const QPlainTextEdit*>(box))
            return plain->document()->characterCount();
        if (const auto* rich = qobject_cast<const QTextEdit*>(box))
            return rich->document()->characterCount();
        return 0;
    }

    void follow(QWidget* box) {
        disconnect(m_textChanged);
        m_box = box;
        if (auto* line = qobject_cast<QLineEdit*>(box))
            m_textChanged = connect(line, &QLineEdit::textChanged, this, &SteadyCursor::update);
        else if (auto* plain = qobject_cast<QPlainTextEdit*>(box))
            m_textChanged =
                connect(plain, &QPlainTextEdit::textChanged, this, &SteadyCursor::update);
        else if (auto* rich = qobject_cast<QTextEdit*>(box))
            m_textChanged = connect(rich, &QTextEdit::textChanged, this, &SteadyCursor::update);
        update();
    }

    // Only the focused box shows a blinking cursor, so the desktop's flash time can be set aside
    // for it alone and given back when it leaves.
    void update() {
        QStyleHints* hints = QGuiApplication::styleHints();
        const bool steady = !m_box.isNull() && textLength(m_box) > kLongText;
        if (steady && m_desktopFlashTime < 0) {
            m_desktopFlashTime = hints->cursorFlashTime();
            hints->setCursorFlashTime(0);
        } else if (!steady && m_desktopFlashTime >= 0) {
            hints->setCursorFlashTime(m_desktopFlashTime);
            m_desktopFlashTime = -1;
        }
    }

    QPointer<QWidget> m_box;
    QMetaObject::Connection m_textChanged;
    // The desktop's own flash time while it is set aside, else -1.
    int m_desktopFlashTime = -1;
};

} // namespace

void keepCursorSteadyInLongTexts(QApplication& application) {
    new SteadyCursor(application);
}

} // namespace faktorlupe

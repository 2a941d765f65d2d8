#include "form/StatusLine.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QLabel>
#include <QStatusBar>

namespace faktorlupe {
namespace {

// The font size of the status line at the form's designed size.
constexpr double kPointSize = 11;

// The message label, told apart from every other label by its type.
class Message final : public QLabel {};

QAccessibleInterface* messageFactory(const QString&, QObject* object) {
    if (auto* message = dynamic_cast<Message*>(object))
        return new QAccessibleWidget(message, QAccessible::Notification);
    return nullptr;
}

// The message reaches screen readers as a notification; installed before the first message
// is made, since Qt keeps the first answer it gets for an object.
Message* newMessage() {
    static const bool installed = [] {
        QAccessible::installFactory(messageFactory);
        return true;
    }();
    (void)installed;
    return new Message;
}

} // namespace

StatusLine::StatusLine(QStatusBar& bar)
    : m_bar(bar), m_message(newMessage()), m_comparisonKey(new QLabel) {
    m_message->setObjectName(QStringLiteral("statusMessage"));
    m_message->setTextFormat(Qt::PlainText);
    m_comparisonKey->setObjectName(QStringLiteral("comparisonKey"));
    m_comparisonKey->setText(QStringLiteral("Strg+L: Laufzeitvergleich"));
    m_comparisonKey->setAccessibleName(
        QStringLiteral("Strg+L öffnet den Laufzeitvergleich für die eingegebene Zahl"));
    bar.setSizeGripEnabled(false);
    bar.addWidget(m_message, 1);
    bar.addPermanentWidget(m_comparisonKey);
    scale(1);
}

void StatusLine::announce(const QString& shown, const QString& spoken) {
    m_shown = shown;
    m_message->setText(shown);
    m_message->setAccessibleName(spoken);
    // Shown anew, so that a screen reader hears it even when nothing changed.
    m_message->hide();
    m_message->show();
}

void StatusLine::show(const QString& shown) {
    m_shown = shown;
    m_message->setText(shown);
    m_message->setAccessibleName(shown);
}

void StatusLine::scale(double factor) {
    QFont font = QApplication::font();
    font.setPointSizeF(kPointSize * factor);
    m_bar.setFont(font);
    m_message->setFont(font);
    m_comparisonKey->setFont(font);
}

} // namespace faktorlupe

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

// What is spoken, as a widget of no size inside the status bar, told apart from every other
// widget by its type.
class Notice final : public QWidget {};

QAccessibleInterface* noticeFactory(const QString&, QObject* object) {
    if (auto* notice = dynamic_cast<Notice*>(object))
        return new QAccessibleWidget(notice, QAccessible::Notification);
    return nullptr;
}

// The notice reaches screen readers as a notification; the factory is installed before the
// first notice is made, since Qt keeps the first answer it gets for an object.
Notice* newNotice() {
    static const bool installed = [] {
        QAccessible::installFactory(noticeFactory);
        return true;
    }();
    (void)installed;
    return new Notice;
}

} // namespace

StatusLine::StatusLine(QStatusBar& bar)
    : m_bar(bar), m_message(new QLabel), m_notice(newNotice()), m_comparisonKey(new QLabel) {
    m_message->setObjectName(QStringLiteral("statusMessage"));
    m_message->setTextFormat(Qt::PlainText);
    m_notice->setObjectName(QStringLiteral("statusNotice"));
    m_notice->setFixedSize(0, 0);
    m_comparisonKey->setObjectName(QStringLiteral("comparisonKey"));
    m_comparisonKey->setText(QStringLiteral("Strg+L: Laufzeitvergleich"));
    m_comparisonKey->setAccessibleName(
        QStringLiteral("Strg+L öffnet den Laufzeitvergleich für die eingegebene Zahl"));
    bar.setSizeGripEnabled(false);
    bar.addWidget(m_notice);
    bar.addWidget(m_message, 1);
    bar.addPermanentWidget(m_comparisonKey);
    scale(1);
}

void StatusLine::announce(const QString& shown, const QString& shownForSpeech,
                          const QString& spoken) {
    show(shown);
    m_message->setAccessibleName(shownForSpeech);
    m_notice->setAccessibleName(spoken);
    // Shown anew, so that a screen reader hears it even when nothing changed.
    m_notice->hide();
    m_notice->show();
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

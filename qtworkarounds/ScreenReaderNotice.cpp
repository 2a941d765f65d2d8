#include "qtworkarounds/ScreenReaderNotice.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QTimer>
#include <utility>

namespace faktorlupe {
namespace {

QAccessibleInterface* noticeFactory(const QString&, QObject* object) {
    if (auto* notice = dynamic_cast<ScreenReaderNotice*>(object))
        return new QAccessibleWidget(notice, QAccessible::Notification);
    return nullptr;
}

// The factory is installed before the first notice is made, since Qt keeps the first answer it
// gets for an object.
void installNoticeFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(noticeFactory);
        return true;
    }();
    (void)installed;
}

} // namespace

ScreenReaderNotice::ScreenReaderNotice() {
    installNoticeFactory();
    setObjectName(QStringLiteral("screenReaderNotice"));
    setFixedSize(0, 0);
}

void ScreenReaderNotice::announce(const QString& spoken) {
    setAccessibleName(spoken);
    showAnew();
    m_unheard = !isActiveWindow();
}

// Once the window is active, after Qt has told the screen reader of the window and its focus,
// which the screen reader speaks first and which would cut off a notice spoken before them.
// Qt hands the window's activation on to its shown widgets as WindowActivate.
bool ScreenReaderNotice::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && std::exchange(m_unheard, false))
        QTimer::singleShot(0, this, &ScreenReaderNotice::showAnew);
    return QWidget::event(event);
}

// Shown anew, so that a screen reader hears it even when nothing changed.
void ScreenReaderNotice::showAnew() {
    hide();
    show();
}

} // namespace faktorlupe

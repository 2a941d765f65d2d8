#include "desktop/ScreenReaderNotice.h"

#include <QAccessible>
#include <QAccessibleWidget>

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
    // Shown anew, so that a screen reader hears it even when nothing changed.
    hide();
    show();
}

} // namespace faktorlupe

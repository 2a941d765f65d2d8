#pragma once

#include <QMimeData>
#include <QStringList>
#include <QVariant>

// Clipboard or dragged data that goes once it has been read, formats and all, as the clipboard
// of a program that quit in between: the first reader gets "4711", a second nothing.
class FleetingData final : public QMimeData {
public:
    QStringList formats() const override {
        return m_read ? QStringList() : QStringList{QStringLiteral("text/plain")};
    }

protected:
    QVariant retrieveData(const QString& format, QMetaType) const override {
        if (m_read || format != QStringLiteral("text/plain"))
            return {};
        m_read = true;
        return QStringLiteral("4711");
    }

private:
    mutable bool m_read = false;
};

#include "form/ErrorReport.h"

#include "runtime/RuntimeError.h"

#include <QMessageBox>

namespace faktorlupe {

QString errorReportText(const RuntimeError& error) {
    QString text = QStringLiteral("Laufzeitfehler '%1':\n\n%2")
                       .arg(error.code())
                       .arg(QString::fromUtf8(error.what()));
    if (!error.explanation().empty())
        text += QStringLiteral("\n\n") + QString::fromStdString(error.explanation());
    return text;
}

void showErrorReport(QWidget* parent, const RuntimeError& error) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Faktorlupe"), errorReportText(error),
                    QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("errorReport"));
    box.exec();
}

} // namespace faktorlupe

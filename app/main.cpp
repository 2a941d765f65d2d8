// Faktorlupe: finds the divisors of a number in three ways and times each of them.
#include "form/MainForm.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Faktorlupe"));
    faktorlupe::MainForm form;
    form.show();
    return QApplication::exec();
}

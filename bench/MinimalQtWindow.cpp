// The yardstick for the window's start-up: Qt alone, showing a window of the same size with one
// pale-yellow box where Faktorlupe has its input box, and nothing else.
#include <QApplication>
#include <QLineEdit>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(870, 589);
    auto* box = new QLineEdit(QStringLiteral("717313"), &window);
    box->setGeometry(32, 48, 401, 41);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, QColor(255, 255, 128));
    box->setPalette(palette);
    window.show();
    return QApplication::exec();
}

// Run by MemoryLimitTest in a child process whose address space is limited: pastes a text of the
// given length with Ctrl+V over the whole text of a box of the main form, draws the window, types a
// key into the box and says what became of the paste: "eingefügt" or "abgelehnt". An abort on the
// way is what the test looks for.
//   paste_under_limit txtEingabe|txtAlle CHARACTERS
#include "desktop/DesktopApplication.h"
#include "form/MainForm.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <cstdio>
#include <cstdlib>

namespace {

void sendKey(QWidget& box, int key, Qt::KeyboardModifiers modifiers, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(&box, &press);
    QApplication::processEvents();
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3)
        return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    faktorlupe::prepareDesktopApplication(application);
    faktorlupe::MainForm form([](QWidget*, const faktorlupe::RuntimeError&) {});
    form.show();
    const faktorlupe::Controls& c = form.controls();
    const bool inputBox = QByteArray(argv[1]) == "txtEingabe";
    QWidget& box = inputBox ? static_cast<QWidget&>(*c.txtEingabe) : *c.txtAlle;
    const auto length = static_cast<qsizetype>(std::atoll(argv[2]));
    QApplication::clipboard()->setText(QString(length, QLatin1Char('7')));
    box.setFocus();
    sendKey(box, Qt::Key_A, Qt::ControlModifier);
    sendKey(box, Qt::Key_V, Qt::ControlModifier);
    form.repaint();
    sendKey(box, Qt::Key_1, Qt::NoModifier, QStringLiteral("1"));
    form.repaint();
    const qsizetype held =
        inputBox ? c.txtEingabe->text().size() : c.txtAlle->document()->characterCount() - 1;
    const bool refused = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr;
    if (refused && held == 1)
        std::puts("abgelehnt");
    else if (!refused && held == length + 1)
        std::puts("eingefügt");
    else
        std::printf("unklar: %lld Zeichen im Feld\n", static_cast<long long>(held));
    return 0;
}

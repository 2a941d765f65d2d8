// Faktorlupe: finds the divisors of a number in three ways and times each of them.
#include "desktop/DesktopApplication.h"
#include "desktop/DesktopStart.h"
#include "desktop/ScreenFit.h"
#include "desktop/SmallHeaps.h"
#include "form/MainForm.h"

#include <QApplication>
#include <cstdio>
#include <string_view>

namespace {

constexpr int kBadArguments = 2;

constexpr const char* kHelp =
    "Aufruf: faktorlupe [OPTIONEN]\n"
    "\n"
    "Öffnet das Fenster von Faktorlupe. Es findet alle Teiler einer ganzen Zahl auf drei\n"
    "Wegen und zeigt, wie lange jeder Weg gebraucht hat.\n"
    "\n"
    "Optionen:\n"
    "  -h, --help     zeigt diese Hilfe an.\n"
    "  --version      zeigt die Version an.\n"
    "\n"
    "Außerdem gelten die Optionen jedes Qt-Programms, etwa -platform NAME oder -style NAME.\n";

} // namespace

int main(int argc, char* argv[]) {
    faktorlupe::keepHeapsSmall();
    // Answered before Qt starts, so that they work without any display.
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-h" || argument == "--help") {
            std::fputs(kHelp, stdout);
            return 0;
        }
        if (argument == "--version") {
            std::printf("faktorlupe %s\n", FAKTORLUPE_VERSION);
            return 0;
        }
    }

    const auto application = faktorlupe::startDesktopApplication(argc, argv, "faktorlupe");
    faktorlupe::prepareDesktopApplication(*application);
    // Qt has taken its own options out of the arguments; the program takes no others.
    if (argc > 1) {
        std::fprintf(stderr, "faktorlupe: Unbekanntes Argument »%s«; --help zeigt die Optionen.\n",
                     argv[1]);
        return kBadArguments;
    }
    QApplication::setApplicationName(QStringLiteral("Faktorlupe"));
    QApplication::setApplicationVersion(QStringLiteral(FAKTORLUPE_VERSION));
    // The window belongs to its desktop entry: its icon and launcher on Wayland.
    QGuiApplication::setDesktopFileName(QStringLiteral(FAKTORLUPE_APP_ID));
    faktorlupe::MainForm form;
    faktorlupe::fitIntoScreen(form);
    form.show();
    return QApplication::exec();
}

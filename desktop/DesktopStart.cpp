#include "desktop/DesktopStart.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <fontconfig/fontconfig.h>
#include <mutex>
#include <string_view>
#include <sys/resource.h>
#include <system_error>
#include <thread>
#include <vector>

namespace faktorlupe {
namespace {

constexpr int kNoDisplay = 2;

// A note of Qt's, held back while the application starts.
struct HeldNote {
    QtMsgType type;
    QByteArray file, function, category;
    int line;
    QString message;
};

// Qt's notes while the QApplication is made, which its X11 reader thread may add to as well.
std::mutex heldNotesLock;
std::vector<HeldNote>* heldNotes = nullptr;
const char* startingProgram = "";
QStringList askedPlatforms;

// The platforms Qt is asked for, in the order it tries them, as Qt itself reads them: -platform
// NAME, else QT_QPA_PLATFORM, else Debian's default, X11; "wayland;xcb" tries Wayland, then
// X11, and "xcb:option" is X11 with an option.
QStringList platformsAsked(int argc, char* argv[]) {
    QString asked = qEnvironmentVariable("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string_view(argv[i]) == "-platform" || std::string_view(argv[i]) == "--platform")
            asked = QString::fromLocal8Bit(argv[i + 1]);
    QStringList platforms;
    for (const QString& entry : asked.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        platforms << entry.section(QLatin1Char(':'), 0, 0).toLower();
    platforms.removeAll(QString());
    return platforms.isEmpty() ? QStringList{QStringLiteral("xcb")} : platforms;
}

// The variable naming the display, for the two platforms that read one: "DISPLAY=:87".
QString whichDisplay(const QString& platform) {
    const char* variable = platform.startsWith(QLatin1String("wayland")) ? "WAYLAND_DISPLAY"
                           : platform.startsWith(QLatin1String("xcb"))   ? "DISPLAY"
                                                                         : nullptr;
    if (variable == nullptr)
        return {};
    const QString value = qEnvironmentVariable(variable);
    return value.isEmpty() ? QStringLiteral("%1 ist nicht gesetzt").arg(QLatin1String(variable))
                           : QStringLiteral("%1=%2").arg(QLatin1String(variable), value);
}

// What Qt said about the platform, without its advice to reinstall the program: "could not
// connect to display :87", "Failed to create wl_display (No such file or directory)", or, for a
// platform it does not know, the ones it knows.
QString qtsReason(const QString& fatal) {
    QStringList reasons;
    bool unknown = false;
    const std::lock_guard lock(heldNotesLock);
    for (const HeldNote& note : *heldNotes) {
        if (note.category == "qt.qpa.plugin")
            unknown = unknown || note.message.startsWith(QLatin1String("Could not find"));
        else if (note.type != QtDebugMsg && note.type != QtInfoMsg)
            reasons << note.message.trimmed().chopped(note.message.trimmed().endsWith('.') ? 1 : 0);
    }
    const QString known = QStringLiteral("Available platform plugins are: ");
    if (unknown && fatal.contains(known))
        return QStringLiteral("Qt kennt sie nicht, nur %1")
            .arg(fatal.section(known, 1).trimmed().chopped(1));
    return reasons.isEmpty() ? QString()
                             : QStringLiteral("Qt: ") + reasons.join(QStringLiteral("; "));
}

[[noreturn]] void endWithoutScreen(const QString& fatal) {
    QStringList details;
    for (const QString& platform : askedPlatforms)
        details << whichDisplay(platform);
    details << qtsReason(fatal);
    details.removeAll(QString());
    details.removeDuplicates();
    const QString platforms = askedPlatforms.size() == 1
                                  ? QStringLiteral("die Plattform »%1«").arg(askedPlatforms.front())
                                  : QStringLiteral("die Plattformen »%1«,")
                                        .arg(askedPlatforms.join(QString::fromUtf8("«, dann »")));
    const QString sentence =
        QStringLiteral("%1: Über %2 ließ sich keine grafische Anzeige erreichen%3; "
                       "das Fenster braucht eine.\n")
            .arg(QString::fromUtf8(startingProgram), platforms,
                 details.isEmpty()
                     ? QString()
                     : QStringLiteral(" (%1)").arg(details.join(QStringLiteral("; "))));
    std::fputs(sentence.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    std::_Exit(kNoDisplay);
}

// Qt's only fatal message while it starts is the one about a platform it could not start.
void holdWhileStarting(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg)
        endWithoutScreen(message);
    const std::lock_guard lock(heldNotesLock);
    if (heldNotes == nullptr) // a thread's note as the application is done starting
        return qt_message_output(type, context, message);
    heldNotes->push_back(
        {type, context.file, context.function, context.category, context.line, message});
}

// Qt reads the system's font configuration only when the first widget lays out its text, on the
// thread that builds the window. Read on another core while Qt connects to the display, it is
// ready by then. The reading yields to the display server, which answers Qt on that core
// meanwhile (Linux gives a thread its own niceness). A thread that cannot start leaves the
// reading to Qt.
std::jthread readFontConfigurationAhead() {
    try {
        return std::jthread([] {
            setpriority(PRIO_PROCESS, 0, 10);
            FcInit();
        });
    } catch (const std::system_error&) {
        return {};
    }
}

} // namespace

std::unique_ptr<QApplication> startDesktopApplication(int& argc, char* argv[],
                                                      const char* program) {
    std::vector<HeldNote> held;
    heldNotes = &held;
    startingProgram = program;
    askedPlatforms = platformsAsked(argc, argv);
    const QtMessageHandler previous = qInstallMessageHandler(holdWhileStarting);
    std::unique_ptr<QApplication> application;
    {
        const std::jthread fontConfiguration = readFontConfigurationAhead();
        application = std::make_unique<QApplication>(argc, argv);
    }
    qInstallMessageHandler(previous);
    // A platform that starts without a screen (linuxfb without a framebuffer) leaves Qt to abort
    // at the first window, or to crash where a widget asks for its screen.
    if (QGuiApplication::screens().isEmpty())
        endWithoutScreen({});
    {
        const std::lock_guard lock(heldNotesLock);
        heldNotes = nullptr;
    }
    for (const HeldNote& note : held) {
        const auto text = [](const QByteArray& bytes) {
            return bytes.isNull() ? nullptr : bytes.constData();
        };
        qt_message_output(note.type,
                          QMessageLogContext(text(note.file), note.line, text(note.function),
                                             text(note.category)),
                          note.message);
    }
    return application;
}

} // namespace faktorlupe

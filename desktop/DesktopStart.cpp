#include "desktop/DesktopStart.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <vector>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

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

// Only touched on the main thread while the QApplication is made.
std::vector<HeldNote>* heldNotes = nullptr;
const char* startingProgram = "";

QByteArray whichDisplay() {
    QByteArray which;
    for (const char* variable : {"WAYLAND_DISPLAY", "DISPLAY"})
        if (const QByteArray value = qgetenv(variable); !value.isEmpty())
            which += (which.isEmpty() ? "" : ", ") + QByteArray(variable) + '=' + value;
    return which.isEmpty() ? QByteArray("weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt") : which;
}

// Qt's only fatal message while it starts is the one about a platform it could not start.
void holdWhileStarting(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr,
                     "%s: Es ließ sich keine grafische Anzeige erreichen (%s); das Fenster braucht "
                     "eine.\n",
                     startingProgram, whichDisplay().constData());
        std::fflush(stderr);
        std::_Exit(kNoDisplay);
    }
    heldNotes->push_back(
        {type, context.file, context.function, context.category, context.line, message});
}

} // namespace

std::unique_ptr<QApplication> startDesktopApplication(int& argc, char* argv[],
                                                      const char* program) {
#if defined(__GLIBC__)
    // glibc gives each thread that allocates a heap of its own, up to eight per core, and reserves
    // 64 MB of address space for each: Qt's threads and the comparison window's worker took the
    // window to 470 MB, and under `ulimit -v 250000` Qt's own threads could no longer start, which
    // left a black window. Two heaps are plenty for a main thread and a worker; what the programs
    // really use stays the same.
    mallopt(M_ARENA_MAX, 2);
    // Blocks from a megabyte up (a pasted megabyte, its text layout) are mapped on their own and
    // given back when freed. By default glibc raises that threshold after the first such block is
    // freed and keeps later ones in the heap, where a window that had a large paste held on to
    // 40 to 75 MB more than it used.
    mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
#endif
    std::vector<HeldNote> held;
    heldNotes = &held;
    startingProgram = program;
    const QtMessageHandler previous = qInstallMessageHandler(holdWhileStarting);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    heldNotes = nullptr;
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

#include "form/ComparisonLauncher.h"

#include "desktop/NumbersOnStandardInput.h"
#include "runtime/NumberFromText.h"
#include "runtime/RoundToInt32.h"
#include "runtime/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>
#include <spawn.h>
#include <string>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

extern char** environ;

namespace faktorlupe {
namespace {

constexpr const char* kProgramName = "faktorlupe-vergleich";
// The comparison measures numbers from 2 on.
constexpr std::int32_t kSmallestCompared = 2;

// The comparison program beside the program in programFolder, or an empty text when there is
// none.
QString comparisonProgram(const QString& programFolder) {
    const QDir here(programFolder);
    for (const QString& candidate :
         {here.filePath(QString::fromUtf8(kProgramName)),
          here.filePath(QStringLiteral("../vergleich/") + QString::fromUtf8(kProgramName))}) {
        const QFileInfo program(candidate);
        if (program.isFile() && program.isExecutable())
            return program.canonicalFilePath();
    }
    return {};
}

// The running program's environment, and the variable that tells the window to take numbers on
// its standard input.
std::vector<std::string> windowEnvironment() {
    const std::string variable = std::string(kNumbersOnStandardInput) + '=';
    std::vector<std::string> environment = {variable + '1'};
    for (char** entry = environ; *entry != nullptr; ++entry)
        if (std::string_view(*entry).substr(0, variable.size()) != variable)
            environment.emplace_back(*entry);
    return environment;
}

std::vector<char*> pointersTo(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

// A window that has ended is collected at once, so that it does not linger as a zombie, which
// `kill -0` still finds, until the next Ctrl+L or the end of the main window.
void collectWhenEnded(pid_t window) {
    if (waitpid(window, nullptr, WNOHANG) == 0)
        QTimer::singleShot(100, [window] { collectWhenEnded(window); });
}

} // namespace

ComparisonLauncher::ComparisonLauncher(QString programFolder)
    : m_programFolder(std::move(programFolder)) {}

// The window sees its input end and stays open.
ComparisonLauncher::~ComparisonLauncher() {
    forget();
}

QString ComparisonLauncher::open(const QString& inputText) {
    std::int32_t number = 0;
    try {
        // The number as the scans read it: " 12abc" is 12.
        number = roundToInt32(numberFromText(inputText.toStdString()));
    } catch (const RuntimeError&) {
        number = 0;
    }
    if (number < kSmallestCompared)
        return QStringLiteral("Laufzeitvergleich: bitte eine ganze Zahl von 2 bis 2147483647 "
                              "eingeben.");
    if (!(running() && handOver(number))) {
        const QString program = comparisonProgram(m_programFolder);
        if (program.isEmpty())
            return QStringLiteral(
                       "Laufzeitvergleich nicht gefunden: %1 fehlt neben diesem Programm.")
                .arg(QString::fromUtf8(kProgramName));
        if (!start(program, number))
            return QStringLiteral("Laufzeitvergleich konnte nicht gestartet werden: %1")
                .arg(program);
    }
    return QStringLiteral("Laufzeitvergleich für %1 geöffnet.").arg(number);
}

bool ComparisonLauncher::running() const {
    return m_numbers >= 0;
}

// Without waiting: a window that takes nothing more is left alone, and a new one started.
bool ComparisonLauncher::handOver(std::int32_t number) {
    const std::string line = std::to_string(number) + '\n';
    if (send(m_numbers, line.data(), line.size(), MSG_NOSIGNAL | MSG_DONTWAIT) ==
        static_cast<ssize_t>(line.size()))
        return true;
    forget();
    return false;
}

// In a session of its own, as a program started from the desktop's menu, so that closing the
// terminal Faktorlupe was started from leaves it open too.
bool ComparisonLauncher::start(const QString& program, std::int32_t number) {
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
        return false;
    std::vector<std::string> arguments = {QFile::encodeName(program).toStdString(), "--fenster",
                                          std::to_string(number)};
    std::vector<std::string> environment = windowEnvironment();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[1], STDIN_FILENO);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    pid_t window = -1;
    const int failure = posix_spawn(&window, arguments[0].c_str(), &actions, &attributes,
                                    pointersTo(arguments).data(), pointersTo(environment).data());
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    close(ends[1]);
    if (failure != 0) {
        close(ends[0]);
        return false;
    }
    m_numbers = ends[0];
    // The window writes nothing there: its end of the socket closes as the window ends.
    m_ended = std::make_unique<QSocketNotifier>(m_numbers, QSocketNotifier::Read);
    QObject::connect(m_ended.get(), &QSocketNotifier::activated, m_ended.get(), [this, window] {
        // Not deleted within its own signal; off before its socket closes.
        m_ended->setEnabled(false);
        m_ended.release()->deleteLater();
        forget();
        collectWhenEnded(window);
    });
    return true;
}

void ComparisonLauncher::forget() {
    m_ended.reset();
    if (m_numbers >= 0)
        close(m_numbers);
    m_numbers = -1;
}

} // namespace faktorlupe

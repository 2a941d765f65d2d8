#pragma once

#include <QString>
#include <cstdint>
#include <memory>

class QSocketNotifier;

namespace faktorlupe {

// Opens the comparison window of faktorlupe-vergleich for a number, as a program of its own, so
// that the main form links none of the comparison's code. The program is looked for beside the
// running one, as installed (/usr/bin), and where the build tree puts it (build/vergleich/ beside
// build/app/); programFolder is where the running program lies.
//
// One comparison window per launcher, that is per main window: while it is open, the next
// number is handed to it on its standard input, and it measures that and comes to the front;
// once it has been closed, the next number starts a new one, so that holding Ctrl+L does not
// start a window per press, each measuring on a core. The window outlives the launcher: closing
// the main window leaves it open.
class ComparisonLauncher {
public:
    explicit ComparisonLauncher(QString programFolder);
    ~ComparisonLauncher();
    ComparisonLauncher(const ComparisonLauncher&) = delete;
    ComparisonLauncher& operator=(const ComparisonLauncher&) = delete;

    // Returns what the status line says about it: which number is being compared, or why
    // nothing was started.
    QString open(const QString& inputText);

private:
    bool running() const;
    bool handOver(std::int32_t number);
    bool start(const QString& program, std::int32_t number);
    void forget();

    QString m_programFolder;
    int m_numbers = -1; // the launcher's end of the window's standard input
    std::unique_ptr<QSocketNotifier> m_ended;
};

} // namespace faktorlupe

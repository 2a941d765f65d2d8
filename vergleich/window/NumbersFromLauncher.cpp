#include "vergleich/window/NumbersFromLauncher.h"

#include "vergleich/measurement/NumberRange.h"
#include "vergleich/window/ComparisonWindow.h"

#include <QSocketNotifier>
#include <cerrno>
#include <memory>
#include <string>
#include <unistd.h>

namespace faktorlupe::vergleich {
namespace {

void measureLine(ComparisonWindow& window, std::string_view line) {
    std::vector<std::int32_t> numbers;
    if (readTypedNumbers(line, numbers) || numbers.empty())
        return;
    window.measure(numbers);
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.raise();
    window.activateWindow();
}

} // namespace

void takeNumbersFromStandardInput(ComparisonWindow& window) {
    auto* input = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, &window);
    auto pending = std::make_shared<std::string>();
    QObject::connect(input, &QSocketNotifier::activated, &window, [&window, input, pending] {
        char bytes[4096];
        const ssize_t got = read(STDIN_FILENO, bytes, sizeof bytes);
        if (got <= 0) {
            if (got == 0 || (errno != EINTR && errno != EAGAIN))
                input->setEnabled(false);
            return;
        }
        pending->append(bytes, static_cast<std::size_t>(got));
        for (std::size_t end = pending->find('\n'); end != std::string::npos;
             end = pending->find('\n')) {
            measureLine(window, std::string_view(*pending).substr(0, end));
            pending->erase(0, end + 1);
        }
    });
}

} // namespace faktorlupe::vergleich

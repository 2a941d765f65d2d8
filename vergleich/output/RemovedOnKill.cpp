#include "vergleich/output/RemovedOnKill.h"

#include <atomic>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <unistd.h>

namespace faktorlupe::vergleich {
namespace {

// What the handler removes. Plain memory that the handler only reads while armed is set; a
// handler may call nothing but async-signal-safe functions, here unlinkat and raise.
int g_folder = -1;
char g_name[NAME_MAX + 1];
std::atomic<bool> g_armed{false};

void removeAndDie(int signalNumber) {
    if (g_armed.load())
        ::unlinkat(g_folder, g_name, 0);
    // SA_RESETHAND has put the default back: once this returns, the signal ends the program.
    std::raise(signalNumber);
}

void installOnce() {
    static std::once_flag installed;
    std::call_once(installed, [] {
        for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
            struct sigaction now {};
            if (::sigaction(signalNumber, nullptr, &now) != 0 || now.sa_handler != SIG_DFL)
                continue;
            struct sigaction ours {};
            ours.sa_handler = removeAndDie;
            ours.sa_flags = SA_RESETHAND;
            sigemptyset(&ours.sa_mask);
            ::sigaction(signalNumber, &ours, nullptr);
        }
    });
}

} // namespace

RemovedOnKill::RemovedOnKill(int folderDescriptor, const QByteArray& name) {
    installOnce();
    g_folder = folderDescriptor;
    const std::size_t length = std::min<std::size_t>(name.size(), NAME_MAX);
    std::memcpy(g_name, name.constData(), length);
    g_name[length] = '\0';
    g_armed.store(true);
}

RemovedOnKill::~RemovedOnKill() {
    g_armed.store(false);
}

} // namespace faktorlupe::vergleich

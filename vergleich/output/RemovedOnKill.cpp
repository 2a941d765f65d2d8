#include "vergleich/output/RemovedOnKill.h"

#include <atomic>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace faktorlupe::vergleich {
namespace {

// What the handler removes. Plain memory that the handler only reads while armed is set, from
// the moment the file is the writer's until the object goes; a handler may call nothing but
// async-signal-safe functions, here fstatat, unlinkat and raise.
int g_folder = -1;
char g_name[NAME_MAX + 1];
dev_t g_device = 0;
ino_t g_inode = 0; // 0: whatever has the name is the writer's
std::atomic<bool> g_armed{false};
static_assert(std::atomic<bool>::is_always_lock_free, "a handler may only read lock-free atomics");

bool isTheWritersFile() {
    struct stat now {};
    return g_inode == 0 || (::fstatat(g_folder, g_name, &now, AT_SYMLINK_NOFOLLOW) == 0 &&
                            now.st_dev == g_device && now.st_ino == g_inode);
}

void removeAndDie(int signalNumber) {
    if (g_armed.load() && isTheWritersFile())
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

RemovedOnKill::RemovedOnKill(int folderDescriptor, const QByteArray& name,
                             const struct stat* file) {
    installOnce();
    g_folder = folderDescriptor;
    g_device = file ? file->st_dev : 0;
    g_inode = file ? file->st_ino : 0;
    const std::size_t length = std::min<std::size_t>(name.size(), NAME_MAX);
    std::memcpy(g_name, name.constData(), length);
    g_name[length] = '\0';
    if (file)
        madeHere();
}

void RemovedOnKill::madeHere() {
    g_armed.store(true);
}

RemovedOnKill::~RemovedOnKill() {
    g_armed.store(false);
}

} // namespace faktorlupe::vergleich

// A paste under a limit on the program's memory, as `ulimit -v 450000` sets it: the program takes
// the paste or refuses it, and goes on either way. The paste runs in a child process of its own
// whose address space setrlimit limits. And a measurement of the comparison window that cannot
// start its thread under such a limit.
#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr rlim_t kLimitBytes = 450000ull * 1024;

struct Outcome {
    int status = -1;
    std::string said;
};

// Runs the program with up to two arguments under the limit, and what it printed.
Outcome runUnderLimit(const char* program, const char* first = nullptr,
                      const char* second = nullptr) {
    int out[2];
    if (pipe(out) != 0)
        return {};
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        const rlimit limit{kLimitBytes, kLimitBytes};
        setrlimit(RLIMIT_AS, &limit);
        execl(program, program, first, second, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    Outcome outcome;
    std::array<char, 256> buffer{};
    for (ssize_t n; (n = read(out[0], buffer.data(), buffer.size())) > 0;)
        outcome.said.append(buffer.data(), static_cast<std::size_t>(n));
    close(out[0]);
    waitpid(pid, &outcome.status, 0);
    return outcome;
}

struct LimitedPaste {
    const char* name;
    const char* box;
    long long characters;
    const char* said;
};

// A quarter megabyte fits into either box; five megabytes into the input box and sixteen into a
// result box do not: before, the first ended in std::bad_alloc, the second in a crash.
const LimitedPaste kPastes[] = {
    {"InputBoxTakesAQuarterMegabyte", "txtEingabe", 256 * 1024, "eingefügt\n"},
    {"ResultBoxTakesAQuarterMegabyte", "txtAlle", 256 * 1024, "eingefügt\n"},
    {"InputBoxRefusesFiveMegabytes", "txtEingabe", 5 * 1024 * 1024, "abgelehnt\n"},
    {"ResultBoxRefusesSixteenMegabytes", "txtAlle", 16 * 1024 * 1024, "abgelehnt\n"},
};

class MemoryLimitTest : public ::testing::TestWithParam<LimitedPaste> {};

TEST_P(MemoryLimitTest, PasteIsTakenOrRefusedAndTheProgramGoesOn) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit allows";
#endif
    const std::string length = std::to_string(GetParam().characters);
    const Outcome outcome =
        runUnderLimit(FAKTORLUPE_PASTE_UNDER_LIMIT, GetParam().box, length.c_str());
    ASSERT_TRUE(WIFEXITED(outcome.status)) << "ended by signal " << WTERMSIG(outcome.status);
    EXPECT_EQ(WEXITSTATUS(outcome.status), 0);
    EXPECT_EQ(outcome.said, GetParam().said);
}

INSTANTIATE_TEST_SUITE_P(Form, MemoryLimitTest, ::testing::ValuesIn(kPastes),
                         [](const auto& info) { return std::string(info.param.name); });

// The program lowers the limit further itself, to less than a thread's stack; before, the
// thread's start threw std::system_error and ended the program.
TEST(MemoryLimitTest, AMeasurementWhoseThreadCannotStartSaysSoAndTheProgramGoesOn) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit allows";
#endif
    const Outcome outcome = runUnderLimit(FAKTORLUPE_MEASURE_UNDER_LIMIT);
    ASSERT_TRUE(WIFEXITED(outcome.status)) << "ended by signal " << WTERMSIG(outcome.status);
    EXPECT_EQ(WEXITSTATUS(outcome.status), 0);
    EXPECT_EQ(outcome.said,
              "Die Messung konnte nicht beginnen: der Arbeitsspeicher reichte nicht.\n");
}

} // namespace

#include "form/ComparisonLauncher.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace faktorlupe {
namespace {

// A stand-in for faktorlupe-vergleich that writes the arguments it was given into a file, and
// the first number it is handed after them; then it ends, as a window that is closed, and says
// so once its end of the launcher's socket is closed.
void writeStandIn(const QString& path, const QString& record) {
    QFile script(path);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\necho \"$@\" >> '%1'\n"
                                "read n && echo $n >> '%1' && exec 0<&- && echo ended >> '%1'\n")
                     .arg(record)
                     .toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// The record once its last line starts with last; the launcher hears of an ended window meanwhile.
QString waitForRecord(const QString& record, const QString& last = QStringLiteral("--fenster")) {
    for (const QDeadlineTimer deadline(10000); !deadline.hasExpired(); QThread::msleep(20)) {
        QFile file(record);
        const QString recorded = file.open(QIODevice::ReadOnly) ? file.readAll() : QString();
        if (recorded.section('\n', -2, -2).startsWith(last))
            return recorded.trimmed();
        QCoreApplication::processEvents();
    }
    return {};
}

struct Layout {
    const char* name;
    const char* programFolder; // below the temporary folder
    const char* comparison;    // where faktorlupe-vergleich lies, below it
};

// Installed, the two programs lie side by side; in the build tree in app/ and vergleich/.
const Layout kLayouts[] = {
    {"Installed", "bin", "bin/faktorlupe-vergleich"},
    {"BuildTree", "build/app", "build/vergleich/faktorlupe-vergleich"},
};

class ComparisonLauncherTest : public ::testing::TestWithParam<Layout> {};

TEST_P(ComparisonLauncherTest, StartsTheComparisonForTheNumberAsTheScansReadIt) {
    QTemporaryDir root;
    const QDir dir(root.path());
    ASSERT_TRUE(dir.mkpath(QString::fromUtf8(GetParam().programFolder)));
    ASSERT_TRUE(dir.mkpath(
        QFileInfo(dir.filePath(QString::fromUtf8(GetParam().comparison))).absolutePath()));
    const QString record = dir.filePath(QStringLiteral("arguments"));
    writeStandIn(dir.filePath(QString::fromUtf8(GetParam().comparison)), record);
    const QString folder = dir.filePath(QString::fromUtf8(GetParam().programFolder));
    ComparisonLauncher launcher(folder);
    EXPECT_EQ(launcher.open(QStringLiteral(" 12abc")),
              QString::fromUtf8("Laufzeitvergleich für 12 geöffnet."));
    EXPECT_EQ(waitForRecord(record), "--fenster 12");
    // One window, which takes the next number; after it, the next starts a new one.
    EXPECT_EQ(launcher.open(QStringLiteral("13")),
              QString::fromUtf8("Laufzeitvergleich für 13 geöffnet."));
    EXPECT_EQ(waitForRecord(record, QStringLiteral("ended")), "--fenster 12\n13\nended");
    launcher.open(QStringLiteral("14"));
    EXPECT_EQ(waitForRecord(record), "--fenster 12\n13\nended\n--fenster 14");
}

INSTANTIATE_TEST_SUITE_P(Form, ComparisonLauncherTest, ::testing::ValuesIn(kLayouts),
                         [](const auto& info) { return std::string(info.param.name); });

struct Refusal {
    const char* name;
    const char* input;
    bool programThere;
    const char* said;
};

// What the status line says when nothing can be started; no program runs then.
const Refusal kRefusals[] = {
    {"NoProgram", "97", false,
     "Laufzeitvergleich nicht gefunden: faktorlupe-vergleich fehlt neben diesem Programm."},
    {"NoNumber", "abc", true,
     "Laufzeitvergleich: bitte eine ganze Zahl von 2 bis 2147483647 eingeben."},
    {"One", "1", true, "Laufzeitvergleich: bitte eine ganze Zahl von 2 bis 2147483647 eingeben."},
    {"BeyondTheRange", "2147483648", true,
     "Laufzeitvergleich: bitte eine ganze Zahl von 2 bis 2147483647 eingeben."},
};

class ComparisonRefusalTest : public ::testing::TestWithParam<Refusal> {};

TEST_P(ComparisonRefusalTest, SaysWhyInTheStatusLine) {
    QTemporaryDir root;
    const QString record = QDir(root.path()).filePath(QStringLiteral("arguments"));
    if (GetParam().programThere)
        writeStandIn(QDir(root.path()).filePath(QStringLiteral("faktorlupe-vergleich")), record);
    EXPECT_EQ(ComparisonLauncher(root.path()).open(QString::fromUtf8(GetParam().input)),
              QString::fromUtf8(GetParam().said));
    QThread::msleep(100);
    EXPECT_FALSE(QFile::exists(record));
}

INSTANTIATE_TEST_SUITE_P(Form, ComparisonRefusalTest, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace faktorlupe

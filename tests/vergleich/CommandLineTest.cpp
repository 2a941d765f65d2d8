// Runs the real faktorlupe-vergleich program, and faktorlupe where no display can be reached.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <csignal>
#include <gtest/gtest.h>

namespace {

struct ProgramRun {
    int exitCode;
    QString out;
    QString err;
};

// As on a machine without any display, also where the tests run on a desktop, and with the
// variables given ("QT_QPA_PLATFORM=offscreen").
ProgramRun run(const char* program, const QStringList& arguments, const QString& folder,
               const QStringList& variables = {}) {
    QProcess process;
    process.setWorkingDirectory(folder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable :
         {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
        environment.remove(QString::fromLatin1(variable));
    for (const QString& variable : variables)
        environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
    process.setProcessEnvironment(environment);
    process.start(QString::fromUtf8(program), arguments);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

ProgramRun runVergleich(const QStringList& arguments, const QString& folder,
                        const QStringList& variables = {}) {
    return run(FAKTORLUPE_VERGLEICH, arguments, folder, variables);
}

struct BadArguments {
    const char* name;
    QStringList arguments = {};
    // A link of this name in the working folder that leads nowhere.
    const char* danglingLink = nullptr;
    QStringList variables = {};
    const char* program = FAKTORLUPE_VERGLEICH;
    // What the sentence names: the platform, the display.
    QStringList named = {};
};

class BadArgumentsTest : public ::testing::TestWithParam<BadArguments> {};

TEST_P(BadArgumentsTest, RefusedWithStatusTwoAndNoFileWritten) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QStringList before;
    if (const char* link = GetParam().danglingLink) {
        ASSERT_TRUE(QFile::link(QStringLiteral("/nicht/vorhanden/%1").arg(link),
                                QDir(folder.path()).filePath(link)));
        before << link;
    }
    const ProgramRun run =
        ::run(GetParam().program, GetParam().arguments, folder.path(), GetParam().variables);
    EXPECT_EQ(run.exitCode, 2) << run.err.toStdString();
    // A sentence after the program's name, and none of Qt's advice to reinstall it.
    EXPECT_TRUE(run.err.startsWith(QFileInfo(GetParam().program).fileName() + ": ") &&
                !run.err.contains("Qt platform plugin"))
        << run.err.toStdString();
    for (const QString& named : GetParam().named)
        EXPECT_TRUE(run.err.contains(named)) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
              before);
}

const QString kChart = QStringLiteral("chart.png");
const QString kOffscreen = QStringLiteral("QT_QPA_PLATFORM=offscreen");
const QString kUnreachableDisplay = QStringLiteral("DISPLAY=:87");
const QString kCsv = QStringLiteral("werte.csv");

INSTANTIATE_TEST_SUITE_P(
    Vergleich, BadArgumentsTest,
    ::testing::Values(
        BadArguments{"NotANumber", {"12", "zwölf", "--csv", kCsv}},
        BadArguments{"Fraction", {"12.5", "--csv", kCsv}},
        BadArguments{"BelowTwo", {"1", "--chart", kChart}},
        BadArguments{"Negative", {"-5", "--chart", kChart}},
        BadArguments{"AboveLargest", {"2147483648", "--csv", kCsv}},
        BadArguments{"FarAboveLargest", {"99999999999999999999999", "--csv", kCsv}},
        BadArguments{"NumberWithLineFeed", {"12\n", "--csv", kCsv}},
        BadArguments{.name = "UnknownOption",
                     .arguments = {"--schnell", "12", "--csv", kCsv},
                     .named = {"Unbekannte Option »--schnell«"}},
        BadArguments{.name = "UnknownShortOption",
                     .arguments = {"-x=1", "12", "--csv", kCsv},
                     .named = {"Unbekannte Option »-x«"}},
        BadArguments{"OptionWithoutName", {"--=5", "--csv", kCsv}},
        BadArguments{.name = "AValueForASwitch",
                     .arguments = {"--linear=1", "12", "--csv", kCsv},
                     .named = {"--linear nimmt keinen Wert", "»1«"}},
        BadArguments{.name = "AValueForTheShortHelp",
                     .arguments = {"-h=ja"},
                     .named = {"--help nimmt keinen Wert", "»ja«"}},
        BadArguments{"WindowWithoutADisplay", {"--fenster", "12"}},
        // DISPLAY names an X server that is not there: no abort of Qt's, for either program.
        BadArguments{.name = "WindowWithAnUnreachableDisplay",
                     .arguments = {"--fenster", "12"},
                     .variables = {kUnreachableDisplay},
                     .named = {"»xcb«", kUnreachableDisplay, "could not connect to display :87"}},
        BadArguments{.name = "FaktorlupeWithAnUnreachableDisplay",
                     .variables = {kUnreachableDisplay},
                     .program = FAKTORLUPE_PROGRAM,
                     .named = {"»xcb«", kUnreachableDisplay}},
        // A platform without a screen, without its server, or misspelt: named, with Qt's reason.
        BadArguments{.name = "WindowOnAFramebufferThatIsNotThere",
                     .arguments = {"--fenster", "12"},
                     .variables = {"QT_QPA_PLATFORM=linuxfb:fb=/nicht/vorhanden"},
                     .named = {"»linuxfb«", "Failed to initialize screen"}},
        BadArguments{.name = "FaktorlupeOnAFramebufferThatIsNotThere",
                     .variables = {"QT_QPA_PLATFORM=linuxfb:fb=/nicht/vorhanden"},
                     .program = FAKTORLUPE_PROGRAM,
                     .named = {"»linuxfb«", "/nicht/vorhanden"}},
        BadArguments{.name = "WindowOnWaylandWithoutACompositor",
                     .arguments = {"--fenster", "12"},
                     .variables = {"QT_QPA_PLATFORM=wayland", "WAYLAND_DISPLAY=/nicht/vorhanden",
                                   kUnreachableDisplay},
                     .named = {"»wayland«", "WAYLAND_DISPLAY=/nicht/vorhanden", "wl_display"}},
        BadArguments{.name = "FaktorlupeOnAMisspeltPlatform",
                     .variables = {"QT_QPA_PLATFORM=waylnd", kUnreachableDisplay},
                     .program = FAKTORLUPE_PROGRAM,
                     .named = {"»waylnd«", "nur", "xcb"}},
        BadArguments{"WindowWithCsv", {"--fenster", "12", "--csv", kCsv}, nullptr, {kOffscreen}},
        BadArguments{
            "WindowWithChart", {"--fenster", "12", "--chart", kChart}, nullptr, {kOffscreen}},
        BadArguments{"MissingFileName", {"12", "--csv"}},
        BadArguments{"UnwritableCsv", {"12", "--csv", "/nicht/vorhanden/werte.csv"}},
        BadArguments{"UnwritableSpreadsheetCsv", {"12", "--csv-de", "/nicht/vorhanden/w.csv"}},
        BadArguments{"UnwritableChart", {"12", "--chart", "/nicht/vorhanden/chart.png"}},
        BadArguments{"CsvThroughALinkToNowhere", {"12", "--csv", kCsv}, "werte.csv"},
        BadArguments{"ChartExtension", {"12", "--chart", "chart.jpg", "--csv", kCsv}},
        BadArguments{"EmptyCsvName", {"12", "--csv", ""}},
        BadArguments{"EmptyCsvNameAfterAnEqualsSign", {"12", "--csv="}},
        BadArguments{"EmptySpreadsheetCsvName", {"12", "--csv-de", ""}},
        BadArguments{"CsvTwice", {"12", "--csv", "a.csv", "--csv", "b.csv"}},
        BadArguments{"CsvAndChartInOneFile", {"12", "--csv", "x.png", "--chart", "x.png"}},
        BadArguments{"BothCsvsInOneFile", {"12", "--csv", "a.csv", "--csv-de", "a.csv"}},
        BadArguments{"OneFileNamedTwoWays", {"12", "--csv", "./a.csv", "--csv-de", "a.csv"}},
        BadArguments{"NameLongerThanTheSystemTakes", {"12", "--csv", QString(256, 'n')}},
        BadArguments{"CsvToStandardInput", {"12", "--csv", "/dev/stdin"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLineTest, HelpIsGerman) {
    QTemporaryDir folder;
    const ProgramRun run = runVergleich({"--help"}, folder.path());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.startsWith("Aufruf: faktorlupe-vergleich [OPTIONEN] [ZAHL...]"));
    EXPECT_TRUE(run.out.contains("--chart DATEI"));
}

// Qt's own options, as every Qt program takes them, here before the program's --help.
TEST(CommandLineTest, TheWindowTakesQtsOwnOptions) {
    QTemporaryDir folder;
    const ProgramRun run = runVergleich(
        {"--fenster", "-style", "Fusion", "-platform", "offscreen", "--help"}, folder.path());
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith("Aufruf: faktorlupe-vergleich")) << run.out.toStdString();
}

TEST(CommandLineTest, WritesTableCsvAndPngChart) {
    QTemporaryDir folder;
    const ProgramRun run = runVergleich(
        {"12", "7", "--csv", kCsv, "--csv-de", "tabelle.csv", "--chart", kChart}, folder.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    // A pipe gets no progress bar.
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith("      Zahl  Teiler")) << run.out.toStdString();
    EXPECT_EQ(run.out.count('\n'), 3);

    QFile csv(QDir(folder.path()).filePath(kCsv));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(csv.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[1].startsWith("12,6,11,"));
    EXPECT_TRUE(lines[2].startsWith("7,2,6,"));

    // The one for spreadsheets in order of the numbers.
    QFile spreadsheet(QDir(folder.path()).filePath("tabelle.csv"));
    ASSERT_TRUE(spreadsheet.open(QIODevice::ReadOnly));
    const QStringList rows = QString::fromUtf8(spreadsheet.readAll()).split("\r\n");
    ASSERT_EQ(rows.size(), 4);
    EXPECT_TRUE(rows[1].startsWith("7;2;6;"));
    EXPECT_TRUE(rows[2].startsWith("12;6;11;"));
    // Each time's factor after it: none for the first number, a quoted number for the next.
    EXPECT_EQ(rows[1].split(';').size(), 11);
    EXPECT_EQ(rows[1].split(';')[4], "");
    EXPECT_TRUE(
        QRegularExpression("^\"[0-9]+(,[0-9]+)?\"$").match(rows[2].split(';')[4]).hasMatch())
        << rows[2].toStdString();

    const QImage chart(QDir(folder.path()).filePath(kChart));
    EXPECT_EQ(chart.size(), QSize(1200, 800));
}

TEST(CommandLineTest, WritesWellFormedSvgChart) {
    QTemporaryDir folder;
    const ProgramRun run = runVergleich({"12", "--chart", "chart.SVG"}, folder.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QFile svg(QDir(folder.path()).filePath("chart.SVG"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&svg);
    QString root;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && root.isEmpty())
            root = xml.name().toString();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(root, "svg");
}

// A full disk: faktorlupe-vergleich runs in a mount namespace of its own on a 64 KB tmpfs that
// holds an old file (unless old is -) and, beside it, a file that takes up every byte left.
const char* const kOnAFullDisk = R"(
disk=$1 old=$2 name=$3 after=$4
shift 4
mount -t tmpfs -o size=64k tmpfs "$disk" || exit 77
{ [ "$old" = - ] || cp "$old" "$disk/$name"; } && cat /dev/zero >"$disk/voll" 2>/dev/null
cd "$disk" && "$@"
status=$?
[ ! -e "$disk/$name" ] || cp "$disk/$name" "$after"
exit $status
)";

struct FullDisk {
    const char* name;
    QStringList arguments;
    const char* file;  // the file to be written
    bool older = true; // whether an older file of that name is there before
};

class FullDiskTest : public ::testing::TestWithParam<FullDisk> {};

TEST_P(FullDiskTest, OldFileStaysWholeAndTheRunFails) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QDir here(folder.path());
    ASSERT_TRUE(here.mkdir("disk"));
    QFile old(here.filePath("old"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    const QByteArray oldContent = QByteArray("die alte Datei\n").repeated(1000);
    old.write(oldContent);
    old.close();

    QProcess process;
    process.start("unshare",
                  QStringList{"--mount", "--map-root-user", "sh", "-c", kOnAFullDisk, "sh",
                              here.filePath("disk"),
                              GetParam().older ? here.filePath("old") : QStringLiteral("-"),
                              GetParam().file, here.filePath("after"), FAKTORLUPE_VERGLEICH} +
                      GetParam().arguments);
    ASSERT_TRUE(process.waitForFinished(120000));
    const QString err = QString::fromUtf8(process.readAllStandardError());
    if (process.exitCode() == 77 || err.startsWith("unshare:"))
        GTEST_SKIP() << "no tmpfs of its own can be mounted here: " << err.toStdString();
    EXPECT_EQ(process.exitCode(), 1) << err.toStdString();
    EXPECT_TRUE(err.contains(GetParam().file) && err.contains("kein Platz")) << err.toStdString();
    EXPECT_EQ(err.contains("Eine ältere Datei dieses Namens ist unverändert."), GetParam().older)
        << err.toStdString();
    QFile after(here.filePath("after"));
    if (!GetParam().older) {
        EXPECT_FALSE(after.exists()) << "a file was left behind";
        return;
    }
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_TRUE(after.readAll() == oldContent) << "the old file was damaged";
}

INSTANTIATE_TEST_SUITE_P(
    Vergleich, FullDiskTest,
    ::testing::Values(FullDisk{"PngChart", {"11", "--chart", "chart.png"}, "chart.png"},
                      FullDisk{"SvgChart", {"11", "--chart", "chart.svg"}, "chart.svg"},
                      FullDisk{"SpreadsheetCsv", {"11", "--csv-de", "werte.csv"}, "werte.csv"},
                      FullDisk{
                          "CsvWithoutAnOlderFile", {"11", "--csv", "neu.csv"}, "neu.csv", false}),
    [](const auto& info) { return std::string(info.param.name); });

// faktorlupe-vergleich ("$0") started by sh in an empty folder, for what only a shell sets up:
// descriptors, pipes, names that are not UTF-8, links of another user (who exits 77 unless root).
struct ShellRun {
    const char* name;
    const char* script;
    int status;
    const char* said;     // what standard error says in part; nothing where nullptr
    const char* outStart; // how the file "out" begins afterwards
    bool csvInOut;
};

class ShellRunTest : public ::testing::TestWithParam<ShellRun> {};

TEST_P(ShellRunTest, WritesWhereTheNameLeads) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QProcess process;
    process.setWorkingDirectory(folder.path());
    process.start("sh", {"-c", GetParam().script, FAKTORLUPE_VERGLEICH});
    ASSERT_TRUE(process.waitForFinished(120000));
    const std::string err = process.readAllStandardError().toStdString();
    if (process.exitCode() == 77)
        GTEST_SKIP() << "only root can lend a link to another user: " << err;
    EXPECT_EQ(process.exitCode(), GetParam().status) << err;
    EXPECT_TRUE(GetParam().said ? err.find(GetParam().said) != std::string::npos : err.empty())
        << err;
    QFile out(QDir(folder.path()).filePath("out"));
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    const QByteArray content = out.readAll();
    EXPECT_TRUE(content.startsWith(GetParam().outStart)) << content.toStdString();
    EXPECT_EQ(content.startsWith("zahl,teiler,") || content.contains("\nzahl,teiler,"),
              GetParam().csvInOut);
}

#define OLD_OUT "printf 'alt\\n' >out; "
#define SHARED_LINK "mkdir -m 1777 shared && ln -s ../out shared/w.csv && "
#define STICKY                                                                                     \
    "[ $(id -u) = 0 ] || exit 77; chmod 755 .; mkdir -m 1777 s; " OLD_OUT                          \
    "chmod 666 out; mv out s; "
INSTANTIATE_TEST_SUITE_P(
    Vergleich, ShellRunTest,
    ::testing::Values(
        ShellRun{"CsvAfterTheTableInTheFileOfStandardOutput", "\"$0\" 11 --csv /dev/stdout >out", 0,
                 nullptr, "      Zahl", true},
        ShellRun{"CsvAppendedThroughStandardError", OLD_OUT "\"$0\" 11 --csv /dev/stderr 2>>out", 0,
                 nullptr, "alt\nzahl,teiler,", true},
        ShellRun{"CsvThroughAPipe", "\"$0\" 11 --csv /dev/fd/1 | cat >out", 0, nullptr,
                 "      Zahl", true},
        ShellRun{"CsvAppendedThroughADescriptor", OLD_OUT "\"$0\" 11 --csv /proc/self/fd/3 3>>out",
                 0, nullptr, "alt\nzahl,", true},
        ShellRun{"ADescriptorThatTakesNothing", ": >out; \"$0\" 11 --csv /dev/fd/3 3>/dev/full", 1,
                 "kein Platz", "", false},
        ShellRun{"FilesWrittenAfterTheReaderOfTheTableHasGone",
                 "{ \"$0\" 11 --csv out; echo $? >status; } | true; exit $(cat status)", 1,
                 "liest nicht mehr", "zahl,teiler,", true},
        ShellRun{"AClockThatStandsStill",
                 ": >out; ASAN_OPTIONS=$ASAN_OPTIONS:verify_asan_link_order=0 "
                 "faketime -f '2026-10-25 02:59:58' \"$0\" 12 --csv out",
                 1, "die Uhr des Rechners ging während der Messung nicht weiter", "", false},
        ShellRun{"FilesWrittenAfterTheTableFailed", "\"$0\" 11 --csv out >/dev/full", 1,
                 "kein Platz", "zahl,teiler,", true},
        ShellRun{"TheLongestName", "n=$(printf %0255d 0); \"$0\" 11 --csv $n && mv $n out", 0,
                 nullptr, "zahl,teiler,", true},
        ShellRun{"ANameThatIsNotUtf8",
                 "n=$(printf '\\377\\376.csv'); \"$0\" 11 --csv $n >/dev/null && mv $n out", 0,
                 nullptr, "zahl,teiler,", true},
        ShellRun{"ALinkSomeoneElsePlantedInASharedFolder",
                 OLD_OUT SHARED_LINK "chown -h 65534 shared/w.csv || exit 77; "
                                     "\"$0\" 11 --csv shared/w.csv",
                 2, "Verknüpfung", "alt\n", false},
        ShellRun{"OnesOwnLinkInASharedFolder", SHARED_LINK "\"$0\" 11 --csv shared/w.csv", 0,
                 nullptr, "zahl,teiler,", true},
        ShellRun{"TheSharedFolderOwnersLink",
                 SHARED_LINK "chown -h 65534 shared shared/w.csv || exit 77; "
                             "\"$0\" 11 --csv shared/w.csv",
                 0, nullptr, "zahl,teiler,", true},
        ShellRun{"OneFileThroughALink",
                 OLD_OUT "ln -s out l.csv; \"$0\" 11 --csv out --csv-de l.csv", 2, "beide", "alt\n",
                 false},
        ShellRun{"OneFileThroughAHardLink", OLD_OUT "ln out h; \"$0\" 11 --csv out --csv-de h", 2,
                 "beide", "alt\n", false},
        ShellRun{"ACsvInTheFileOfStandardOutput", "\"$0\" 11 --csv out --csv-de /dev/stdout >out",
                 2, "Standardausgabe", "", false},
        ShellRun{"ACsvInTheLogOfStandardError", OLD_OUT "\"$0\" 11 --csv out 2>>out", 2, nullptr,
                 "alt\nfaktorlupe-vergleich: --csv und die Standardfehlerausgabe", false},
        ShellRun{"AnotherUsersFileInASharedFolder",
                 STICKY "setpriv --reuid 65534 --regid 65534 --clear-groups \"$0\" 11 --csv s/out;"
                        "e=$?; mv s/out .; exit $e",
                 2, "dort darf nicht", "alt\n", false},
        ShellRun{"RootReplacesAnotherUsersFileInASharedFolder",
                 STICKY "chown 65534 s s/out && \"$0\" 11 --csv s/out && mv s/out .", 0, nullptr,
                 "zahl,", true}),
    [](const auto& info) { return std::string(info.param.name); });

// Killed in the middle of saving, held by strace after a call: after fsync, while the new file
// is whole, and after linkat, when it has its hidden name. The 3 s held leave the watcher time
// to see the call and send the signal on a loaded machine. The old file stays as it was, and
// nothing else is left in the folder.
const char* const kKilledAfter = R"sh(
call=$1 signal=$2 program=$3
cd folder && printf 'alt\n' >werte.csv || exit 1
(until grep -q "$call(" ../trace 2>/dev/null; do sleep 0.05; done
 kill -s "$signal" "$(grep "$call(" ../trace | cut -d' ' -f1 | head -n 1)") &
strace -f -qq -o ../trace -e trace="$call" -e inject="$call":delay_exit=3000000 \
    "$program" 11 --csv werte.csv >/dev/null
status=$?
grep -q "$call(" ../trace || { kill $!; exit 77; }
exit $status
)sh";

struct Kill {
    const char* call;
    const char* signal;
    int number;
};

class KilledWhileSavingTest : public ::testing::TestWithParam<Kill> {};

TEST_P(KilledWhileSavingTest, LeavesTheOldFileAndNothingElse) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid() && QDir(folder.path()).mkdir("folder"));
    QProcess process;
    process.setWorkingDirectory(folder.path());
    process.start(
        "sh", {"-c", kKilledAfter, "sh", GetParam().call, GetParam().signal, FAKTORLUPE_VERGLEICH});
    ASSERT_TRUE(process.waitForFinished(120000));
    if (process.exitCode() == 77)
        GTEST_SKIP() << "no " << GetParam().call << " on this file system";
    EXPECT_EQ(process.exitCode(), 128 + GetParam().number) << process.readAllStandardError().data();
    const QDir here(QDir(folder.path()).filePath("folder"));
    EXPECT_EQ(here.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{kCsv});
    QFile old(here.filePath(kCsv));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "alt\n");
}

INSTANTIATE_TEST_SUITE_P(Vergleich, KilledWhileSavingTest,
                         ::testing::Values(Kill{"fsync", "TERM", SIGTERM},
                                           Kill{"linkat", "INT", SIGINT},
                                           Kill{"linkat", "HUP", SIGHUP}),
                         [](const auto& info) {
                             return std::string(info.param.call) + info.param.signal;
                         });

TEST(CommandLineTest, ATableThatCannotBeWrittenFails) {
    QProcess process;
    process.setStandardOutputFile("/dev/full");
    process.start(FAKTORLUPE_VERGLEICH, {"11"});
    ASSERT_TRUE(process.waitForFinished(120000));
    const QString err = QString::fromUtf8(process.readAllStandardError());
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(err.contains("Standardausgabe") && err.contains("kein Platz")) << err.toStdString();
}

} // namespace

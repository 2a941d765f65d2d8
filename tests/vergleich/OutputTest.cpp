// The figures as people and programs read them: readable numbers and times, the table and the
// CSV, and the growth heard from the chart's guides.
#include "vergleich/chart/ChartModel.h"
#include "vergleich/output/ChartGuide.h"
#include "vergleich/output/ReadableNumbers.h"
#include "vergleich/output/Report.h"
#include "vergleich/readable/ScriptCsv.h"
#include "vergleich/readable/SpreadsheetCsvText.h"

#include <QTemporaryDir>
#include <charconv>
#include <cmath>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <tuple>
#include <utility>
#include <vector>

namespace faktorlupe::vergleich {
namespace {

std::vector<std::string> split(const std::string& line, char separator) {
    std::vector<std::string> fields;
    std::stringstream stream(line);
    for (std::string field; std::getline(stream, field, separator);)
        fields.push_back(field);
    return fields;
}

const std::vector<NumberFigures> kFigures = {
    {12, 6, {{{11, 6, 5.25e-7}, {5, 6, 1.5e-6}, {2, 6, 1e-6}}}},
    {2147483647, 2, {{{2147483646, 2, 0.625}, {1073741822, 2, 0.3125}, {46339, 2, 1.5e-5}}}},
};

TEST(CsvTest, CarriesTheHeaderAndOneParsableRowPerNumber) {
    std::istringstream in(csvText(kFigures));
    std::string line;
    ASSERT_TRUE(std::getline(in, line));
    EXPECT_EQ(line, "zahl,teiler,kandidaten_alle,sekunden_alle,kandidaten_haelfte,"
                    "sekunden_haelfte,kandidaten_wurzel,sekunden_wurzel");
    for (const NumberFigures& expected : kFigures) {
        ASSERT_TRUE(std::getline(in, line));
        const std::vector<std::string> fields = split(line, ',');
        ASSERT_EQ(fields.size(), 8u) << line;
        std::vector<double> values;
        for (const std::string& field : fields) {
            double value = 0;
            const auto result = std::from_chars(field.data(), field.data() + field.size(), value);
            EXPECT_EQ(result.ptr, field.data() + field.size()) << field;
            values.push_back(value);
        }
        EXPECT_EQ(values[0], expected.zahl);
        EXPECT_EQ(values[1], expected.divisors);
        for (std::size_t scan = 0; scan < 3; ++scan) {
            EXPECT_EQ(values[2 + 2 * scan], expected.scans[scan].candidates);
            EXPECT_EQ(values[3 + 2 * scan], expected.scans[scan].seconds);
        }
    }
    EXPECT_FALSE(std::getline(in, line));
}

// For a German spreadsheet: semicolons, milliseconds with a decimal comma, no exponent and in
// quotes, German headings, the rows by their number, each time's factor to the row above as a
// plain number (one decimal, whole from ten on without grouping, two digits below a tenth);
// worked out by hand from kFigures and a number between them.
TEST(SpreadsheetCsvTest, ReadsAsNumbersInAGermanSpreadsheet) {
    const NumberFigures between = {
        1000003, 2, {{{1000002, 2, 1.05e-6}, {500001, 2, 3e-7}, {1000, 2, 5e-8}}}};
    EXPECT_EQ(spreadsheetCsvText({kFigures[1], between, kFigures[0]}),
              "\xEF\xBB\xBF"
              "Zahl;Teiler;Kandidaten alle;Zeit alle (ms);Faktor alle;Kandidaten Hälfte;"
              "Zeit Hälfte (ms);Faktor Hälfte;Kandidaten Wurzel;Zeit Wurzel (ms);Faktor Wurzel\r\n"
              "12;6;11;\"0,000525\";;5;\"0,0015\";;2;\"0,001\";\r\n"
              "1000003;2;1000002;\"0,00105\";\"2,0\";500001;\"0,0003\";\"0,2\";1000;"
              "\"0,00005\";\"0,05\"\r\n"
              "2147483647;2;2147483646;\"625\";\"595238\";1073741822;\"312,5\";\"1041667\";"
              "46339;\"0,015\";\"300\"\r\n");
}

TEST(TableTest, GermanHeadingsAndTimesWithTheirUnit) {
    std::ostringstream out;
    writeTable(out, kFigures);
    const std::string table = out.str();
    for (const char* heading :
         {"Zahl", "Teiler", "Kandidaten alle", "Zeit alle", "Kandidaten Hälfte", "Zeit Hälfte",
          "Kandidaten Wurzel", "Zeit Wurzel"})
        EXPECT_NE(table.find(heading), std::string::npos) << heading;
    for (const char* time : {"525\u00A0ns", "1,5\u00A0µs", "0,625\u00A0s", "15\u00A0µs"})
        EXPECT_NE(table.find(time), std::string::npos) << time << '\n' << table;
    EXPECT_NE(table.find("2147483646"), std::string::npos) << table;
}

// The labels of the chart's axes and the times of its table, as pupils read them.
TEST(ReadableNumbersTest, NumbersAsPeopleReadThem) {
    const std::pair<double, const char*> rows[] = {
        {10, "10"},
        {1000, "1\u00A0000"},
        {250000, "250\u00A0000"},
        {1e6, "1\u00A0Mio."},
        {2.5e6, "2,5\u00A0Mio."},
        {1e9, "1\u00A0Mrd."},
        {2147483647, "2,15\u00A0Mrd."},
        {999999900, "1\u00A0Mrd."},
        {999999.6, "1\u00A0Mio."},
    };
    for (const auto& [value, text] : rows)
        EXPECT_EQ(readableNumber(value), QString::fromUtf8(text)) << value;
}

TEST(ReadableNumbersTest, TimesWithTheirUnit) {
    const std::pair<double, const char*> rows[] = {
        {2, "2\u00A0s"},           {0.62, "0,62\u00A0s"},    {0.05, "50\u00A0ms"},
        {1.25e-5, "12,5\u00A0µs"}, {4.47e-7, "447\u00A0ns"}, {0, "0"},
        {9.9996e-4, "1\u00A0ms"},
    };
    for (const auto& [seconds, text] : rows)
        EXPECT_EQ(readableSeconds(seconds), QString::fromUtf8(text)) << seconds;
}

// The factor of a time to the one above it in the window's table.
TEST(ReadableNumbersTest, FactorsAsPupilsReadThem) {
    const std::pair<double, const char*> rows[] = {
        {2.0, "×\u00A02,0"},
        {2.04, "×\u00A02,0"},
        {1.414, "×\u00A01,4"},
        {0.5, "×\u00A00,5"},
        {9.96, "×\u00A010"},
        {16.2, "×\u00A016"},
        {10309.3, "×\u00A010\u00A0309"},
        {0.048, "×\u00A00,048"},
    };
    for (const auto& [ratio, text] : rows)
        EXPECT_EQ(readableFactor(ratio), QString::fromUtf8(text)) << ratio;
}

// The growth of the guide the points lie closest to; numbers too close together tell nothing.
TEST(ChartGuideTest, GrowthHeardFromTheFittedGuides) {
    const std::vector<std::int32_t> wide = {1000003, 16000057, 256000001},
                                    near = {1000003, 2000003};
    const std::tuple<std::vector<std::int32_t>, double, const char*> rows[] = {
        {wide, 1, "n"},
        {wide, 0.8, "n"},
        {wide, 0.5, "die Wurzel von n"},
        {wide, 0.6, "die Wurzel von n"},
        {near, 1, ""},
        {{16000057}, 1, ""},
    };
    for (const auto& [numbers, power, heard] : rows) {
        std::vector<NumberFigures> figures;
        for (const std::int32_t n : numbers)
            figures.push_back({n, 2, {{{n - 1, 2, 1e-9 * std::pow(n, power)}}}});
        EXPECT_EQ(heardGrowth(figures, 0), QString::fromUtf8(heard)) << power;
    }
}

// The number axis's tick texts, one point per figure and scan, and guides inside the plot area.
TEST(ChartModelTest, TicksPointsAndGuides) {
    const std::vector<std::int32_t> doubling = {100000007, 1600000009};
    const std::tuple<std::vector<std::int32_t>, Scale, std::vector<std::string>> rows[] = {
        {doubling, Scale::Logarithmic, {"100 Mio.", "200 Mio.", "500 Mio.", "1 Mrd."}},
        {doubling, Scale::Linear, {"0", "500 Mio.", "1 Mrd.", "1,5 Mrd."}},
        {{}, Scale::Logarithmic, {"10", "20", "50", "100"}},
    };
    for (const auto& [numbers, scale, texts] : rows) {
        std::vector<NumberFigures> figures;
        for (const std::int32_t n : numbers)
            figures.push_back(
                {n, 2, {{{n - 1, 2, 1e-9 * n}, {n / 2, 2, 5e-10 * n}, {46000, 2, 1e-5}}}});
        const ChartModel model = chartModel(figures, scale);
        std::vector<std::string> shown;
        for (const ChartTick& tick : model.x.ticks)
            shown.push_back(
                QString::fromStdString(tick.text).replace(QChar(0xA0), ' ').toStdString());
        EXPECT_EQ(shown, texts);
        for (const ChartScan& scan : model.scans) {
            EXPECT_EQ(scan.points.size(), numbers.size());
            EXPECT_EQ(scan.guide.empty(), numbers.empty());
            for (const ChartPoint& point : scan.guide)
                EXPECT_TRUE(point.y >= model.y.low - 1e-9 && point.y <= model.y.high + 1e-9);
        }
    }
}

// The window's Speichern onto a FIFO named werte.csv: refused, the FIFO stays.
TEST(FileWritingTest, AFifoIsNotReplaced) {
    QTemporaryDir folder;
    const QByteArray fifo = folder.filePath("werte.csv").toUtf8();
    ASSERT_EQ(::mkfifo(fifo.constData(), 0666), 0);
    EXPECT_TRUE(writeCsvFile(fifo, kFigures).value_or("").contains("keine gewöhnliche Datei"));
    struct stat after {};
    EXPECT_TRUE(::stat(fifo.constData(), &after) == 0 && S_ISFIFO(after.st_mode));
}

} // namespace
} // namespace faktorlupe::vergleich

// End-to-end runs of the built quendral-calc: sheet files, picks, batch lines, the report,
// the geometry conversion, exit codes.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <regex>
#include <string>
#include <vector>

namespace {

using nlohmann::json;
using namespace std::string_literals;

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

// A file of the running test's own: CTest runs the tests of this program side by side.
std::filesystem::path scratch(const std::string& name) {
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    return std::filesystem::path(::testing::TempDir()) / ("quendral_cli_" + test + "_" + name);
}

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs quendral-calc with `arguments` (shell words), `input` on standard input and the
// locale variables (and time zone) of `environment`.
Result calc(const std::string& arguments, const std::string& input = "",
            const std::string& environment = "LC_ALL=C") {
    const auto in = scratch("in");
    const auto err = scratch("err");
    std::ofstream(in, std::ios::binary) << input;
    const std::string command = "env -u LC_ALL -u LC_NUMERIC -u LC_TIME -u LANG -u TZ " +
                                environment + " '" + QUENDRAL_CALC "' " + arguments + " < '" +
                                in.string() + "' 2> '" + err.string() + "'";
    Result result;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        result.out.append(buffer, n);
    }
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream errors(err);
    result.err.assign(std::istreambuf_iterator<char>(errors), {});
    return result;
}

TEST(QuendralCalc, DefaultSheetAsJson) {
    const Result r = calc("--json");
    ASSERT_EQ(r.status, 0) << r.err;
    const json j = json::parse(r.out);
    EXPECT_EQ(j.size(), 9u);
    EXPECT_EQ(j["completed"], true);
    EXPECT_EQ(j["error"], nullptr);
    EXPECT_EQ(j["warnings"], json::array());
    EXPECT_EQ(j["focus"], nullptr);
    EXPECT_EQ(j["fields"].size(), 25u);
    EXPECT_EQ(j["fields"]["Edit1"], "300");
    EXPECT_EQ(j["fields"]["Edit11"], "10.79");
    EXPECT_EQ(j["fields"]["Edit14"], "555.42");
    EXPECT_EQ(j["fields"]["Edit17"], "#150.00");
    EXPECT_EQ(j["fields"]["KZJ"], "561.00");
    EXPECT_EQ(j["fields"]["ZZJ"], "148.81");
    EXPECT_EQ(j["items"]["ComboBox5"], json({"d10@140", "d12@200"}));
    EXPECT_EQ(j["hints"]["ComboBox6"], "   梯板支座实配钢筋面积As= 148.81(mm^2/m)");
    EXPECT_EQ(j["colours"],
              json({{"Edit14", 0}, {"ComboBox5", 0}, {"Edit17", 0}, {"ComboBox6", 0}}));
    EXPECT_EQ(j["buttons"], json({{"computer", false}, {"Save", true}, {"Ptlpj", true}}));
}

TEST(QuendralCalc, SheetFileLinesKeepTheirBlanks) {
    const Result r = calc("--json -",
                          "# a flight with a typed coefficient\r\n\r\nTBBH=TB-2 = \"\\\t\xFF\r\n"
                          "ComboBox3= 1/10\r\n");
    EXPECT_EQ(r.status, 1);
    const json j = json::parse(r.out);
    EXPECT_EQ(j["completed"], false);
    EXPECT_EQ(j["error"], "' 1/10' is not a valid floating point value.");
    // Quotes, backslashes and tabs escaped; a byte that is no UTF-8 becomes U+FFFD.
    EXPECT_EQ(j["fields"]["TBBH"], "TB-2 = \"\\\t\xEF\xBF\xBD");
    EXPECT_EQ(j["fields"]["Edit11"], "10.79");
    EXPECT_EQ(j["fields"]["Edit13"], "");
    EXPECT_EQ(j["hints"]["ComboBox5"], nullptr);
    EXPECT_EQ(j["colours"]["Edit14"], nullptr);
    EXPECT_EQ(j["buttons"]["computer"], true);

    // A rejected text is quoted whole in the error, NUL bytes included.
    const Result nul = calc("--json", "ComboBox3=1/10\0x\n"s);
    EXPECT_EQ(nul.status, 1);
    EXPECT_EQ(json::parse(nul.out)["error"], "'1/10\0x' is not a valid floating point value."s);
}

TEST(QuendralCalc, PicksRunInOrderAndTheLastErrorCounts) {
    const Result ok = calc("--json --pick ComboBox5=d12@200 --pick=ComboBox6=d8@150");
    ASSERT_EQ(ok.status, 0) << ok.err;
    const json j = json::parse(ok.out);
    EXPECT_EQ(j["fields"]["ComboBox5"], "d12@200");
    EXPECT_EQ(j["fields"]["KZJ"], "565.49");
    EXPECT_EQ(j["fields"]["ZZJ"], "335.10");

    const Result bad = calc("--json --pick ComboBox6=d8@000");
    EXPECT_EQ(bad.status, 1);
    const json k = json::parse(bad.out);
    EXPECT_EQ(k["completed"], true);
    EXPECT_EQ(k["error"], "Floating point division by zero.");
    EXPECT_EQ(k["fields"]["ZZJ"], "148.81");
}

TEST(QuendralCalc, WarningStopShowsWarningAndFocus) {
    const Result r = calc("--json", "Edit3=60\n");
    EXPECT_EQ(r.status, 1);
    const json j = json::parse(r.out);
    EXPECT_EQ(j["warnings"], json({"超筋"}));
    EXPECT_EQ(j["focus"], "Edit3");
    EXPECT_EQ(j["fields"]["Edit13"], "8.98");
    EXPECT_EQ(j["fields"]["Edit14"], "");
}

TEST(QuendralCalc, HumanOutputHasLabelsAndUnits) {
    const Result r = calc("", "Edit3=64\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("梯板承受荷载 (Edit11): 8.91 kN/m\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("跨中配筋 (Edit14): 1432.28 mm^2/m\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("警告: 跨中超筋\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("计算完成\n"), std::string::npos) << r.out;
}

// The first 17 lines of the report of the start sheet after Calculate, in GBK, as written
// independently of the program; line 18 depends on the date, the time and the locale.
std::string workedExampleBeforeTheDate() {
    const std::string example = readBytes(QUENDRAL_REPORT_TEST_DATA "/worked_example.txt");
    return example.substr(0, example.rfind("\r\n", example.size() - 3) + 2);
}

std::string dateLine(const std::string& writtenAt) {
    return "===================== " + writtenAt + " =======================\r\n";
}

TEST(QuendralCalc, ReportIsTheWorkedExampleInTheUsersLocale) {
    struct Case {
        std::string environment;
        std::string at;
        std::string writtenAt;
    };
    const std::string expected = workedExampleBeforeTheDate();
    ASSERT_EQ(std::count(expected.begin(), expected.end(), '\n'), 17);
    const auto report = scratch("TB-1.txt");
    for (const Case& c : std::vector<Case>{
             {"LC_ALL=C", "--at 2001-05-08T14:05:30", "8 May 2001 14:05:30"},
             {"LANG=sv_SE.UTF-8", "--at=2001-05-08T14:05:30", "2001-05-08 14:05:30"},
             {"LANG=C.UTF-8 LC_TIME=sv_SE.UTF-8", "--at 2001-05-08T14:05:30",
              "2001-05-08 14:05:30"},
             {"LANG=sv_SE.UTF-8", "--at 2001-05-08T00:00:00", "2001-05-08"},
             // An hour the clocks skip that night is still written as given.
             {"LANG=sv_SE.UTF-8 TZ=CET-1CEST,M3.5.0,M10.5.0/3", "--at 2021-03-28T02:30:00",
              "2021-03-28 02:30:00"},
         }) {
        const Result r =
            calc("--json --report '" + report.string() + "' " + c.at, "", c.environment);
        ASSERT_EQ(r.status, 0) << c.environment << ": " << r.err;
        EXPECT_EQ(json::parse(r.out)["completed"], true);
        EXPECT_EQ(readBytes(report), expected + dateLine(c.writtenAt)) << c.environment;
    }

    // Without --at the current time is written: only the shape of the line can be known.
    ASSERT_EQ(calc("--report '" + report.string() + "'", "", "LANG=sv_SE.UTF-8").status, 0);
    const std::string written = readBytes(report);
    ASSERT_TRUE(written.starts_with(expected));
    const std::string line = written.substr(expected.size());
    // Exactly at midnight the time is left out.
    EXPECT_TRUE(std::regex_match(
        line,
        std::regex("===================== [0-9]{4}-[0-9]{2}-[0-9]{2}( [0-9]{2}:[0-9]{2}:[0-9]{2})? "
                   "=======================\r\n")))
        << line;
}

// The report shows the sheet after the picks, and after a Calculate that stopped it shows
// the results as far as they were written, with the exit status still telling of the stop.
TEST(QuendralCalc, ReportHoldsTheSheetAsItStands) {
    struct Case {
        std::string arguments;
        std::string input;
        int status;
        std::vector<std::string> pieces;  // ASCII pieces of the report's lines
    };
    const auto report = scratch("report.txt");
    for (const Case& c : std::vector<Case>{
             {"--pick ComboBox5=d12@200", "", 0, {"d12@200(As=565.49)\r\n"}},
             // A warning stop: the mid-span moment written, its area not; the provided areas
             // still their start texts.
             {"", "Edit3=60\n", 1, {"60mm  \r\n", ":8.98kN-m  \r\n", ":mm^2", "(As=KZJ)\r\n"}},
             {"--pick ComboBox6=d8@000", "", 1, {"d8@000(As=148.81)\r\n"}},
         }) {
        const Result r = calc(
            c.arguments + " --report '" + report.string() + "' --at 2001-05-08T14:05:30", c.input);
        EXPECT_EQ(r.status, c.status) << c.arguments << c.input << ": " << r.err;
        const std::string written = readBytes(report);
        EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 18);
        for (const std::string& piece : c.pieces) {
            EXPECT_NE(written.find(piece), std::string::npos) << c.input << ": " << piece;
        }
    }
}

TEST(QuendralCalc, FailedReportLeavesTheFileAsItWas) {
    const auto readOnly = scratch("read-only.txt");
    std::filesystem::remove(readOnly);
    std::ofstream(readOnly, std::ios::binary) << "old report\r\n";
    std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read |
                                               std::filesystem::perms::group_read |
                                               std::filesystem::perms::others_read);
    struct Case {
        std::filesystem::path path;
        std::string message;
    };
    for (const Case& c : std::vector<Case>{
             {scratch("no-such-folder") / "TB-1.txt", "quendral-calc: Invalid filename.\n"},
             {readOnly, "quendral-calc: File access denied.\n"},
         }) {
        const Result r = calc("--json --report '" + c.path.string() + "'");
        EXPECT_EQ(r.status, 1) << c.path;
        EXPECT_EQ(r.err, c.message);
        // The results are printed all the same; the report's failure is no Calculate error.
        const json j = json::parse(r.out);
        EXPECT_EQ(j["completed"], true);
        EXPECT_EQ(j["error"], nullptr);
    }
    EXPECT_EQ(readBytes(readOnly), "old report\r\n");
    EXPECT_FALSE(std::filesystem::exists(scratch("no-such-folder")));
    std::filesystem::remove(readOnly);
}

// The dialog's start texts, and the same with some texts replaced.
json geometryFields(const std::vector<std::pair<std::string, std::string>>& changes = {}) {
    json fields{{"Edit1", "300"},  {"Edit2", "3000"}, {"Edit3", "10"},    {"Edit4", "150"},
                {"Edit5", "1650"}, {"Edit6", "11"},   {"Edit7", "3200"},  {"Edit8", "3000"},
                {"Edit9", "200"},  {"Edit10", "120"}, {"Edit11", "3500"}, {"Edit12", "30"}};
    for (const auto& [name, text] : changes) fields[name] = text;
    return fields;
}

TEST(QuendralCalc, GeometryConversionAsJson) {
    struct Case {
        std::string input;
        int status;
        json expected;
    };
    const json converted = {{"Edit3", "10"},   {"Edit1", "300.00"},  {"Edit4", "150.00"},
                            {"Edit8", "3000"}, {"Edit7", "3200.00"}, {"Edit11", "3200.00"},
                            {"Edit10", "110"}};
    json startConverted = geometryFields();
    startConverted.update(converted);
    for (const Case& c : std::vector<Case>{
             {"", 0, {{"error", nullptr}, {"fields", startConverted}}},
             // Only the tread count is written before the division fails.
             {"Edit6=1\n",
              1,
              {{"error", "Floating point division by zero."},
               {"fields", geometryFields({{"Edit6", "1"}, {"Edit3", "0"}})}}},
             // A given result survives when the step that writes it fails; CR, comments and
             // blank lines as in a sheet file.
             {"# ratio\r\n\r\nEdit12=0\r\nEdit10=999\n",
              1,
              {{"error", "Floating point division by zero."},
               {"fields", geometryFields({{"Edit3", "10"},
                                          {"Edit1", "300.00"},
                                          {"Edit4", "150.00"},
                                          {"Edit7", "3200.00"},
                                          {"Edit11", "3200.00"},
                                          {"Edit12", "0"},
                                          {"Edit10", "999"}})}}},
             {"Edit6=1\0 1\n"s,
              1,
              {{"error", "'1\0 1' is not a valid integer value."s},
               {"fields", geometryFields({{"Edit6", "1\0 1"s}})}}},
         }) {
        const Result r = calc("--geometry --json", c.input);
        EXPECT_EQ(r.status, c.status) << c.input << ": " << r.err;
        EXPECT_EQ(json::parse(r.out), c.expected) << c.input;
    }
}

TEST(QuendralCalc, GeometryHumanOutputHasRolesAndUnits) {
    const Result r = calc("--geometry -", "Edit6=1\n");
    EXPECT_EQ(r.status, 1);
    for (const char* line :
         {"踏步宽度 (Edit1): 300 mm\n", "踏步数-1 (Edit3): 0\n", "相关系数 (Edit12): 30\n",
          "错误: Floating point division by zero.\n", "换算未完成\n"}) {
        EXPECT_NE(r.out.find(line), std::string::npos) << r.out;
    }
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 14);
}

TEST(QuendralCalc, BatchGivesOneResultLinePerSheet) {
    const Result r = calc("--jsonl", "{}\n{\"Edit3\": \"60\"}\r\n{\"ComboBox1\": \"C25\"}\n");
    EXPECT_EQ(r.status, 1) << r.err;
    std::vector<json> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = r.out.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(json::parse(r.out.substr(start, end - start)));
    }
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0]["completed"], true);
    EXPECT_EQ(lines[1]["completed"], false);
    EXPECT_EQ(lines[2]["fields"]["ComboBox1"], "C25");
    EXPECT_EQ(lines[2]["completed"], true);
}

TEST(QuendralCalc, InputProblemsExitWithTwoAndNameTheLine) {
    struct Case {
        std::string arguments;
        std::string input;
        std::string message;
    };
    const auto report = scratch("report.txt");
    const std::string reportTo = "--report '" + report.string() + "' ";
    const std::vector<Case> cases{
        {"", "Edit1=300\nEdit15=3\n", "line 2: unknown field 'Edit15'"},
        {"", "KZJ=561\n", "line 1: 'KZJ' is a result, not an input field"},
        {"", "Edit1 300\n", "line 1: expected NAME=TEXT"},
        {"--jsonl", "{}\n{\"Edit1\": 300}\n", "line 2: the text of 'Edit1' is not a string"},
        {"--jsonl", "{}\n{}\n{\"Edit1\": \n", "line 3: malformed JSON"},
        {"'/nonexistent/sheet.txt'", "", "cannot open '/nonexistent/sheet.txt'"},
        {"--frobnicate", "", "unknown option '--frobnicate'"},
        {"--pick Edit3=60", "", "--pick takes ComboBox5 or ComboBox6"},
        {reportTo + "--at 2001-5-8T14:05:30", "", "--at needs YYYY-MM-DDTHH:MM:SS"},
        {reportTo + "--at=2001-02-29T14:05:30", "", "--at needs YYYY-MM-DDTHH:MM:SS"},
        {reportTo + "--at '2001-05-08 14:05:30'", "", "--at needs YYYY-MM-DDTHH:MM:SS"},
        {"--at 2001-05-08T14:05:30", "", "--at needs --report FILE"},
        {reportTo + "--jsonl", "{}\n", "cannot go with --jsonl"},
        {reportTo, "Edit3 60\n", "line 1: expected NAME=TEXT"},
        {"--geometry --pick ComboBox5=d12@200", "", "--geometry cannot go with --pick"},
        {"--geometry " + reportTo, "", "--geometry cannot go with --report"},
        {"--geometry", "Edit12=30\nEdit13=1\n", "line 2: unknown field 'Edit13'"},
        {"--geometry", "Edit1 300\n", "line 1: expected NAME=TEXT"},
    };
    for (const Case& c : cases) {
        const Result r = calc(c.arguments, c.input);
        EXPECT_EQ(r.status, 2) << c.arguments << " / " << c.input;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
    EXPECT_FALSE(std::filesystem::exists(report)) << "no report after an input problem";
    // A batch still gives the results of the lines before the bad one.
    const Result batch = calc("--jsonl", "{}\n{}\nnot json\n{}\n");
    EXPECT_EQ(batch.status, 2);
    EXPECT_EQ(std::count(batch.out.begin(), batch.out.end(), '\n'), 2);
}

// A locale with a decimal comma, built for the test; skipped where the locale sources are
// not installed.
TEST(QuendralCalc, DecimalSeparatorFollowsTheLocale) {
    const auto locales = scratch("locales");
    std::filesystem::create_directories(locales);
    const std::string build =
        "localedef -i de_DE -f UTF-8 '" + (locales / "de_DE.UTF-8").string() + "' > /dev/null 2>&1";
    if (std::system(build.c_str()) != 0 || !std::filesystem::exists(locales / "de_DE.UTF-8")) {
        GTEST_SKIP() << "no de_DE locale source";
    }
    const std::string locpath = "LOCPATH='" + locales.string() + "' ";
    struct Case {
        std::string environment;
        std::string designLoad;
        std::string supportMoment;
    };
    for (const Case& c : std::vector<Case>{
             {"LC_ALL=de_DE.UTF-8", "10,79", "5,52"},
             {"LANG=de_DE.UTF-8", "10,79", "5,52"},
             {"LANG=de_DE.UTF-8 LC_NUMERIC=C", "10.79", ""},
             {"LC_ALL=C LC_NUMERIC=de_DE.UTF-8", "10.79", ""},
         }) {
        const Result r = calc("--json", "ComboBox4=0,05\n", locpath + c.environment);
        const json j = json::parse(r.out);
        EXPECT_EQ(j["fields"]["Edit11"], c.designLoad) << c.environment;
        EXPECT_EQ(j["fields"]["Edit16"], c.supportMoment) << c.environment;
    }
}

TEST(QuendralCalc, HelpDocumentsTheOptions) {
    const Result r = calc("--help");
    EXPECT_EQ(r.status, 0);
    for (const char* word : {"--json", "--jsonl", "--pick", "--report", "--at", "--geometry",
                             "LC_NUMERIC", "LC_TIME", "Exit status"}) {
        EXPECT_NE(r.out.find(word), std::string::npos) << word;
    }
}

}  // namespace

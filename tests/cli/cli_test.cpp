// End-to-end runs of the built quendral-calc: sheet files, picks, batch lines, exit codes.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace {

using nlohmann::json;

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

// Runs quendral-calc with `arguments` (shell words), `input` on standard input and the
// locale variables of `environment`.
Result calc(const std::string& arguments, const std::string& input = "",
            const std::string& environment = "LC_ALL=C") {
    const auto in = scratch("in");
    const auto err = scratch("err");
    std::ofstream(in, std::ios::binary) << input;
    const std::string command = "env -u LC_ALL -u LC_NUMERIC -u LANG " + environment + " '" +
                                QUENDRAL_CALC "' " + arguments + " < '" + in.string() + "' 2> '" +
                                err.string() + "'";
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
    const std::vector<Case> cases{
        {"", "Edit1=300\nEdit15=3\n", "line 2: unknown field 'Edit15'"},
        {"", "KZJ=561\n", "line 1: 'KZJ' is a result, not an input field"},
        {"", "Edit1 300\n", "line 1: expected NAME=TEXT"},
        {"--jsonl", "{}\n{\"Edit1\": 300}\n", "line 2: the text of 'Edit1' is not a string"},
        {"--jsonl", "{}\n{}\n{\"Edit1\": \n", "line 3: malformed JSON"},
        {"'/nonexistent/sheet.txt'", "", "cannot open '/nonexistent/sheet.txt'"},
        {"--frobnicate", "", "unknown option '--frobnicate'"},
        {"--pick Edit3=60", "", "--pick takes ComboBox5 or ComboBox6"},
    };
    for (const Case& c : cases) {
        const Result r = calc(c.arguments, c.input);
        EXPECT_EQ(r.status, 2) << c.arguments << " / " << c.input;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
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
    for (const char* word : {"--json", "--jsonl", "--pick", "LC_NUMERIC", "Exit status"}) {
        EXPECT_NE(r.out.find(word), std::string::npos) << word;
    }
}

}  // namespace

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <functional>

#include "numeric/error.h"
#include "report/report.h"
#include "text_sheet.h"

namespace quendral::report {
namespace {

const std::string kOldReport = "an older report, longer than the new one\r\n";

class ReportFile : public ::testing::Test {
protected:
    QString path(const QString& name) const { return folder_.filePath(name); }

    void put(const QString& name, const std::string& bytes) const {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    std::string bytes(const QString& name) const {
        return testing::readBytes(path(name).toStdString());
    }
    QStringList entries() const {
        QStringList names =
            QDir(folder_.path())
                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
        names.sort();
        return names;
    }
    // The message of the UserError that writing the report to path throws; empty if none.
    static std::string failure(const QString& target, std::string_view report = "new") {
        try {
            writeReportFile(target, report);
        } catch (const UserError& error) {
            return error.what();
        }
        return {};
    }

    QTemporaryDir folder_;
};

TEST_F(ReportFile, CreatesOrReplacesTheWholeFile) {
    EXPECT_EQ(failure(path("new.txt")), "");
    EXPECT_EQ(bytes("new.txt"), "new");

    put("TB-1.txt", kOldReport);
    ::chmod(path("TB-1.txt").toLocal8Bit().constData(), 0600);
    EXPECT_EQ(failure(path("TB-1.txt")), "");
    EXPECT_EQ(bytes("TB-1.txt"), "new");  // nothing of the longer old file is left
    struct stat status {};
    ::stat(path("TB-1.txt").toLocal8Bit().constData(), &status);
    EXPECT_EQ(status.st_mode & 0777, 0600u);  // a private report stays private
    EXPECT_EQ(entries(), QStringList({"TB-1.txt", "new.txt"}));
}

// Targets that must be refused before anything is written; these hold for every user,
// the superuser included.
TEST_F(ReportFile, RefusedTargetsKeepTheirContent) {
    struct Case {
        const char* what;
        std::function<QString()> target;
        std::string message;
    };
    const Case cases[] = {
        {"read-only file",
         [&] {
             put("readonly.txt", kOldReport);
             QFile::setPermissions(path("readonly.txt"),
                                   QFileDevice::ReadOwner | QFileDevice::ReadGroup);
             return path("readonly.txt");
         },
         "File access denied"},
        {"a folder of that name",
         [&] {
             QDir(folder_.path()).mkdir("folder.txt");
             return path("folder.txt");
         },
         "File access denied"},
        {"missing folder", [&] { return path("missing/TB-1.txt"); }, "Invalid filename"},
        {"a file as folder",
         [&] {
             put("plain", kOldReport);
             return path("plain/TB-1.txt");
         },
         "Invalid filename"},
        {"no name", [] { return QString(); }, "Invalid filename"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString target = c.target();
        const QStringList before = entries();

        EXPECT_EQ(failure(target), c.message);

        EXPECT_EQ(entries(), before);  // no temporary file left, nothing created
    }
    EXPECT_EQ(bytes("readonly.txt"), kOldReport);
    EXPECT_TRUE(QFileInfo(path("folder.txt")).isDir());
}

TEST_F(ReportFile, FolderWithoutWritePermission) {
    put("TB-1.txt", kOldReport);
    QFile::setPermissions(folder_.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool bites = ::access(folder_.path().toLocal8Bit().constData(), W_OK) != 0;
    if (!bites) {
        QFile::setPermissions(folder_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner);
        GTEST_SKIP() << "this user may write any folder (superuser)";
    }

    EXPECT_EQ(failure(path("TB-1.txt")), "File access denied");

    QFile::setPermissions(folder_.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(bytes("TB-1.txt"), kOldReport);
    EXPECT_EQ(entries(), QStringList({"TB-1.txt"}));
}

// Sets a resource limit for the life of the guard.
class LimitGuard {
public:
    LimitGuard(int resource, rlim_t soft) : resource_(resource) {
        getrlimit(resource_, &saved_);
        rlimit lowered = saved_;
        lowered.rlim_cur = soft;
        setrlimit(resource_, &lowered);
    }
    ~LimitGuard() { setrlimit(resource_, &saved_); }
    LimitGuard(const LimitGuard&) = delete;
    LimitGuard& operator=(const LimitGuard&) = delete;

private:
    int resource_;
    rlimit saved_{};
};

TEST_F(ReportFile, TooManyOpenFiles) {
    put("TB-1.txt", kOldReport);
    std::vector<int> held;
    std::string message;
    {
        const LimitGuard fewFiles(RLIMIT_NOFILE, 64);
        for (int fd; (fd = ::dup(0)) >= 0;) held.push_back(fd);
        message = failure(path("TB-1.txt"));
    }
    for (int fd : held) ::close(fd);

    EXPECT_EQ(message, "Too many open files");
    EXPECT_EQ(bytes("TB-1.txt"), kOldReport);
    EXPECT_EQ(entries(), QStringList({"TB-1.txt"}));
}

// The write itself fails part way (the file size limit stands in for a full disk): the old
// report stays whole and the error number reaches the user.
TEST_F(ReportFile, FailedWriteKeepsTheOldFile) {
    put("TB-1.txt", kOldReport);
    const std::string report = testing::workedExample();
    std::string message;
    {
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        const LimitGuard smallFiles(RLIMIT_FSIZE, 100);
        message = failure(path("TB-1.txt"), report);
        std::signal(SIGXFSZ, previous);
    }

    EXPECT_EQ(message, "I/O error " + std::to_string(EFBIG));
    EXPECT_EQ(bytes("TB-1.txt"), kOldReport);
    EXPECT_EQ(entries(), QStringList({"TB-1.txt"}));
}

TEST(FileErrorText, ByErrorNumber) {
    const std::pair<int, std::string> cases[] = {
        {EACCES, "File access denied"},
        {EPERM, "File access denied"},
        {EISDIR, "File access denied"},
        {ENOENT, "Invalid filename"},
        {ENOTDIR, "Invalid filename"},
        {EMFILE, "Too many open files"},
        {ENFILE, "Too many open files"},
        {ENOSPC, "I/O error 28"},
        {EIO, "I/O error 5"},
        {EROFS, "I/O error 30"},
    };
    for (const auto& [number, text] : cases) EXPECT_EQ(fileErrorText(number), text) << number;
}

// The whole Save with the locale's own date and time.
TEST_F(ReportFile, SaveWritesTheReport) {
    const QDateTime when(QDate(2001, 5, 8), QTime(14, 5, 30));
    saveReport(testing::calculatedSheet(), path("TB-1.txt"),
               QLocale(QLocale::Chinese, QLocale::China), when);

    std::string expected = testing::workedExample();
    const std::string oldLast =
        "===================== 2001-5-8 14:05:30 =======================\r\n";
    ASSERT_EQ(expected.substr(expected.size() - oldLast.size()), oldLast);
    expected.replace(expected.size() - oldLast.size(), oldLast.size(),
                     "===================== 2001/5/8 14:05:30 =======================\r\n");
    EXPECT_EQ(bytes("TB-1.txt"), expected);
}

}  // namespace
}  // namespace quendral::report

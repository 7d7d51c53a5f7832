#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

#include "numeric/error.h"
#include "report/report.h"

namespace quendral::report {

namespace {

// The reason, as an error number, why the file at path must not be replaced; 0 when there is
// none known before trying. Checked first because replacing a file goes through a rename,
// which the system allows for a read-only file in a writable folder, and because a missing
// folder should be named as such rather than as whatever the temporary file's creation says.
int refusalBeforeWriting(const QString& path) {
    if (path.isEmpty()) return ENOENT;
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    if (!folder.exists()) return ENOENT;
    if (!folder.isDir()) return ENOTDIR;
    if (!target.exists()) return 0;
    if (target.isDir()) return EISDIR;
    // A file nobody may write is one the user marked read-only: it stays, even for a user
    // whom the system would let write anything.
    const auto anyoneWrites =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (!target.isWritable() || !(target.permissions() & anyoneWrites)) return EACCES;
    return 0;
}

// The error number of the call that just failed; errno must be read before anything else.
[[noreturn]] void failWith(int errorNumber, QSaveFile& file) {
    if (errorNumber == 0) {
        errorNumber = file.error() == QFileDevice::PermissionsError ? EACCES : EIO;
    }
    // The temporary file goes with the QSaveFile object, and is never put in place.
    file.cancelWriting();
    throw UserError(fileErrorText(errorNumber));
}

}  // namespace

void writeReportFile(const QString& path, std::string_view bytes) {
    if (const int refusal = refusalBeforeWriting(path)) throw UserError(fileErrorText(refusal));

    // The report goes to a temporary file beside the target, which replaces the target only
    // once it is complete and flushed; an unfinished QSaveFile removes its temporary file.
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) failWith(errno, file);
    const auto size = static_cast<qint64>(bytes.size());
    errno = 0;
    if (file.write(bytes.data(), size) != size) failWith(errno, file);
    // QSaveFile's own commit neither reports a failed flush of its buffer nor a failed sync,
    // and would then put a truncated report in place of the old one: flush and sync here.
    errno = 0;
    if (!file.flush()) failWith(errno, file);
#ifdef Q_OS_UNIX
    errno = 0;
    if (::fsync(file.handle()) != 0) failWith(errno, file);
#endif
    errno = 0;
    if (!file.commit()) failWith(errno, file);
}

}  // namespace quendral::report

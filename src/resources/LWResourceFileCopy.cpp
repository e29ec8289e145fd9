#include "LWResourceFileCopy.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>
#endif

namespace LWResourceFileCopy {

namespace {

bool copyWithQt(const QString &source, const QString &destination)
{
    if (QFileInfo::exists(destination) || !QFile::copy(source, destination))
        return false;
    // Copies out of the program's resources come read-only.
    QFile::setPermissions(destination, QFile::permissions(destination) | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    return true;
}

#ifdef Q_OS_UNIX
class FileDescriptor
{
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int get() const { return m_fd; }
    bool closeChecked()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool writeAll(int fd, const char *data, ssize_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

bool copyByReading(int in, int out)
{
    static constexpr size_t kBlock = 256 * 1024;
    std::vector<char> buffer(kBlock);
    for (;;) {
        const ssize_t got = ::read(in, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        if (!writeAll(out, buffer.data(), got))
            return false;
    }
}

// The kernel copies without passing the data through us; file systems or
// kernels that cannot do it for this pair fall back to reading.
bool copyContents(int in, int out, off_t size)
{
#if defined(__linux__) && defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 27))
    off_t copied = 0;
    while (copied < size) {
        const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, size_t(size - copied), 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        copied += n;
    }
    if (copied == size)
        return true;
    if (copied > 0) // the source changed under us, or a late failure
        return false;
#else
    Q_UNUSED(size);
#endif
    return copyByReading(in, out);
}

bool copyWithKernel(const QString &source, const QString &destination)
{
    FileDescriptor in(::open(QFile::encodeName(source).constData(), O_RDONLY | O_CLOEXEC));
    struct stat info;
    if (in.get() < 0 || ::fstat(in.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    const QByteArray target = QFile::encodeName(destination);
    const mode_t mode = (info.st_mode & 0777) | S_IRUSR | S_IWUSR;
    FileDescriptor out(::open(target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
    if (out.get() < 0)
        return false;
    const bool ok = copyContents(in.get(), out.get(), info.st_size) && out.closeChecked();
    if (!ok)
        ::unlink(target.constData());
    return ok;
}
#endif

} // namespace

bool copyFile(const QString &source, const QString &destination)
{
#ifdef Q_OS_UNIX
    // Paths into the program's resources are only readable through Qt.
    if (!source.startsWith(QLatin1Char(':')))
        return copyWithKernel(source, destination);
#endif
    return copyWithQt(source, destination);
}

} // namespace LWResourceFileCopy

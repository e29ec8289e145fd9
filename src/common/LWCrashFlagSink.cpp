#include "LWCrashFlagSink.h"

#include "LWDataPaths.h"
#include "LWSettingFlags.h"

#include <QFile>

#include <atomic>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace LWCrashFlagSink {

namespace {

constexpr size_t kMaxImage = 64 * 1024;
constexpr size_t kMaxPath = 4096;

struct Image
{
    char bytes[kMaxImage];
    size_t size = 0;
};

// Two buffers so that a refresh never rewrites the bytes a crashing thread
// may be reading at that moment.
Image g_images[2];
std::atomic<Image *> g_current{nullptr};
char g_path[kMaxPath];
char g_tempPath[kMaxPath];
std::atomic<bool> g_armed{false};

bool copyPath(char *target, const QByteArray &source)
{
    if (size_t(source.size()) + 1 > kMaxPath)
        return false;
    std::memcpy(target, source.constData(), size_t(source.size()));
    target[source.size()] = '\0';
    return true;
}

} // namespace

void arm()
{
    const QByteArray path = QFile::encodeName(LWDataPaths::settingFlagsPath());
    if (!copyPath(g_path, path) || !copyPath(g_tempPath, path + ".crash"))
        return;
    g_armed = true;
    refresh();
}

void refresh()
{
    if (!g_armed)
        return;
    const QByteArray image = LWSettingFlags::crashedImage();
    if (size_t(image.size()) > kMaxImage)
        return;
    Image *next = g_current.load() == &g_images[0] ? &g_images[1] : &g_images[0];
    std::memcpy(next->bytes, image.constData(), size_t(image.size()));
    next->size = size_t(image.size());
    g_current = next;
}

bool writeFromSignalHandler()
{
    const Image *image = g_current.load();
    if (!g_armed || !image)
        return false;
    const int fd = ::open(g_tempPath, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    size_t written = 0;
    while (written < image->size) {
        const ssize_t n = ::write(fd, image->bytes + written, image->size - written);
        if (n <= 0) {
            ::close(fd);
            ::unlink(g_tempPath);
            return false;
        }
        written += size_t(n);
    }
    ::fsync(fd);
    ::close(fd);
    return ::rename(g_tempPath, g_path) == 0;
}

} // namespace LWCrashFlagSink

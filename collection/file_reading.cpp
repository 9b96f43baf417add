#include "collection/file_reading.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>

namespace {

FileRefusal RefusalOfKind(mode_t mode) {
  if (S_ISDIR(mode)) return FileRefusal::kDirectory;
  if (S_ISFIFO(mode)) return FileRefusal::kPipe;
  if (S_ISSOCK(mode)) return FileRefusal::kSocket;
  return FileRefusal::kDevice;
}

// Reads to the end or to one byte past the bound, whichever comes first.
FileBytes ReadOpenFile(int fd, qint64 size, qint64 maxBytes) {
  if (size > maxBytes) return {{}, FileRefusal::kTooLarge};
  QByteArray bytes;
  bytes.reserve(qsizetype(size));
  char buffer[1 << 16];
  ssize_t n;
  while ((n = ::read(fd, buffer, sizeof buffer)) > 0) {
    if (bytes.size() + n > maxBytes) return {{}, FileRefusal::kTooLarge};  // it grew
    bytes.append(buffer, n);
  }
  if (n < 0) return {{}, FileRefusal::kReadError};
  return {bytes, FileRefusal::kNone};
}

}  // namespace

FileBytes ReadRegularFile(const QString& path, qint64 maxBytes) {
  // Non-blocking, so that a pipe without a writer is refused rather than
  // waited on; the kind is then checked on what was opened, not on the name.
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd == -1) return {{}, FileRefusal::kCannotOpen};
  struct stat status {};
  FileBytes read;
  if (::fstat(fd, &status) != 0)
    read.refusal = FileRefusal::kReadError;
  else if (!S_ISREG(status.st_mode))
    read.refusal = RefusalOfKind(status.st_mode);
  else
    read = ReadOpenFile(fd, status.st_size, maxBytes);
  ::close(fd);
  return read;
}

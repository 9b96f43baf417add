#pragma once
// Reading a whole file that the user or the program folder names, bounded: only
// a regular file is read (a device, a pipe, a directory or a socket would
// block the window or never end), and never more than a given number of bytes.

#include <QByteArray>
#include <QString>

enum class FileRefusal {
  kNone,
  kCannotOpen,  // missing, or not allowed
  kDirectory,
  kPipe,
  kDevice,
  kSocket,
  kTooLarge,  // more bytes than the bound
  kReadError,
};

struct FileBytes {
  QByteArray bytes;  // the whole file; empty when refused
  FileRefusal refusal = FileRefusal::kNone;
};

// The bytes of the regular file at path, at most maxBytes of them. Opening
// never waits (a pipe without a writer is refused at once).
FileBytes ReadRegularFile(const QString& path, qint64 maxBytes);

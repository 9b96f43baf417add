// Writes the help file as the program reads it: Shift_JIS (code page 932)
// with CR LF line breaks, from its UTF-8 source with LF line breaks.
#include <iconv.h>

#include <QFile>
#include <QString>
#include <cstdio>
#include <string>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_help SOURCE.txt TARGET.txt\n");
    return 2;
  }
  QFile source(QString::fromLocal8Bit(argv[1]));
  if (!source.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "make_help: cannot read %s\n", argv[1]);
    return 1;
  }
  QString text = QString::fromUtf8(source.readAll());
  text.replace(u"\r\n"_qs, u"\n"_qs).replace(u'\n', u"\r\n"_qs);
  std::string utf8 = text.toStdString();

  iconv_t converter = iconv_open("CP932", "UTF-8");
  std::string out(utf8.size() * 2 + 4, '\0');
  char* in = utf8.data();
  size_t inLeft = utf8.size();
  char* outPtr = out.data();
  size_t outLeft = out.size();
  if (converter == reinterpret_cast<iconv_t>(-1) ||
      iconv(converter, &in, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) {
    std::fprintf(stderr, "make_help: %s does not convert to Shift_JIS near byte %zu\n", argv[1],
                 utf8.size() - inLeft);
    return 1;
  }
  iconv_close(converter);
  out.resize(out.size() - outLeft);

  QFile target(QString::fromLocal8Bit(argv[2]));
  // Readable by every account that runs the program, whatever the umask.
  if (!target.open(QIODevice::WriteOnly) ||
      target.write(out.data(), qint64(out.size())) != qint64(out.size()) ||
      !target.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                             QFile::ReadOther)) {
    std::fprintf(stderr, "make_help: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}

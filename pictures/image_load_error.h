#pragma once
// An image file of fld2/ that cannot be read.

#include <QString>
#include <stdexcept>

struct ImageLoadError : std::runtime_error {
  explicit ImageLoadError(const QString& path)
      : std::runtime_error(("cannot read image " + path).toStdString()) {}
};

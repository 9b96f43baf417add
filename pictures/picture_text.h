#pragma once
// Lettering for the pictures our code draws (menu pictures, end notice).

#include <QFont>
#include <QString>

// A bold face of family (with Japanese fallbacks) at pixelSize, shrunk one
// pixel at a time (not below 8) until text fits width.
QFont FittedFont(const QString& family, int pixelSize, const QString& text, qreal width);

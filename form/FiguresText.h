#pragma once

#include "scans/ScanFigures.h"

#include <QString>
#include <string>

namespace faktorlupe {

// What a time box's tooltip says about its row's last scan, finer than the box's hundredths:
// "genau 0,000219 s · 717312 Kandidaten · 4 Teiler", the seconds to three significant digits
// with the given decimal separator and without an exponent.
QString preciseFiguresText(const ScanFigures& figures, const std::string& decimalSeparator);

} // namespace faktorlupe

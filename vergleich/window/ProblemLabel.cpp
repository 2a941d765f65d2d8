#include "vergleich/window/ProblemLabel.h"

#include "desktop/ContrastRatio.h"

#include <QColor>
#include <QLabel>
#include <QPalette>

namespace faktorlupe::vergleich {
namespace {

const QColor kDarkRed(0xb0, 0x00, 0x20);
const QColor kLightRed(0xff, 0x8a, 0x80);
constexpr double kReadable = 4.5;

} // namespace

void showAsProblem(QLabel& label) {
    QPalette palette = label.palette();
    const QColor window = palette.color(QPalette::Window);
    if (contrastRatio(kDarkRed, window) >= kReadable) {
        palette.setColor(QPalette::WindowText, kDarkRed);
    } else if (contrastRatio(kLightRed, window) >= kReadable) {
        palette.setColor(QPalette::WindowText, kLightRed);
    } else {
        palette.setColor(QPalette::Window, Qt::white);
        palette.setColor(QPalette::WindowText, kDarkRed);
        label.setAutoFillBackground(true);
    }
    label.setPalette(palette);
    label.setWordWrap(true);
}

} // namespace faktorlupe::vergleich

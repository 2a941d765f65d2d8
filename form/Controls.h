#pragma once

#include "layout/LayoutTable.h"

#include <QPoint>
#include <array>
#include <cstdint>

class QColor;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace faktorlupe {

// The fifteen controls of the main form, named by their control identifiers. The form owns them
// as Qt children; these are plain pointers to them.
struct Controls {
    QLineEdit* txtEingabe = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* cmdAlle = nullptr;
    QPushButton* cmdHalbe = nullptr;
    QPushButton* cmdWurzel = nullptr;
    QPlainTextEdit* txtAlle = nullptr;
    QLineEdit* txtZeitAlle = nullptr;
    QPlainTextEdit* txtHalbe = nullptr;
    QPlainTextEdit* txtWurzel = nullptr;
    QLineEdit* txtZeitHalbe = nullptr;
    QLineEdit* txtZeitWurzel = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Command3 = nullptr;

    // The same controls in the order of the layout table.
    std::array<QWidget*, kControlCount> inTableOrder{};
};

// Creates the controls of the layout table on the client area, in tab order, with their texts,
// colours, accessible names, buddies and the tab chain, placed at their designed size; the focus
// starts in txtEingabe.
Controls createControls(QWidget& clientArea);

// Places every control for a form drawn at factor times its designed size with its top-left
// corner at origin: positions, sizes and fonts all scale by the factor.
void placeControls(const Controls& controls, double factor, QPoint origin);

// A colour given as 0x00BBGGRR: 0x0080FFFF is red 255, green 255, blue 128.
QColor colourFromBgr(std::uint32_t bgr);

} // namespace faktorlupe

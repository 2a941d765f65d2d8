#include "form/Controls.h"

#include "layout/ColourPair.h"
#include "qtworkarounds/LongWordWrap.h"
#include "qtworkarounds/UndoLimit.h"

#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <cmath>
#include <limits>

namespace faktorlupe {
namespace {

QWidget* createWidget(const ControlSpec& layout, QWidget& form) {
    const QString text = QString::fromUtf8(layout.text);
    const Qt::Alignment alignment =
        layout.alignment == TextAlignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
    switch (layout.kind) {
    case ControlKind::SingleLineBox: {
        auto* box = new QLineEdit(text, &form);
        box->setMaxLength(std::numeric_limits<int>::max());
        box->setAlignment(alignment | Qt::AlignVCenter);
        limitUndoHistory(*box);
        return box;
    }
    case ControlKind::MultiLineBox: {
        auto* box = new QPlainTextEdit(text, &form);
        box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setTabChangesFocus(true);
        wrapLongWordsAnywhere(*box);
        return box;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(text, &form);
        button->setAutoDefault(false);
        return button;
    }
    case ControlKind::Label: {
        auto* label = new QLabel(text, &form);
        label->setAlignment(alignment | Qt::AlignTop);
        return label;
    }
    }
    return nullptr;
}

void applyColours(const ControlSpec& layout, QWidget& widget) {
    const ColourPair colours = completedColours(layout);
    QPalette palette = widget.palette();
    if (colours.background != kSystemColour)
        palette.setColor(QPalette::Base, colourFromBgr(colours.background));
    if (colours.foreground != kSystemColour)
        palette.setColor(QPalette::Text, colourFromBgr(colours.foreground));
    widget.setPalette(palette);
}

template <typename Widget> Widget* find(QWidget& form, const char* name) {
    return form.findChild<Widget*>(QString::fromUtf8(name), Qt::FindDirectChildrenOnly);
}

// Edges rather than sizes are rounded, so that controls that meet or overlap by a pixel in the
// design still do at every factor.
int scaled(int twips, double factor) {
    return static_cast<int>(std::lround(twips * factor / kTwipsPerPixel));
}

} // namespace

QColor colourFromBgr(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

Controls createControls(QWidget& clientArea) {
    Controls c;
    QWidget* previous = nullptr;
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const ControlSpec& layout = kControls[i];
        QWidget* widget = createWidget(layout, clientArea);
        widget->setObjectName(QString::fromUtf8(layout.name));
        applyColours(layout, *widget);
        if (layout.accessibleName != nullptr)
            widget->setAccessibleName(QString::fromUtf8(layout.accessibleName));
        c.inTableOrder[i] = widget;
        // Labels are numbered in the tab order but never take the focus.
        if (layout.kind == ControlKind::Label)
            continue;
        if (previous != nullptr)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }

    c.txtEingabe = find<QLineEdit>(clientArea, "txtEingabe");
    c.Label1 = find<QLabel>(clientArea, "Label1");
    c.cmdAlle = find<QPushButton>(clientArea, "cmdAlle");
    c.cmdHalbe = find<QPushButton>(clientArea, "cmdHalbe");
    c.cmdWurzel = find<QPushButton>(clientArea, "cmdWurzel");
    c.txtAlle = find<QPlainTextEdit>(clientArea, "txtAlle");
    c.txtZeitAlle = find<QLineEdit>(clientArea, "txtZeitAlle");
    c.txtHalbe = find<QPlainTextEdit>(clientArea, "txtHalbe");
    c.txtWurzel = find<QPlainTextEdit>(clientArea, "txtWurzel");
    c.txtZeitHalbe = find<QLineEdit>(clientArea, "txtZeitHalbe");
    c.txtZeitWurzel = find<QLineEdit>(clientArea, "txtZeitWurzel");
    c.Command1 = find<QPushButton>(clientArea, "Command1");
    c.Command2 = find<QPushButton>(clientArea, "Command2");
    c.Label2 = find<QLabel>(clientArea, "Label2");
    c.Command3 = find<QPushButton>(clientArea, "Command3");

    for (std::size_t i = 0; i < kControlCount; ++i)
        if (const char* buddy = kControls[i].buddy)
            static_cast<QLabel*>(c.inTableOrder[i])->setBuddy(find<QWidget>(clientArea, buddy));
    placeControls(c, 1, QPoint(0, 0));
    c.txtEingabe->setFocus();
    return c;
}

void placeControls(const Controls& controls, double factor, QPoint origin) {
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const ControlSpec& layout = kControls[i];
        QWidget& widget = *controls.inTableOrder[i];
        const int left = scaled(layout.left, factor);
        const int top = scaled(layout.top, factor);
        widget.setGeometry(origin.x() + left, origin.y() + top,
                           scaled(layout.left + layout.width, factor) - left,
                           scaled(layout.top + layout.height, factor) - top);
        const bool ownFont = layout.pointSize > 0;
        QFont font(QString::fromUtf8(ownFont ? kControlFontFamily : kFormFontFamily));
        font.setPointSizeF((ownFont ? layout.pointSize : kFormFontPointSize) * factor);
        widget.setFont(font);
    }
}

} // namespace faktorlupe

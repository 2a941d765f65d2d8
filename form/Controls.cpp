#include "Controls.h"

#include "LayoutTable.h"
#include "UndoLimit.h"

#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <cstring>
#include <limits>

namespace faktorlupe {
namespace {

// What a screen reader says for each control whose caption does not say it already.
const char* accessibleNameOf(const char* name) {
    static const struct {
        const char* name;
        const char* accessibleName;
    } names[] = {
        {"txtEingabe", "Eingabe: die zu untersuchende Zahl"},
        {"txtAlle", "Teiler nach Algorithmus alle"},
        {"txtZeitAlle", "Sekunden für Algorithmus alle"},
        {"txtHalbe", "Teiler nach Algorithmus Hälfte"},
        {"txtZeitHalbe", "Sekunden für Algorithmus Hälfte"},
        {"txtWurzel", "Teiler nach Algorithmus Wurzel"},
        {"txtZeitWurzel", "Sekunden für Algorithmus Wurzel"},
        {"Command1", "Zeile Algorithmus alle leeren"},
        {"Command2", "Zeile Algorithmus Hälfte leeren"},
        {"Command3", "Zeile Algorithmus Wurzel leeren"},
    };
    for (const auto& entry : names)
        if (std::strcmp(entry.name, name) == 0)
            return entry.accessibleName;
    return nullptr;
}

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

void applyLook(const ControlSpec& layout, QWidget& widget) {
    widget.setObjectName(QString::fromUtf8(layout.name));
    widget.setGeometry(layout.left / kTwipsPerPixel, layout.top / kTwipsPerPixel,
                       layout.width / kTwipsPerPixel, layout.height / kTwipsPerPixel);
    if (layout.pointSize > 0) {
        QFont font(QString::fromUtf8(kControlFontFamily));
        font.setPointSizeF(layout.pointSize);
        widget.setFont(font);
    }
    QPalette palette = widget.palette();
    if (layout.background != kSystemColour)
        palette.setColor(QPalette::Base, colourFromBgr(layout.background));
    if (layout.foreground != kSystemColour)
        palette.setColor(QPalette::Text, colourFromBgr(layout.foreground));
    widget.setPalette(palette);
    if (const char* name = accessibleNameOf(layout.name))
        widget.setAccessibleName(QString::fromUtf8(name));
}

template <typename Widget> Widget* find(QWidget& form, const char* name) {
    return form.findChild<Widget*>(QString::fromUtf8(name), Qt::FindDirectChildrenOnly);
}

} // namespace

QColor colourFromBgr(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

Controls createControls(QWidget& form) {
    QWidget* previous = nullptr;
    for (const ControlSpec& layout : kControls) {
        QWidget* widget = createWidget(layout, form);
        applyLook(layout, *widget);
        // Labels are numbered in the tab order but never take the focus.
        if (layout.kind == ControlKind::Label)
            continue;
        if (previous != nullptr)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }

    Controls c;
    c.txtEingabe = find<QLineEdit>(form, "txtEingabe");
    c.Label1 = find<QLabel>(form, "Label1");
    c.cmdAlle = find<QPushButton>(form, "cmdAlle");
    c.cmdHalbe = find<QPushButton>(form, "cmdHalbe");
    c.cmdWurzel = find<QPushButton>(form, "cmdWurzel");
    c.txtAlle = find<QPlainTextEdit>(form, "txtAlle");
    c.txtZeitAlle = find<QLineEdit>(form, "txtZeitAlle");
    c.txtHalbe = find<QPlainTextEdit>(form, "txtHalbe");
    c.txtWurzel = find<QPlainTextEdit>(form, "txtWurzel");
    c.txtZeitHalbe = find<QLineEdit>(form, "txtZeitHalbe");
    c.txtZeitWurzel = find<QLineEdit>(form, "txtZeitWurzel");
    c.Command1 = find<QPushButton>(form, "Command1");
    c.Command2 = find<QPushButton>(form, "Command2");
    c.Label2 = find<QLabel>(form, "Label2");
    c.Command3 = find<QPushButton>(form, "Command3");
    c.txtEingabe->setFocus();
    return c;
}

} // namespace faktorlupe

// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>
#include <limits>
#include <optional>
#include <string>

#include "toolkit/toolkit_qt.h"

namespace diplexer {

namespace {

constexpr int kMaxControls = 64;
std::array<QWidget*, kMaxControls> controls{};

// Texts written into fields and not yet handed to their widgets. A press
// rewrites KOutput and SwrOutput over a hundred times each while nothing but
// the plot is painted, and every hand-over lays the text out anew; so a field
// takes only its last text, before Qt next handles anything.
std::array<std::optional<std::string>, kMaxControls> pendingTexts;
bool flushQueued = false;  // a hand-over waits in Qt's queue

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QLabel* MakeLabel(bool sunken, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setIndent(0);
    label->setMargin(0);
    // A label covers whatever lies beneath it on the window's surface.
    label->setAutoFillBackground(true);
    label->setBackgroundRole(QPalette::Window);
    if (sunken) {
        // The platform's 2-pixel sunken edge, drawn as the canvases draw theirs.
        label->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    }
    return label;
}

QLineEdit* MakeField(int number, bool readOnly, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    // What the user types replaces a text not yet handed over.
    QObject::connect(field, &QLineEdit::textEdited, field,
                     [number] { pendingTexts[std::size_t(number)].reset(); });
    field->setFrame(false);
    field->setReadOnly(readOnly);
    field->setAlignment(Qt::AlignLeft);
    // A field holds whatever is typed or pasted into it, however long.
    field->setMaxLength(std::numeric_limits<int>::max());
    return field;
}

QPushButton* MakeButton(int number, QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setAutoDefault(false);
    button->setDefault(false);
    QObject::connect(button, &QPushButton::clicked, button,
                     [number] { PostEvent(EventControl, number, 0, 0); });
    return button;
}

ToolkitCanvas* MakeCanvas(int number, bool sunken, int width, int height, QWidget* parent) {
    auto* canvas = new ToolkitCanvas(number, sunken, parent);
    const int border = canvas->Border();
    canvas->Image() = QImage(width - 2 * border, height - 2 * border, QImage::Format_RGB32);
    canvas->Image().fill(Qt::white);
    return canvas;
}

}  // namespace

QWidget* ControlWidget(int control) {
    if (control < 1 || control >= kMaxControls) {
        return nullptr;
    }
    return controls[std::size_t(control)];
}

void ForgetControls() {
    controls.fill(nullptr);
    pendingTexts.fill(std::nullopt);
}

void FlushControlTexts() {
    for (std::size_t n = 0; n < pendingTexts.size(); ++n) {
        if (!pendingTexts[n]) {
            continue;
        }
        if (auto* field = qobject_cast<QLineEdit*>(controls[n])) {
            field->setText(FromUtf8(*pendingTexts[n]));
            field->setCursorPosition(0);  // show the start of a text longer than the field
        }
        pendingTexts[n].reset();
    }
}

void CreateControl(int number, ControlKind kind, int x, int y, int width, int height,
                   std::string_view text) {
    if (number < 1 || number >= kMaxControls || MainWindowWidget() == nullptr) {
        return;
    }
    QWidget* parent = MainWindowWidget();
    QWidget* widget = nullptr;
    switch (kind) {
        case ControlKind::Label:
        case ControlKind::SunkenLabel:
            widget = MakeLabel(kind == ControlKind::SunkenLabel, parent);
            break;
        case ControlKind::Field:
        case ControlKind::ReadOnlyField:
            widget = MakeField(number, kind == ControlKind::ReadOnlyField, parent);
            break;
        case ControlKind::Button:
            widget = MakeButton(number, parent);
            break;
        case ControlKind::Canvas:
        case ControlKind::SunkenCanvas:
            widget = MakeCanvas(number, kind == ControlKind::SunkenCanvas, width, height, parent);
            break;
    }
    widget->setGeometry(x, y, width, height);
    controls[std::size_t(number)] = widget;
    SetControlText(number, text);
    widget->show();
}

void SetAccessibleText(int control, std::string_view name, std::string_view description) {
    if (QWidget* widget = ControlWidget(control)) {
        widget->setAccessibleName(FromUtf8(name));
        widget->setAccessibleDescription(FromUtf8(description));
    }
}

void SetPointerShape(int control, PointerShape shape) {
    if (QWidget* widget = ControlWidget(control)) {
        widget->setCursor(shape == PointerShape::Crosshair ? Qt::CrossCursor : Qt::ArrowCursor);
    }
}

std::string ControlText(int control) {
    QWidget* widget = ControlWidget(control);
    if (widget != nullptr && pendingTexts[std::size_t(control)]) {
        return *pendingTexts[std::size_t(control)];
    }
    if (auto* field = qobject_cast<QLineEdit*>(widget)) {
        return field->text().toStdString();
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return label->text().toStdString();
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        return button->text().toStdString();
    }
    return {};
}

void SetControlText(int control, std::string_view text) {
    QWidget* widget = ControlWidget(control);
    if (qobject_cast<QLineEdit*>(widget) != nullptr) {
        pendingTexts[std::size_t(control)] = std::string(text);
        if (!flushQueued) {
            // Whatever lets Qt run next hands the texts over first.
            flushQueued = true;
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [] {
                    flushQueued = false;
                    FlushControlTexts();
                },
                Qt::QueuedConnection);
        }
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(FromUtf8(text));
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        button->setText(FromUtf8(text));
    }
}

}  // namespace diplexer

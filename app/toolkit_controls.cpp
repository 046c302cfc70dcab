#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>
#include <limits>

#include "app/toolkit_qt.h"

namespace {

constexpr int kMaxControls = 64;
std::array<QWidget*, kMaxControls> controls{};

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
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(2);
    }
    return label;
}

QLineEdit* MakeField(bool readOnly, QWidget* parent) {
    auto* field = new QLineEdit(parent);
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
    canvas->Image() = QImage(width - 2 * border, height - 2 * border, QImage::Format_RGB888);
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
            widget = MakeField(kind == ControlKind::ReadOnlyField, parent);
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

void SetPointerShape(int control, PointerShape shape) {
    if (QWidget* widget = ControlWidget(control)) {
        widget->setCursor(shape == PointerShape::Crosshair ? Qt::CrossCursor : Qt::ArrowCursor);
    }
}

std::string ControlText(int control) {
    QWidget* widget = ControlWidget(control);
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
    if (auto* field = qobject_cast<QLineEdit*>(widget)) {
        field->setText(FromUtf8(text));
        field->setCursorPosition(0);  // show the start of a text longer than the field
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(FromUtf8(text));
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        button->setText(FromUtf8(text));
    }
}

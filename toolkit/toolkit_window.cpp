// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QPainter>
#include <QScreen>

#include <memory>

#include "toolkit/toolkit_qt.h"

namespace diplexer {

namespace {

std::unique_ptr<QApplication> application;
ToolkitWindow* mainWindow = nullptr;

// Centres the window's outer rectangle, clamped to the screen, on the screen.
void Centre(QWidget* window) {
    const QRect screen = window->screen()->geometry();
    const QSize outer = window->frameGeometry().size().boundedTo(screen.size());
    window->move(screen.x() + (screen.width() - outer.width()) / 2,
                 screen.y() + (screen.height() - outer.height()) / 2);
}

}  // namespace

ToolkitWindow::ToolkitWindow(int width, int height)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      surface_(width, height, QImage::Format_RGB32) {
    setFixedSize(width, height);
    surface_.fill(palette().color(QPalette::Window));
}

void ToolkitWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawImage(area, surface_, area);
}

void ToolkitWindow::closeEvent(QCloseEvent* event) {
    // The program decides when to close: the request only becomes an event.
    event->ignore();
    PostEvent(EventClose, 0, 0, 0);
}

ToolkitWindow* MainWindowWidget() {
    return mainWindow;
}

void StartToolkit() {
    // Qt wants a command line; the program's own is never looked at.
    static int argc = 1;
    static char name[] = "diplexer";
    static char* argv[] = {name, nullptr};
    application = std::make_unique<QApplication>(argc, argv);
    // Liberation Sans has Arial's metrics, which the control sizes were made for.
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setPixelSize(11);
    font.setHintingPreference(QFont::PreferFullHinting);
    QApplication::setFont(font);
}

void OpenMainWindow(int width, int height, std::string_view title) {
    mainWindow = new ToolkitWindow(width, height);
    mainWindow->setWindowTitle(QString::fromUtf8(title.data(), qsizetype(title.size())));
    Centre(mainWindow);
    const QSize before = mainWindow->frameGeometry().size();
    mainWindow->show();
    // Some platforms tell the size of the frame only once the window is shown.
    if (mainWindow->frameGeometry().size() != before) {
        Centre(mainWindow);
    }
}

void CloseMainWindow() {
    delete mainWindow;
    mainWindow = nullptr;
    ForgetControls();
    ForgetEvents();
}

void StopToolkit() {
    CloseMainWindow();
    application.reset();
}

}  // namespace diplexer

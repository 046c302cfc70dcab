// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QPainter>
#include <QScreen>
#include <QTranslator>

#include <cstdio>
#include <string_view>

#include "toolkit/toolkit_qt.h"

namespace diplexer {

namespace {

// Created by StartToolkit and deleted by StopToolkit, never by an exit handler:
// when the connection to the display breaks, Qt ends the process with exit(1),
// and by the time exit handlers ran, Qt's own globals would be gone.
QApplication* application = nullptr;
ToolkitWindow* mainWindow = nullptr;

// Where the window's outer rectangle, the client with `frame` around it and
// clamped to the screen, is centred on the screen: its top-left corner.
QPoint CentredCorner(QWidget* window, QMargins frame) {
    const QRect screen = window->screen()->geometry();
    const QSize outer =
        (window->size() + QSize(frame.left() + frame.right(), frame.top() + frame.bottom()))
            .boundedTo(screen.size());
    return QPoint(screen.x() + (screen.width() - outer.width()) / 2,
                  screen.y() + (screen.height() - outer.height()) / 2);
}

// The frame as Qt knows it.
QMargins QtFrame(QWidget* window) {
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                    outer.right() - inner.right(), outer.bottom() - inner.bottom());
}

// Qt's own texts (the fields' context menus: Undo, Copy, Paste...) in Russian,
// as the rest of the window, whatever the desktop's language. Without Qt's
// translation they stay in English. The translator belongs to the application
// object and goes with it: no Qt object is left for an exit handler.
void LoadRussianTranslation() {
    auto* translator = new QTranslator(application);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (translator->load(QStringLiteral("qtbase_ru"), folder)) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
        std::fprintf(stderr,
                     "diplexer: Qt's Russian translation (qtbase_ru.qm) is not in %s; "
                     "the fields' menus stay in English\n",
                     folder.toLocal8Bit().constData());
    }
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

void StartToolkit(std::string_view desktopId) {
    // Qt wants a command line; the program's own is never looked at.
    static int argc = 1;
    static char name[] = "diplexer";
    static char* argv[] = {name, nullptr};
    if (application == nullptr) {
        application = new QApplication(argc, argv);
    }
    // The application's name is the window's class on X11 (WM_CLASS, which the
    // menu entry's StartupWMClass names) and the name screen readers announce;
    // Wayland finds the entry by the desktop file name instead.
    QGuiApplication::setApplicationName(QString::fromLatin1(name));
    QGuiApplication::setDesktopFileName(
        QString::fromUtf8(desktopId.data(), qsizetype(desktopId.size())));
    // Liberation Sans has Arial's metrics, which the control sizes were made for.
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setPixelSize(11);
    font.setHintingPreference(QFont::PreferFullHinting);
    QApplication::setFont(font);
    LoadRussianTranslation();
    StartHoldingInput();
}

void OpenMainWindow(int width, int height, std::string_view title) {
    mainWindow = new ToolkitWindow(width, height);
    mainWindow->setWindowTitle(QString::fromUtf8(title.data(), qsizetype(title.size())));
    mainWindow->winId();  // the native window, for the requests to the window manager
    AskForMoveAndCloseOnly(mainWindow);
    if (const std::optional<QMargins> frame = AskFrameExtents(mainWindow)) {
        // The window manager has told its frame: place the client inside the
        // centred frame, where the manager will then put it.
        const QPoint corner = CentredCorner(mainWindow, *frame);
        mainWindow->setGeometry(
            QRect(corner + QPoint(frame->left(), frame->top()), mainWindow->size()));
        mainWindow->show();
        return;
    }
    // Otherwise Qt knows the frame, at once or once the window is shown;
    // move() places the frame's corner.
    mainWindow->move(CentredCorner(mainWindow, QtFrame(mainWindow)));
    const QMargins before = QtFrame(mainWindow);
    mainWindow->show();
    if (QtFrame(mainWindow) != before) {
        mainWindow->move(CentredCorner(mainWindow, QtFrame(mainWindow)));
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
    StopHoldingInput();
    delete application;
    application = nullptr;
}

}  // namespace diplexer

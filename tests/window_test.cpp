// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as a user meets it: its controls, picture, legend, focus and
// the calculate press.
#include <QAccessible>
#include <QAction>
#include <QFontInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

#include <clocale>
#include <cstdio>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/jpeg_decoder.h"
#include "app/schematic_data.h"

#include "gui_fixture.h"

using namespace diplexer;

namespace {

QColor SurfacePixel(QWidget* window, int x, int y) {
    return window->grab().toImage().pixelColor(x, y);
}

TEST_F(WindowTest, IsAFixedWindowCentredOnTheScreen) {
    EXPECT_EQ(window->size(), QSize(850, 630));
    EXPECT_EQ(window->minimumSize(), QSize(850, 630));
    EXPECT_EQ(window->maximumSize(), QSize(850, 630));
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Диплексер (Зорвин2)"));
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    // The offscreen screen is 800 x 800 and gives windows a 2-pixel frame:
    // the outer size, 854 x 634, is clamped to 800 x 634 first, so the frame
    // starts at the screen's left edge and (800 - 634) / 2 = 83 from its top.
    // (The runs in Xvfb check a screen larger than the window.)
    ASSERT_EQ(window->screen()->geometry(), QRect(0, 0, 800, 800));
    EXPECT_EQ(window->frameGeometry(), QRect(0, 83, 854, 634));
    EXPECT_EQ(window->geometry(), QRect(2, 85, 850, 630));
}

struct Placed {
    int control;
    const char* name;
    QRect geometry;
    const char* text;  // nullptr for a canvas
};

// The window's controls as the design places them.
const Placed kPlaced[] = {
    {1, "FreqLabel", {20, 20, 130, 20}, "частота Мгц                 F="},
    {2, "ResistanceLabel", {20, 50, 130, 20}, "вх. сопрот ом              R="},
    {3, "QkLabel", {20, 80, 130, 20}, "добротнось конт.     Qk="},
    {4, "QdLabel", {20, 110, 130, 20}, "добротность дип.    Qd="},
    {5, "FreqInput", {150, 22, 100, 16}, "10"},
    {6, "ResistanceInput", {150, 52, 100, 16}, "50"},
    {7, "QkInput", {150, 82, 100, 16}, "60"},
    {8, "QdInput", {150, 112, 100, 16}, "4"},
    {9, "ResponsePlot", {10, 270, 660, 340}, nullptr},
    {10, "SchematicView", {300, 10, 540, 250}, nullptr},
    {11, "CreditLabel", {680, 590, 150, 30}, "Зорвин2 (diplexer.example.org)"},
    {12, "LossLabel", {680, 280, 80, 20}, "потери  db   D="},
    {13, "LossOutput", {760, 280, 70, 16}, ""},
    {14, "CalculateButton", {20, 170, 130, 40}, "РАСЧЕТ"},
    {15, "KLabel", {680, 310, 80, 20}, "                     K="},
    {16, "SwrLabel", {680, 340, 80, 20}, "                 КСВ="},
    {17, "FiLabel", {680, 370, 80, 20}, "частота        Fi="},
    {18, "KOutput", {760, 310, 70, 14}, "K"},
    {19, "SwrOutput", {760, 340, 70, 14}, "KSW"},
    {20, "FiOutput", {760, 370, 70, 20}, "Fi"},
    {21, "L1Output", {420, 125, 70, 20}, "L1"},
    {22, "L2Output", {710, 35, 70, 20}, "L2"},
    {23, "C1Output", {560, 125, 70, 20}, "C1"},
    {24, "C2Output", {600, 35, 70, 20}, "C2"},
    {25, "SeriesLoadROutput", {710, 140, 60, 16}, ""},
    {26, "ParallelLoadROutput", {460, 200, 60, 20}, ""},
    {27, "SourceROutput", {380, 40, 60, 20}, ""},
};

TEST_F(WindowTest, HasEveryControlInItsPlace) {
    ASSERT_EQ(std::size(kPlaced), 27u);
    for (const Placed& c : kPlaced) {
        SCOPED_TRACE(c.name);
        QWidget* w = Widget(c.control);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->geometry(), c.geometry);
        EXPECT_EQ(w->parentWidget(), window);
        if (c.text != nullptr) {
            EXPECT_EQ(Text(c.control), c.text);
        }
    }
    EXPECT_EQ(Widget(28), nullptr);
    EXPECT_EQ(CanvasImage(ResponsePlot).size(), QSize(656, 336));
    EXPECT_EQ(CanvasImage(SchematicView).size(), QSize(540, 250));
    EXPECT_EQ(Widget(ResponsePlot)->cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(Widget(SchematicView)->cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(qobject_cast<QLineEdit*>(Widget(KOutput))->isReadOnly());
    EXPECT_FALSE(qobject_cast<QLineEdit*>(Widget(L1Output))->isReadOnly());
    EXPECT_FALSE(qobject_cast<QPushButton*>(Widget(CalculateButton))->autoDefault());
    // The fields over the picture lie above it.
    const QPoint overL1 = Widget(L1Output)->geometry().center();
    EXPECT_EQ(window->childAt(overL1), Widget(L1Output));
    // The plot is white before any press.
    const QImage plot = CanvasImage(ResponsePlot);
    for (int y = 0; y < plot.height(); ++y) {
        for (int x = 0; x < plot.width(); ++x) {
            ASSERT_EQ(plot.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
        }
    }
}

TEST_F(WindowTest, EveryLabelTextFitsItsLabel) {
    const int labels[] = {FreqLabel, ResistanceLabel, QkLabel,  QdLabel, CreditLabel,
                          LossLabel, KLabel,          SwrLabel, FiLabel};
    for (int number : labels) {
        SCOPED_TRACE("control " + std::to_string(number));
        auto* label = qobject_cast<QLabel*>(Widget(number));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(QFontInfo(label->font()).family(), "Liberation Sans");
        EXPECT_EQ(QFontInfo(label->font()).pixelSize(), 11);
        const QFontMetrics metrics(label->font());
        const QRect inside = label->contentsRect();
        const QString text = label->text();
        const int width = metrics.horizontalAdvance(text);
        std::printf("label %2d: text %3d px wide, %2d px high, inside %3d x %2d\n", number, width,
                    metrics.height(), inside.width(), inside.height());
        if (number == CreditLabel) {
            // Two lines: the name, then the address in parentheses.
            const QRect wrapped = metrics.boundingRect(inside, Qt::TextWordWrap, text);
            EXPECT_LE(wrapped.height(), inside.height());
            EXPECT_LE(wrapped.width(), inside.width());
        } else {
            EXPECT_LE(width, inside.width());
            EXPECT_LE(metrics.height(), inside.height());
        }
    }
    EXPECT_EQ(Widget(FreqLabel)->contentsRect().width(), 126);
}

// The sunken labels and the plot have the same 2-pixel edge: outer and inner
// rings, darker at the top and left, lighter at the bottom and right.
TEST_F(WindowTest, SunkenLabelsAndThePlotShareOneEdge) {
    const auto edge = [](QWidget* w) {
        const QImage image = w->grab().toImage();
        const int right = image.width() - 1, bottom = image.height() - 1;
        return std::vector<QRgb>{image.pixel(5, 0),      image.pixel(5, 1),
                                 image.pixel(0, 5),      image.pixel(1, 5),
                                 image.pixel(5, bottom), image.pixel(5, bottom - 1),
                                 image.pixel(right, 5),  image.pixel(right - 1, 5)};
    };
    const std::vector<QRgb> plot = edge(Widget(ResponsePlot));
    for (int label : {FreqLabel, ResistanceLabel, QkLabel, QdLabel}) {
        EXPECT_EQ(edge(Widget(label)), plot) << "label " << label;
    }
    const QPalette palette = Widget(ResponsePlot)->palette();
    EXPECT_EQ(plot[0], palette.color(QPalette::Dark).rgb());      // outer top
    EXPECT_EQ(plot[1], palette.color(QPalette::Shadow).rgb());    // inner top
    EXPECT_EQ(plot[4], palette.color(QPalette::Light).rgb());     // outer bottom
    EXPECT_EQ(plot[5], palette.color(QPalette::Midlight).rgb());  // inner bottom
    std::printf("edge: outer top-left %06x, inner %06x; outer bottom-right %06x, inner %06x\n",
                plot[0] & 0xffffffu, plot[1] & 0xffffffu, plot[4] & 0xffffffu, plot[5] & 0xffffffu);
}

TEST_F(WindowTest, ShowsThePictureInTheSchematicView) {
    const QImage view = CanvasImage(SchematicView);
    RgbPicture picture;
    ASSERT_TRUE(DecodeJpeg(kSchematicJpeg, kSchematicJpegSize, picture));
    for (int y = 0; y < view.height(); ++y) {
        for (int x = 0; x < view.width(); ++x) {
            const unsigned char* p = &picture.pixels[(std::size_t(y) * 560 + std::size_t(x)) * 3];
            ASSERT_EQ(view.pixel(x, y), qRgb(p[0], p[1], p[2])) << x << "," << y;
        }
    }
}

TEST_F(WindowTest, DamagedPictureLeavesTheViewWhite) {
    CloseMainWindow();
    OpenMainWindow(850, 630, "t");
    CreateControl(SchematicView, ControlKind::Canvas, 300, 10, 540, 250, "");
    const std::size_t lengths[] = {0, 100, kSchematicJpegSize / 2, kSchematicJpegSize - 1};
    for (std::size_t length : lengths) {
        EXPECT_FALSE(ShowSchematic(kSchematicJpeg, length)) << length;
        const QImage view = CanvasImage(SchematicView);
        EXPECT_EQ(view.pixel(200, 56), qRgb(255, 255, 255)) << length;
        EXPECT_EQ(view.pixel(56, 144 - 12), qRgb(255, 255, 255)) << length;
    }
    EXPECT_TRUE(ShowSchematic(kSchematicJpeg, kSchematicJpegSize));
}

TEST_F(WindowTest, LegendLinesShowBelowTheOutputsAndSurviveRepaints) {
    const QImage& surface = window->Surface();
    for (int x = 680; x <= 800; ++x) {
        ASSERT_EQ(surface.pixelColor(x, 354), QColor(255, 0, 0)) << x;
        ASSERT_EQ(surface.pixelColor(x, 324), QColor(0, 159, 0)) << x;
    }
    EXPECT_NE(surface.pixelColor(679, 354), QColor(255, 0, 0));
    EXPECT_NE(surface.pixelColor(801, 324), QColor(0, 159, 0));
    // On screen, KLabel and SwrLabel cover the first 80 pixels of each line.
    const QColor face = window->palette().color(QPalette::Window);
    for (int pass = 0; pass < 2; ++pass) {
        window->repaint();
        EXPECT_EQ(SurfacePixel(window, 700, 324), face);
        EXPECT_EQ(SurfacePixel(window, 759, 354), face);
        EXPECT_EQ(SurfacePixel(window, 760, 324), QColor(0, 159, 0));
        EXPECT_EQ(SurfacePixel(window, 800, 354), QColor(255, 0, 0));
    }
}

TEST_F(WindowTest, PressFillsTheFieldsFromTheInputs) {
    // Qt has set the desktop's locale, whose decimal separator is a comma.
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    Press();
    const struct {
        int control;
        const char* text;
    } expected[] = {
        {L1Output, "0.199 мкгн"},
        {L2Output, "3.185 мкгн"},
        {C1Output, "1273.885 пф"},
        {C2Output, "79.618 пф"},
        {SeriesLoadROutput, "50.00 ом"},
        {ParallelLoadROutput, "50.00 ом"},
        {SourceROutput, "50.00 ом"},
        {LossOutput, "0.5606           "},  // at F
        {KOutput, "0.08365"},               // at 32.8 MHz, the last plotted sample
        {SwrOutput, "1.00139"},
        {FiOutput, "Fi"},
    };
    for (const auto& e : expected) {
        EXPECT_EQ(Text(e.control), e.text) << e.control;
    }
    EXPECT_EQ(state.calculated, 1);

    // New inputs typed by the user take effect with the next press only.
    Type(QdInput, "2.5");
    Type(FreqInput, "-10");
    EXPECT_EQ(Text(L1Output), "0.199 мкгн");
    Press();
    EXPECT_EQ(Text(L1Output), "-0.398 мкгн");
    EXPECT_EQ(Text(C2Output), "-159.236 пф");
}

TEST_F(WindowTest, OddInputsShowTheirTexts) {
    const struct {
        const char *name, *F, *R, *Qk, *Qd, *L1, *K, *loss;  // K at 32.8 MHz, the loss at F
    } cases[] = {
        {"F 0", "0", "50", "60", "4", "+Infinity мкгн", "NaN", "NaN           "},
        {"an empty F", "", "50", "60", "4", "+Infinity мкгн", "NaN", "NaN           "},
        {"R 0", "10", "0", "60", "4", "0.000 мкгн", "NaN", "NaN           "},
        {"Qk 0", "10", "50", "0", "4", "0.199 мкгн", "0.00000", "+Infinity           "},
        {"Qd 0.4 rounds to 0", "10", "50", "60", "0.4", "+Infinity мкгн", "NaN", "NaN           "},
        {"Qd -4", "10", "50", "60", "-4", "-0.199 мкгн", "0.08379", "-0.5994           "},
        {"an overflowing F and texts that are no numbers", "  1e99999999999", "abc", "\t", "1 000",
         "0.000 мкгн", "NaN", "NaN           "},
        {"Cyrillic and bare signs", "Зорвин", "-", ".", "e5", "NaN мкгн", "NaN", "NaN           "},
    };
    for (const auto& c : cases) {
        Type(FreqInput, c.F);
        Type(ResistanceInput, c.R);
        Type(QkInput, c.Qk);
        Type(QdInput, c.Qd);
        Press();
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Text(L1Output), c.L1);
        EXPECT_EQ(Text(KOutput), c.K);
        EXPECT_EQ(Text(LossOutput), c.loss);
    }
    // A megabyte pasted into a field is read whole: digits, then a point and
    // a megabyte more of zeros and a 5 that still counts.
    Type(ResistanceInput, "");
    qobject_cast<QLineEdit*>(Widget(ResistanceInput))->insert(QString(1 << 20, '9'));
    Type(FreqInput, "10");
    Press();
    EXPECT_EQ(Text(ResistanceInput).size(), std::size_t(1) << 20);
    EXPECT_EQ(Text(SourceROutput), "+Infinity ом");
    const std::string fraction = "0." + std::string(1 << 20, '0') + "5e1048578";
    Type(ResistanceInput, "");
    qobject_cast<QLineEdit*>(Widget(ResistanceInput))->insert(QString::fromStdString(fraction));
    Press();
    EXPECT_EQ(Text(SourceROutput), "50.00 ом");
}

// A click on the button and keystrokes that Qt delivers in the same batch:
// the press reads the fields as they stood at the click, and the typing lands
// after it.
TEST_F(WindowTest, APressReadsTheFieldsAsTheyWereAtTheClick) {
    QWidget* button = Widget(CalculateButton);
    auto* freq = qobject_cast<QLineEdit*>(Widget(FreqInput));
    freq->setFocus(Qt::OtherFocusReason);
    freq->end(false);
    const QPoint centre = button->rect().center();
    QCoreApplication::postEvent(
        button, new QMouseEvent(QEvent::MouseButtonPress, centre, button->mapToGlobal(centre),
                                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(
        button, new QMouseEvent(QEvent::MouseButtonRelease, centre, button->mapToGlobal(centre),
                                Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    for (const char* key : {"0", "0"}) {
        QCoreApplication::postEvent(freq, new QKeyEvent(QEvent::KeyPress, Qt::Key_0, Qt::NoModifier,
                                                        QString::fromUtf8(key)));
        QCoreApplication::postEvent(freq, new QKeyEvent(QEvent::KeyRelease, Qt::Key_0,
                                                        Qt::NoModifier, QString::fromUtf8(key)));
    }
    QApplication::processEvents();  // the whole batch: the click and both keys
    ASSERT_EQ(QueuedEvents(), 1u);
    EXPECT_EQ(HeldInputEvents(), 4u);
    EXPECT_EQ(freq->text(), "10");
    HandleNextEvent();  // the press, at F = 10
    EXPECT_EQ(Text(L1Output), "0.199 мкгн");
    EXPECT_EQ(Text(LossOutput), "0.5606           ");
    ReleaseHeldInput();
    EXPECT_EQ(freq->text(), "1000");
    EXPECT_EQ(HeldInputEvents(), 0u);
    Press();  // and the next press reads what was typed
    EXPECT_EQ(Text(L1Output), "0.002 мкгн");
}

// Qt's own texts are Russian too: the context menu of a field.
TEST_F(WindowTest, FieldMenusReadInRussian) {
    auto* field = qobject_cast<QLineEdit*>(Widget(FreqInput));
    std::unique_ptr<QMenu> menu(field->createStandardContextMenu());
    QStringList texts;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            texts << action->text().section(QLatin1Char('\t'), 0, 0);  // less the shortcut
        }
    }
    std::printf("context menu: %s\n", texts.join(" | ").toStdString().c_str());
    ASSERT_GE(texts.size(), 6);
    EXPECT_TRUE(texts.contains(QString::fromUtf8("&Отменить действие")));
    EXPECT_TRUE(texts.contains(QString::fromUtf8("&Копировать")));
    EXPECT_TRUE(texts.contains(QString::fromUtf8("В&ставить")));
    EXPECT_FALSE(texts.contains("&Paste"));
}

// What a screen reader is told of each control: the fields by what they
// hold, the pictures by a name and a description, labels and the button by
// their texts.
TEST_F(WindowTest, ScreenReadersHearWhatEachControlHolds) {
    const struct {
        int control;
        const char* name;
        QAccessible::Role role;
    } expected[] = {
        {FreqLabel, "частота Мгц                 F=", QAccessible::StaticText},
        {FreqInput, "частота F, Мгц", QAccessible::EditableText},
        {ResistanceInput, "входное сопротивление R, ом", QAccessible::EditableText},
        {QkInput, "добротность контуров Qk", QAccessible::EditableText},
        {QdInput, "добротность диплексера Qd", QAccessible::EditableText},
        {ResponsePlot, "график K и КСВ", QAccessible::Client},
        {SchematicView, "схема диплексера", QAccessible::Client},
        {LossOutput, "потери D, db", QAccessible::EditableText},
        {CalculateButton, "РАСЧЕТ", QAccessible::Button},
        {KOutput, "коэффициент передачи K", QAccessible::EditableText},
        {SwrOutput, "КСВ", QAccessible::EditableText},
        {FiOutput, "частота под указателем Fi", QAccessible::EditableText},
        {L1Output, "L1, катушка параллельной ветви", QAccessible::EditableText},
        {L2Output, "L2, катушка последовательной ветви", QAccessible::EditableText},
        {C1Output, "C1, конденсатор параллельной ветви", QAccessible::EditableText},
        {C2Output, "C2, конденсатор последовательной ветви", QAccessible::EditableText},
        {SeriesLoadROutput, "R нагрузки последовательной ветви", QAccessible::EditableText},
        {ParallelLoadROutput, "R параллельной ветви", QAccessible::EditableText},
        {SourceROutput, "R источника", QAccessible::EditableText},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.name);
        QAccessibleInterface* control = QAccessible::queryAccessibleInterface(Widget(e.control));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->text(QAccessible::Name).toStdString(), e.name);
        EXPECT_EQ(control->role(), e.role);
    }
    for (int picture : {ResponsePlot, SchematicView}) {
        const QString description =
            QAccessible::queryAccessibleInterface(Widget(picture))->text(QAccessible::Description);
        EXPECT_GT(description.size(), 40) << picture;
    }
    // A field's value is its text, as for any other field, once Qt has run.
    Press();
    QApplication::processEvents();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Widget(L1Output))
                  ->text(QAccessible::Value)
                  .toStdString(),
              "0.199 мкгн");
}

TEST_F(WindowTest, TabWalksTheFieldsAndTheButtonInCreationOrder) {
    const int order[] = {
        FreqInput,       ResistanceInput, QkInput,   QdInput,           LossOutput,
        CalculateButton, KOutput,         SwrOutput, FiOutput,          L1Output,
        L2Output,        C1Output,        C2Output,  SeriesLoadROutput, ParallelLoadROutput,
        SourceROutput};
    Widget(FreqInput)->setFocus(Qt::OtherFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), Widget(FreqInput));
    for (int i = 1; i <= 16; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), Widget(order[i % 16])) << "stop " << i;
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), Widget(SourceROutput));
    for (int i = 14; i >= 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), Widget(order[i])) << "back to stop " << i;
    }
    // A click on a label or a canvas takes no focus.
    QTest::mouseClick(Widget(FreqLabel), Qt::LeftButton);
    QTest::mouseClick(Widget(ResponsePlot), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), Widget(FreqInput));
}

TEST_F(WindowTest, SpacePressesTheButtonAndEnterDoesNot) {
    Widget(FreqInput)->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(Widget(FreqInput), Qt::Key_Return);
    QTest::keyClick(Widget(FreqInput), Qt::Key_Enter);
    Deliver();
    EXPECT_EQ(Text(L1Output), "L1");
    EXPECT_EQ(state.calculated, 0);
    Widget(CalculateButton)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Widget(CalculateButton), Qt::Key_Space);
    Deliver();
    EXPECT_EQ(Text(L1Output), "0.199 мкгн");
}

TEST_F(WindowTest, TypingOverTheSchematicChangesNothingElse) {
    Type(L1Output, "typed");
    QTest::mouseClick(Widget(SchematicView), Qt::LeftButton, {}, QPoint(30, 30));
    QTest::mouseClick(Widget(FreqLabel), Qt::LeftButton);
    Deliver();
    EXPECT_EQ(Text(L1Output), "typed");
    EXPECT_EQ(Text(KOutput), "K");
    EXPECT_EQ(Text(LossOutput), "");
    EXPECT_EQ(state.calculated, 0);
    Press();
    EXPECT_EQ(Text(L1Output), "0.199 мкгн");
}

TEST_F(WindowTest, FieldsShowTheLastTextWritten) {
    auto* field = qobject_cast<QLineEdit*>(Widget(FiOutput));
    const std::string longText = "1234567890 " + std::string(200, '7') + " end";
    SetControlText(FiOutput, "first");
    SetControlText(FiOutput, longText);
    EXPECT_EQ(Text(FiOutput), longText);
    // Once Qt runs, the field shows the start of the long text.
    QApplication::processEvents();
    EXPECT_EQ(field->text().toStdString(), longText);
    EXPECT_EQ(field->cursorPosition(), 0);
    // The user's typing wins over a text written before it.
    Press();
    Type(L1Output, "typed");
    QApplication::processEvents();
    EXPECT_EQ(Text(L1Output), "typed");
    EXPECT_EQ(qobject_cast<QLineEdit*>(Widget(L1Output))->text(), "typed");
    EXPECT_EQ(qobject_cast<QLineEdit*>(Widget(C1Output))->text(), "1273.885 пф");
}

TEST_F(WindowTest, CloseRequestEndsTheLoopAndClosesNothingByItself) {
    for (int pressFirst = 0; pressFirst < 2; ++pressFirst) {
        if (pressFirst) {
            Press();
        }
        window->close();  // what the close box asks for
        EXPECT_TRUE(window->isVisible());
        ASSERT_EQ(QueuedEvents(), 1u);
        RunEventLoop();  // returns once the close event has been dispatched
        EXPECT_EQ(state.lastEvent, EventClose);
        EXPECT_TRUE(window->isVisible());
    }
    EXPECT_EQ(HandleEvent(EventOther), 1);
    EXPECT_EQ(HandleEvent(EventClose), 0);
}

}  // namespace

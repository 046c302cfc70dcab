#include "app/main_window.h"

#include "app/jpeg_decoder.h"
#include "app/schematic_data.h"
#include "model/fields.h"

namespace {

using K = ControlKind;

constexpr int kClientWidth = 850;
constexpr int kClientHeight = 630;

// Legend of the plot: under SwrOutput the SWR colour, under KOutput the K colour.
constexpr Rgb kSwrLegend{255, 0, 0};
constexpr Rgb kKLegend{0, 159, 0};

}  // namespace

// clang-format off
const ControlSpec kControls[27] = {
    {FreqLabel,           "FreqLabel",           K::SunkenLabel,   20,  20,  130, 20,  "частота Мгц                 F="},
    {ResistanceLabel,     "ResistanceLabel",     K::SunkenLabel,   20,  50,  130, 20,  "вх. сопрот ом              R="},
    {QkLabel,             "QkLabel",             K::SunkenLabel,   20,  80,  130, 20,  "добротнось конт.     Qk="},
    {QdLabel,             "QdLabel",             K::SunkenLabel,   20,  110, 130, 20,  "добротность дип.    Qd="},
    {FreqInput,           "FreqInput",           K::Field,         150, 22,  100, 16,  "10"},
    {ResistanceInput,     "ResistanceInput",     K::Field,         150, 52,  100, 16,  "50"},
    {QkInput,             "QkInput",             K::Field,         150, 82,  100, 16,  "60"},
    {QdInput,             "QdInput",             K::Field,         150, 112, 100, 16,  "4"},
    {ResponsePlot,        "ResponsePlot",        K::SunkenCanvas,  10,  270, 660, 340, ""},
    {SchematicView,       "SchematicView",       K::Canvas,        300, 10,  540, 250, ""},
    {CreditLabel,         "CreditLabel",         K::Label,         680, 590, 150, 30,  "Зорвин2 (diplexer.example.org)"},
    {LossLabel,           "LossLabel",           K::Label,         680, 280, 80,  20,  "потери  db   D="},
    {LossOutput,          "LossOutput",          K::ReadOnlyField, 760, 280, 70,  16,  ""},
    {CalculateButton,     "CalculateButton",     K::Button,        20,  170, 130, 40,  "РАСЧЕТ"},
    {KLabel,              "KLabel",              K::Label,         680, 310, 80,  20,  "                     K="},
    {SwrLabel,            "SwrLabel",            K::Label,         680, 340, 80,  20,  "                 КСВ="},
    {FiLabel,             "FiLabel",             K::Label,         680, 370, 80,  20,  "частота        Fi="},
    {KOutput,             "KOutput",             K::ReadOnlyField, 760, 310, 70,  14,  "K"},
    {SwrOutput,           "SwrOutput",           K::ReadOnlyField, 760, 340, 70,  14,  "KSW"},
    {FiOutput,            "FiOutput",            K::ReadOnlyField, 760, 370, 70,  20,  "Fi"},
    {L1Output,            "L1Output",            K::Field,         420, 125, 70,  20,  "L1"},
    {L2Output,            "L2Output",            K::Field,         710, 35,  70,  20,  "L2"},
    {C1Output,            "C1Output",            K::Field,         560, 125, 70,  20,  "C1"},
    {C2Output,            "C2Output",            K::Field,         600, 35,  70,  20,  "C2"},
    {SeriesLoadROutput,   "SeriesLoadROutput",   K::Field,         710, 140, 60,  16,  ""},
    {ParallelLoadROutput, "ParallelLoadROutput", K::Field,         460, 200, 60,  20,  ""},
    {SourceROutput,       "SourceROutput",       K::Field,         380, 40,  60,  20,  ""},
};
// clang-format on

bool ShowSchematic(const unsigned char* jpeg, std::size_t size) {
    RgbPicture picture;
    if (!DecodeJpeg(jpeg, size, picture)) {
        return false;
    }
    const PixelImage view = BeginDrawing(SchematicView);
    DrawPicture(view, picture, 0, 0);
    EndDrawing(SchematicView);
    return true;
}

void BuildMainWindow() {
    OpenMainWindow(kClientWidth, kClientHeight, "Диплексер (Зорвин2)");
    // In number order: the fields over the picture, created after it, lie above it.
    for (const ControlSpec& c : kControls) {
        CreateControl(c.number, c.kind, c.x, c.y, c.width, c.height, c.text);
        if (c.number == ResponsePlot) {
            SetPointerShape(ResponsePlot, PointerShape::Crosshair);
        }
    }
    ShowSchematic(kSchematicJpeg, kSchematicJpegSize);

    const PixelImage surface = BeginDrawing(kWindowSurface);
    DrawLine(surface, 680, 354, 800, 354, kSwrLegend);
    DrawLine(surface, 680, 324, 800, 324, kKLegend);
    EndDrawing(kWindowSurface);
}

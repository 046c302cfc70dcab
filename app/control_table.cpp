// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/control_table.h"

namespace diplexer {

namespace {

using Kind = ControlKind;
constexpr PointerShape kArrow = PointerShape::Arrow;
constexpr PointerShape kCrosshair = PointerShape::Crosshair;

// What a screen reader says of the two pictures.
constexpr const char* kPlotDescription =
    "коэффициент передачи K (зелёный) и КСВ на входе (красный) от 0 до 32.8 Мгц, "
    "20 точек на Мгц; указатель над графиком показывает частоту Fi и K и КСВ на ней";
constexpr const char* kSchematicDescription =
    "источник с сопротивлением R; последовательная ветвь: C2 и L2 с нагрузкой R; "
    "параллельная ветвь: контур L1 и C1 с сопротивлением R";

// clang-format off
constexpr std::array<ControlSpec, kControlCount> kTable{{
    {FreqLabel,           "FreqLabel",           Kind::SunkenLabel,   20,  20,  130, 20,  "частота Мгц                 F=",  kArrow,
        nullptr, nullptr},
    {ResistanceLabel,     "ResistanceLabel",     Kind::SunkenLabel,   20,  50,  130, 20,  "вх. сопрот ом              R=",   kArrow,
        nullptr, nullptr},
    {QkLabel,             "QkLabel",             Kind::SunkenLabel,   20,  80,  130, 20,  "добротнось конт.     Qk=",        kArrow,
        nullptr, nullptr},
    {QdLabel,             "QdLabel",             Kind::SunkenLabel,   20,  110, 130, 20,  "добротность дип.    Qd=",         kArrow,
        nullptr, nullptr},
    {FreqInput,           "FreqInput",           Kind::Field,         150, 22,  100, 16,  "10",                              kArrow,
        "частота F, Мгц", nullptr},
    {ResistanceInput,     "ResistanceInput",     Kind::Field,         150, 52,  100, 16,  "50",                              kArrow,
        "входное сопротивление R, ом", nullptr},
    {QkInput,             "QkInput",             Kind::Field,         150, 82,  100, 16,  "60",                              kArrow,
        "добротность контуров Qk", nullptr},
    {QdInput,             "QdInput",             Kind::Field,         150, 112, 100, 16,  "4",                               kArrow,
        "добротность диплексера Qd", nullptr},
    {ResponsePlot,        "ResponsePlot",        Kind::SunkenCanvas,  10,  270, 660, 340, "",                                kCrosshair,
        "график K и КСВ", kPlotDescription},
    {SchematicView,       "SchematicView",       Kind::Canvas,        300, 10,  540, 250, "",                                kArrow,
        "схема диплексера", kSchematicDescription},
    {CreditLabel,         "CreditLabel",         Kind::Label,         680, 590, 150, 30,  "Зорвин2 (diplexer.example.org)",  kArrow,
        nullptr, nullptr},
    {LossLabel,           "LossLabel",           Kind::Label,         680, 280, 80,  20,  "потери  db   D=",                 kArrow,
        nullptr, nullptr},
    {LossOutput,          "LossOutput",          Kind::ReadOnlyField, 760, 280, 70,  16,  "",                                kArrow,
        "потери D, db", nullptr},
    {CalculateButton,     "CalculateButton",     Kind::Button,        20,  170, 130, 40,  "РАСЧЕТ",                          kArrow,
        nullptr, nullptr},
    {KLabel,              "KLabel",              Kind::Label,         680, 310, 80,  20,  "                     K=",         kArrow,
        nullptr, nullptr},
    {SwrLabel,            "SwrLabel",            Kind::Label,         680, 340, 80,  20,  "                 КСВ=",           kArrow,
        nullptr, nullptr},
    {FiLabel,             "FiLabel",             Kind::Label,         680, 370, 80,  20,  "частота        Fi=",              kArrow,
        nullptr, nullptr},
    {KOutput,             "KOutput",             Kind::ReadOnlyField, 760, 310, 70,  14,  "K",                               kArrow,
        "коэффициент передачи K", nullptr},
    {SwrOutput,           "SwrOutput",           Kind::ReadOnlyField, 760, 340, 70,  14,  "KSW",                             kArrow,
        "КСВ", nullptr},
    {FiOutput,            "FiOutput",            Kind::ReadOnlyField, 760, 370, 70,  20,  "Fi",                              kArrow,
        "частота под указателем Fi", nullptr},
    {L1Output,            "L1Output",            Kind::Field,         420, 125, 70,  20,  "L1",                              kArrow,
        "L1, катушка параллельной ветви", nullptr},
    {L2Output,            "L2Output",            Kind::Field,         710, 35,  70,  20,  "L2",                              kArrow,
        "L2, катушка последовательной ветви", nullptr},
    {C1Output,            "C1Output",            Kind::Field,         560, 125, 70,  20,  "C1",                              kArrow,
        "C1, конденсатор параллельной ветви", nullptr},
    {C2Output,            "C2Output",            Kind::Field,         600, 35,  70,  20,  "C2",                              kArrow,
        "C2, конденсатор последовательной ветви", nullptr},
    {SeriesLoadROutput,   "SeriesLoadROutput",   Kind::Field,         710, 140, 60,  16,  "",                                kArrow,
        "R нагрузки последовательной ветви", nullptr},
    {ParallelLoadROutput, "ParallelLoadROutput", Kind::Field,         460, 200, 60,  20,  "",                                kArrow,
        "R параллельной ветви", nullptr},
    {SourceROutput,       "SourceROutput",       Kind::Field,         380, 40,  60,  20,  "",                                kArrow,
        "R источника", nullptr},
}};
// clang-format on

// Controls are created in number order: row i holds control i + 1.
constexpr bool RowsInNumberOrder() {
    for (int i = 0; i < kControlCount; ++i) {
        if (kTable[std::size_t(i)].number != i + 1) {
            return false;
        }
    }
    return true;
}
static_assert(RowsInNumberOrder(), "row i of the control table must hold control i + 1");

}  // namespace

const std::array<ControlSpec, kControlCount> kControls = kTable;

}  // namespace diplexer

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/control_table.h"

namespace diplexer {

namespace {

using Kind = ControlKind;
constexpr PointerShape kArrow = PointerShape::Arrow;
constexpr PointerShape kCrosshair = PointerShape::Crosshair;

// clang-format off
constexpr std::array<ControlSpec, kControlCount> kTable{{
    {FreqLabel,           "FreqLabel",           Kind::SunkenLabel,   20,  20,  130, 20,  "частота Мгц                 F=",  kArrow},
    {ResistanceLabel,     "ResistanceLabel",     Kind::SunkenLabel,   20,  50,  130, 20,  "вх. сопрот ом              R=",   kArrow},
    {QkLabel,             "QkLabel",             Kind::SunkenLabel,   20,  80,  130, 20,  "добротнось конт.     Qk=",        kArrow},
    {QdLabel,             "QdLabel",             Kind::SunkenLabel,   20,  110, 130, 20,  "добротность дип.    Qd=",         kArrow},
    {FreqInput,           "FreqInput",           Kind::Field,         150, 22,  100, 16,  "10",                              kArrow},
    {ResistanceInput,     "ResistanceInput",     Kind::Field,         150, 52,  100, 16,  "50",                              kArrow},
    {QkInput,             "QkInput",             Kind::Field,         150, 82,  100, 16,  "60",                              kArrow},
    {QdInput,             "QdInput",             Kind::Field,         150, 112, 100, 16,  "4",                               kArrow},
    {ResponsePlot,        "ResponsePlot",        Kind::SunkenCanvas,  10,  270, 660, 340, "",                                kCrosshair},
    {SchematicView,       "SchematicView",       Kind::Canvas,        300, 10,  540, 250, "",                                kArrow},
    {CreditLabel,         "CreditLabel",         Kind::Label,         680, 590, 150, 30,  "Зорвин2 (diplexer.example.org)",  kArrow},
    {LossLabel,           "LossLabel",           Kind::Label,         680, 280, 80,  20,  "потери  db   D=",                 kArrow},
    {LossOutput,          "LossOutput",          Kind::ReadOnlyField, 760, 280, 70,  16,  "",                                kArrow},
    {CalculateButton,     "CalculateButton",     Kind::Button,        20,  170, 130, 40,  "РАСЧЕТ",                          kArrow},
    {KLabel,              "KLabel",              Kind::Label,         680, 310, 80,  20,  "                     K=",         kArrow},
    {SwrLabel,            "SwrLabel",            Kind::Label,         680, 340, 80,  20,  "                 КСВ=",           kArrow},
    {FiLabel,             "FiLabel",             Kind::Label,         680, 370, 80,  20,  "частота        Fi=",              kArrow},
    {KOutput,             "KOutput",             Kind::ReadOnlyField, 760, 310, 70,  14,  "K",                               kArrow},
    {SwrOutput,           "SwrOutput",           Kind::ReadOnlyField, 760, 340, 70,  14,  "KSW",                             kArrow},
    {FiOutput,            "FiOutput",            Kind::ReadOnlyField, 760, 370, 70,  20,  "Fi",                              kArrow},
    {L1Output,            "L1Output",            Kind::Field,         420, 125, 70,  20,  "L1",                              kArrow},
    {L2Output,            "L2Output",            Kind::Field,         710, 35,  70,  20,  "L2",                              kArrow},
    {C1Output,            "C1Output",            Kind::Field,         560, 125, 70,  20,  "C1",                              kArrow},
    {C2Output,            "C2Output",            Kind::Field,         600, 35,  70,  20,  "C2",                              kArrow},
    {SeriesLoadROutput,   "SeriesLoadROutput",   Kind::Field,         710, 140, 60,  16,  "",                                kArrow},
    {ParallelLoadROutput, "ParallelLoadROutput", Kind::Field,         460, 200, 60,  20,  "",                                kArrow},
    {SourceROutput,       "SourceROutput",       Kind::Field,         380, 40,  60,  20,  "",                                kArrow},
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

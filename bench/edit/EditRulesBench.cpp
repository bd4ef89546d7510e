// The field's value rules per keystroke, per write and per leave, and a whole command-line run.
#include <sstream>

#include <benchmark/benchmark.h>

#include "CalcRun.h"
#include "LocaleSettings.h"
#include "NumericClass.h"
#include "PlainFieldDisplay.h"
#include "TypedChars.h"
#include "ValueField.h"

namespace {

using namespace tornivex;
using namespace tornivex::edit;

// The step-angle field as the window loads it.
struct StepAngleField {
    PlainFieldDisplay display;
    ValueField value{display};
    StepAngleField() {
        value.SetEditType(etFloat);
        value.SetPrecision(3);
        value.SetPrecisionDisplay(pdShortest);
        value.SetSuffix(u"\u00B0");
        value.WriteText(u"1.8");
    }
};

void BM_ClassifyNumericText(benchmark::State& state) {
    ScopedFormatSettings dot(u'.', u',');
    for (auto _ : state) benchmark::DoNotOptimize(ClassifyNumericText(u"1,234,567.891"));
}
BENCHMARK(BM_ClassifyNumericText);

void BM_DecideTypedChar(benchmark::State& state) {
    ScopedFormatSettings dot(u'.', u',');
    ValueSettings settings;
    settings.EditType = etFloat;
    settings.Precision = 3;
    TypingContext context;
    context.valueText = u"1.235";
    context.selStart = 3;
    for (auto _ : state) benchmark::DoNotOptimize(DecideTypedChar(settings, context, u'9'));
}
BENCHMARK(BM_DecideTypedChar);

void BM_WriteText(benchmark::State& state) {
    ScopedFormatSettings dot(u'.', u',');
    StepAngleField field;
    for (auto _ : state) field.value.WriteText(u"1.8");
}
BENCHMARK(BM_WriteText);

void BM_LeaveFormatting(benchmark::State& state) {
    ScopedFormatSettings dot(u'.', u',');
    StepAngleField field;
    for (auto _ : state) {
        field.display.SetRawText(u"1.23456\u00B0");
        field.value.LeaveFormatting();
    }
}
BENCHMARK(BM_LeaveFormatting);

void BM_LoadStepAngleField(benchmark::State& state) {
    ScopedFormatSettings dot(u'.', u',');
    for (auto _ : state) {
        StepAngleField field;
        benchmark::DoNotOptimize(field.display.DisplayedText());
    }
}
BENCHMARK(BM_LoadStepAngleField);

void BM_CalculatorRun(benchmark::State& state) {
    ScopedFormatSettings dot(u'.', u',');
    const std::vector<std::string> args = {"1.8", "10", "40", "3"};
    for (auto _ : state) {
        std::ostringstream out;
        std::ostringstream err;
        benchmark::DoNotOptimize(calc::RunCalculator(args, out, err));
    }
}
BENCHMARK(BM_CalculatorRun);

}  // namespace

BENCHMARK_MAIN();

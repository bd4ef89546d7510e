#pragma once
// Adapters between the calculation and the main window: inputs read from the fields, result
// lines written to the labels.
#include <array>

#include "AdvEdit.h"
#include "TLabel.h"
#include "TuningCalculation.h"

namespace tornivex {

class FieldTuningInputs : public TuningInputs {
public:
    FieldTuningInputs(const TAdvEdit& stepAngle, const TAdvEdit& micro, const TAdvEdit& r1,
                      const TAdvEdit& r2)
        : stepAngle_(stepAngle), micro_(micro), r1_(r1), r2_(r2) {}

    double StepAngle() override { return stepAngle_.FloatValue(); }
    std::u16string MicroText() override { return micro_.Text().toStdU16String(); }
    std::u16string R1Text() override { return r1_.Text().toStdU16String(); }
    std::u16string R2Text() override { return r2_.Text().toStdU16String(); }

private:
    const TAdvEdit& stepAngle_;
    const TAdvEdit& micro_;
    const TAdvEdit& r1_;
    const TAdvEdit& r2_;
};

class LabelResultLines : public TuningResultLines {
public:
    // The labels of result lines 1 to 5.
    explicit LabelResultLines(std::array<platform::TLabel*, 5> labels) : labels_(labels) {}

    void SetCaption(ResultLine line, const std::u16string& caption) override {
        labels_[static_cast<size_t>(line)]->SetCaption(QString::fromStdU16String(caption));
    }

private:
    std::array<platform::TLabel*, 5> labels_;
};

}  // namespace tornivex

#include "CalcJson.h"

#include "Errors.h"
#include "JsonText.h"
#include "LocaleSettings.h"
#include "NumberText.h"
#include "StoredValues.h"

namespace tornivex::calc {
namespace {

void AppendKey(std::string& out, const char* key) {
    AppendJsonString(out, key);
    out += ':';
}

void AppendInputs(std::string& out, const CaseResult& result) {
    out += '{';
    for (size_t i = 0; i < result.inputs.size(); ++i) {
        if (i > 0) out += ',';
        AppendKey(out, InputName(static_cast<FieldId>(i)));
        if (result.inputs[i]) AppendJsonString(out, std::u16string_view(*result.inputs[i]));
        else out += "null";
    }
    out += '}';
}

void AppendLines(std::string& out, const CaseResult& result) {
    out += '[';
    bool first = true;
    for (const auto& line : result.lines) {
        if (!line) continue;
        if (!first) out += ',';
        AppendJsonString(out, std::u16string_view(*line));
        first = false;
    }
    out += ']';
}

void AppendValues(std::string& out, const CaseResult& result) {
    out += '{';
    for (size_t i = 0; i < result.values.size(); ++i) {
        if (i > 0) out += ',';
        AppendKey(out, ValueName(static_cast<TuningValue>(i)));
        if (!result.values[i]) {
            out += "null";
            continue;
        }
        const CaseValue& value = *result.values[i];
        // The lines' text already has a decimal point unless the regional settings say otherwise.
        const std::string text = FormatSettings().DecimalSeparator == u'.' ? ToUtf8(value.text)
                                                                           : ToUtf8(PointNumberText(value.value));
        out += '{';
        AppendKey(out, "text");
        AppendJsonString(out, text);
        out += ',';
        AppendKey(out, "number");
        // Extended values beyond a double's range keep their exact text; their number is null.
        out += IsJsonNumber(text) && FitsDouble(text) ? text : std::string("null");
        out += '}';
    }
    out += '}';
}

}  // namespace

std::string CaseJson(const CaseResult& result, long lineNumber, std::string_view more) {
    std::string out;
    out.reserve(1024);
    out += '{';
    if (lineNumber > 0) {
        AppendKey(out, "line");
        out += std::to_string(lineNumber);
        out += ',';
    }
    AppendKey(out, "inputs");
    AppendInputs(out, result);
    out += ',';
    AppendKey(out, "lines");
    AppendLines(out, result);
    out += ',';
    AppendKey(out, "values");
    AppendValues(out, result);
    out += ',';
    AppendKey(out, "error");
    if (result.failure) {
        out += '{';
        AppendKey(out, "step");
        AppendJsonString(out, result.failure->step);
        out += ',';
        AppendKey(out, "message");
        AppendJsonString(out, result.failure->message);
        out += '}';
    } else {
        out += "null";
    }
    out += ',';
    AppendKey(out, "messages");
    out += '[';
    for (size_t i = 0; i < result.messages.size(); ++i) {
        if (i > 0) out += ',';
        AppendJsonString(out, result.messages[i]);
    }
    out += ']';
    if (!more.empty()) {
        out += ',';
        out += more;
    }
    out += '}';
    return out;
}

}  // namespace tornivex::calc

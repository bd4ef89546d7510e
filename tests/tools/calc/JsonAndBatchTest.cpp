// tornivex-calc --json and --batch: the JSON is read back with a JSON parser and must say what the
// plain output says; batch mode runs on the real program over a file of good and bad lines.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include "CalcOutcome.h"
#include "LocaleSettings.h"
#include "ReferenceInputs.h"

namespace tornivex::calc {
namespace {

const QJsonObject ParseObject(const std::string& text) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString() << " in " << text;
    EXPECT_TRUE(document.isObject()) << text;
    return document.object();
}

std::vector<std::string> Strings(const QJsonValue& array) {
    std::vector<std::string> strings;
    for (const QJsonValue& value : array.toArray()) strings.push_back(value.toString().toStdString());
    return strings;
}

class JsonAgrees : public ::testing::TestWithParam<std::vector<std::string>> {
protected:
    void ExpectAgreement(char16_t separator) {
        std::vector<std::string> jsonArgs = GetParam();
        jsonArgs.insert(jsonArgs.begin(), "--json");
        const Outcome plain = Calc(GetParam());
        const Outcome json = Calc(jsonArgs);
        ASSERT_EQ(json.out.back(), '\n');
        ASSERT_EQ(json.out.find('\n'), json.out.size() - 1);  // one object on one line
        const QJsonObject object = ParseObject(json.out);

        EXPECT_EQ(json.status, plain.status);
        EXPECT_EQ(json.err, plain.err);
        const std::vector<std::string> lines = Strings(object["lines"]);
        EXPECT_EQ(lines, SplitLines(plain.out));
        EXPECT_EQ(Strings(object["messages"]), SplitLines(plain.err));
        EXPECT_EQ(object["error"].isNull(), plain.status == kSuccess);
        if (!object["error"].isNull() && !plain.err.empty()) {
            EXPECT_EQ(object["error"]["message"].toString().toStdString(), SplitLines(plain.err).back());
        }

        // Each value: its text is the lines' text with a decimal point, its number the same text.
        const QJsonObject values = object["values"].toObject();
        // The lines' text of the value stands between before and after in its line.
        const auto expectValue = [&](const char* name, size_t line, const char* before, const char* after) {
            const QJsonValue value = values[name];
            if (lines.size() <= line) {
                EXPECT_TRUE(value.isNull()) << name;
                return;
            }
            const QString text = value["text"].toString();
            EXPECT_FALSE(text.contains(u','));
            // A number unless a double cannot hold it.
            bool fitsDouble = false;
            const double number = text.toDouble(&fitsDouble);
            EXPECT_EQ(value["number"].isDouble(), fitsDouble) << name << ": " << text.toStdString();
            if (fitsDouble) {
                EXPECT_EQ(value["number"].toDouble(), number) << name;
            }
            QString shown = text;
            shown.replace(u'.', QChar(separator));
            EXPECT_TRUE(QString::fromStdString(lines[line]).contains(before + shown + after))
                << name << ": " << lines[line];
        };
        expectValue("stepsPerRevolution", 0, "gives  ", " steps");
        expectValue("microStepsPerRevolution", 1, "gives ", " steps");
        expectValue("ratio", 3, "", " x ");
        expectValue("stepsPerAxisRevolution", 4, "", " / 360");
        expectValue("unitsPerDegree", 4, "= ", " units");
    }
};

TEST_P(JsonAgrees, DotSeparator) {
    ScopedFormatSettings locale(u'.', u',');
    ExpectAgreement(u'.');
}

TEST_P(JsonAgrees, CommaSeparator) {
    ScopedFormatSettings locale(u',', u'.');
    ExpectAgreement(u',');
}

INSTANTIATE_TEST_SUITE_P(Inputs, JsonAgrees, ::testing::ValuesIn(kReferenceInputs));

TEST(Json, InputsAsReadAndTheFailedStep) {
    ScopedFormatSettings locale(u'.', u',');
    const QJsonObject rounded = ParseObject(Calc({"--json", "1.23456", "10", "1,234.5", "7"}).out);
    // The fields round the step angle and drop the grouping (keys in the parser's order).
    EXPECT_EQ(QJsonDocument(rounded["inputs"].toObject()).toJson(QJsonDocument::Compact).toStdString(),
              R"({"division":"10","r1":"1234.5","r2":"7","stepAngle":"1.235"})");

    const auto failedStep = [](std::vector<std::string> values) {
        values.insert(values.begin(), "--json");
        return ParseObject(Calc(values).out)["error"]["step"].toString().toStdString();
    };
    EXPECT_EQ(failedStep({"0", "10", "40", "1"}), "stepsPerRevolution");
    EXPECT_EQ(failedStep({"1.8", "12345678901", "40", "1"}), "readDivision");
    EXPECT_EQ(failedStep({"1.8", "10", "0", "0"}), "ratio");
    EXPECT_EQ(failedStep({"1" + std::string(400, '0'), "10", "40", "1"}), "readStepAngle");
    EXPECT_EQ(failedStep({"15", "10", "1", "1" + std::string(330, '0')}), "enterR2");

    const Outcome refused = Calc({"--json", "1.8", "10", "40", "-3"});
    EXPECT_EQ(refused.status, kUsageError);
    const QJsonObject object = ParseObject(refused.out);
    EXPECT_EQ(object["error"]["step"], "enterR2");
    EXPECT_TRUE(object["inputs"]["r2"].isNull());
    EXPECT_EQ(object["inputs"]["r1"], "40");

    // Whatever was typed comes back unchanged through the escapes.
    const std::string typed = "\"\\\t\x01\u00B0\U0001F600";
    const QJsonObject odd = ParseObject(Calc({"--json", "1.8", typed, "40", "1"}).out);
    EXPECT_EQ(odd["error"]["message"].toString().toStdString(),
              "the micro-step division field (edMicro) refuses \"" + typed + "\"");
}

TEST(Batch, MixedFileOnTheRealProgram) {
    QProcess calc;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", "C");
    calc.setProcessEnvironment(environment);
    calc.setStandardInputFile(TORNIVEX_SOURCE_DIR "/tests/tools/calc/data/batch-mixed.txt");
    calc.start(TORNIVEX_CALC_TOOL, {"--batch"});
    ASSERT_TRUE(calc.waitForFinished(10000));
    EXPECT_EQ(calc.exitCode(), kCalculationError);
    EXPECT_EQ(calc.readAllStandardOutput().toStdString(),
              "222.222222222222\n320\n74.0740740740741\n\n\n800\n\n\n979.761904761905\n\n");
    EXPECT_EQ(calc.readAllStandardError().toStdString(),
              "line 4: expected 4 values separated by blanks or commas, got 0\n"
              "line 5: Floating point division by zero.\n"
              "line 7: expected 4 values separated by blanks or commas, got 3\n"
              "line 8: the micro-step division field (edMicro) refuses \"12a\"\n"
              "line 10: value 2 is empty\n");
}

TEST(Batch, ARepeatedValueShowsItsMessagesEachTime) {
    ScopedFormatSettings locale(u'.', u',');
    const std::string line = "15 10 1 1" + std::string(330, '0') + "\n";
    const Outcome twice = Calc({"--batch"}, line + line);
    const Outcome once = Calc({"15", "10", "1", "1" + std::string(330, '0')});
    ASSERT_EQ(once.err, "Floating point overflow.\nFloating point overflow.\n");
    EXPECT_EQ(twice.err,
              "line 1: Floating point overflow.\nline 1: Floating point overflow.\n"
              "line 2: Floating point overflow.\nline 2: Floating point overflow.\n");
    EXPECT_EQ(twice.status, kCalculationError);
}

TEST(Batch, JsonLinesStatusAndDecimalComma) {
    ScopedFormatSettings locale(u',', u'.');
    const Outcome good = Calc({"--batch"}, "1,8 10 40 3\n15,10,40,1\n");
    EXPECT_EQ(good.status, kSuccess);
    EXPECT_EQ(good.out, "74,0740740740741\n26,6666666666667\n");

    const Outcome json = Calc({"--batch", "--json"}, "1,8 10 40 3\n1,8 10 40\n");
    EXPECT_EQ(json.status, kCalculationError);
    const std::vector<std::string> objects = SplitLines(json.out);
    ASSERT_EQ(objects.size(), 2u);
    const QJsonObject first = ParseObject(objects[0]);
    EXPECT_EQ(first["line"], 1);
    EXPECT_EQ(first["values"]["unitsPerDegree"]["text"], "74.0740740740741");
    const QJsonObject second = ParseObject(objects[1]);
    EXPECT_EQ(second["line"], 2);
    EXPECT_EQ(second["error"]["step"], "readLine");
    EXPECT_EQ(json.err, "line 2: expected 4 values separated by blanks or commas, got 3\n");

    EXPECT_EQ(Calc({"--batch", "1.8"}).status, kUsageError);
}

}  // namespace
}  // namespace tornivex::calc

#include "TuningAssistant.h"

#include <QKeyEvent>
#include <cstring>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>

#include "AssistantFieldDesigns.h"
#include "Clipboard.h"
#include "Errors.h"
#include "Fonts.h"
#include "MenuName.h"
#include "NumberText.h"
#include "Unit1.h"
#include "WindowPlacement.h"

namespace tornivex {
namespace {

using platform::InterfaceFont;

TsLabel* MakeLabel(QWidget* parent, const QString& caption, int x, int y, int pixels = 11, bool bold = false) {
    auto* label = new TsLabel(parent);
    label->setFont(InterfaceFont(pixels, bold));
    label->SetAutoSize(true);
    label->move(x, y);
    label->SetCaption(caption);
    return label;
}

TAdvEdit* MakeField(QWidget* parent, const TFieldDesign& design, const QString& spoken) {
    auto* field = new TAdvEdit(parent);
    field->setObjectName(QString::fromLatin1(design.Name));
    field->setGeometry(design.Left, design.Top, design.Width, design.Height);
    // Empty means "not given".
    field->SetAllowNumericNullValue(true);
    ApplyStoredProperties(
        *field, design, [](const char16_t* text) { return QString::fromUtf16(text); },
        [field](const QString& text) { field->SetText(text); });
    field->SetEditAlign(eaCenter);
    field->Loaded();
    field->setAccessibleName(spoken);
    return field;
}

TsButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QRect bounds) {
    auto* button = new TsButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setGeometry(bounds);
    // Enter in a field must not press a button of the dialog.
    button->setAutoDefault(false);
    return button;
}

// A field's number, none for an empty field; EConvertError for a text that is no number.
std::optional<Extended> ReadField(const TAdvEdit& field) {
    const QString text = field.Text();
    if (text.trimmed().isEmpty()) return std::nullopt;
    return ParseNumber(text.toStdU16String());
}

QString Q(const std::u16string& text) { return QString::fromStdU16String(text); }

struct RatePreset {
    const char* name;
    const char* caption;
    const char16_t* hertz;
};
constexpr std::array<RatePreset, 4> kRatePresets = {{
    {"rate25k", "25 kHz", u"25000"},
    {"rate100k", "100 kHz", u"100000"},
    {"rate400k", "400 kHz", u"400000"},
    {"rate4M", "4 MHz", u"4000000"},
}};

}  // namespace

TTuningAssistant* AssistantForm = nullptr;

TTuningAssistant::TTuningAssistant(QWidget* mainWindow) : QDialog(mainWindow), mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("TuningAssistant"));
    setWindowTitle(QStringLiteral("Tuning assistant"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(ClientWidth, ClientHeight);
    setFont(InterfaceFont(11));
    setSizeGripEnabled(false);

    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("Client"));
    client_->setGeometry(0, 0, ClientWidth, ClientHeight);
    CreateControls();
    for (TAdvEdit* field : {edUnits, edRatio, edRadius, edRate, edSpeed, edCommanded, edMeasured})
        connect(field, &QLineEdit::textChanged, this, [this] { Recalculate(); });
    Recalculate();
}

TTuningAssistant::~TTuningAssistant() = default;

void TTuningAssistant::CreateControls() {
    QWidget* c = client_;
    MakeLabel(c, QStringLiteral("Units per degree"), 10, 11);
    edUnits = MakeField(c, edUnitsDesign, QStringLiteral("Units: micro-steps per degree"));
    MakeLabel(c, QStringLiteral("Gear ratio"), 290, 11);
    edRatio = MakeField(c, edRatioDesign, QStringLiteral("Gear ratio: motor turns per axis turn"));
    MakeLabel(c, QStringLiteral(": 1"), 430, 11);

    const auto title = [c](const QString& caption, int y) { return MakeLabel(c, caption, 10, y, 12, true); };
    const auto line = [c](int y) {
        TsLabel* label = MakeLabel(c, QString(), 18, y, 12);
        label->setObjectName(QStringLiteral("FigureLine"));
        return label;
    };
    // A caption, its field and the field's unit on one row.
    const auto fieldRow = [c](const QString& caption, int y, const TFieldDesign& design, const QString& name,
                              const QString& unit) {
        MakeLabel(c, caption, 18, y);
        TAdvEdit* field = MakeField(c, design, name);
        MakeLabel(c, unit, 204, y);
        return field;
    };
    title(QStringLiteral("Resolution"), 42);
    FigureLines[0] = line(62);
    edRadius = fieldRow(QStringLiteral("Radius"), 89, edRadiusDesign, QStringLiteral("Radius in millimetres"),
                        QStringLiteral("mm"));
    FigureLines[1] = line(112);

    title(QStringLiteral("Speed"), 142);
    edRate = fieldRow(QStringLiteral("Step-pulse rate"), 165, edRateDesign,
                      QStringLiteral("Maximum step-pulse rate in hertz"), QStringLiteral("Hz"));
    for (size_t i = 0; i < kRatePresets.size(); ++i) {
        const RatePreset& preset = kRatePresets[i];
        RateButtons[i] = MakeButton(c, preset.name, QString::fromLatin1(preset.caption),
                                    QRect(240 + static_cast<int>(i) * 66, 161, 60, 23));
        RateButtons[i]->setAccessibleName(QStringLiteral("Step-pulse rate ") + QString::fromLatin1(preset.caption));
        connect(RateButtons[i], &QPushButton::clicked, this,
                [this, hertz = preset.hertz] { edRate->SetText(QString::fromUtf16(hertz)); });
    }
    FigureLines[2] = line(190);
    edSpeed = fieldRow(QStringLiteral("Wanted speed"), 217, edSpeedDesign,
                       QStringLiteral("Wanted speed in degrees per minute"), QStringLiteral("\u00B0/min"));
    FigureLines[3] = line(240);

    title(QStringLiteral("Calibration"), 270);
    MakeLabel(c, QStringLiteral("Commanded"), 18, 295);
    edCommanded = MakeField(c, edCommandedDesign, QStringLiteral("Commanded move in degrees"));
    MakeLabel(c, QStringLiteral("measured"), 212, 295);
    edMeasured = MakeField(c, edMeasuredDesign, QStringLiteral("Measured move in degrees"));
    FigureLines[4] = line(318);
    FigureLines[5] = line(340);

    title(QStringLiteral("Controller lines"), 370);
    sMemoLines = new TsMemo(c);
    sMemoLines->setObjectName(QStringLiteral("sMemoLines"));
    sMemoLines->setGeometry(10, 390, 600, 102);
    sMemoLines->setFont(InterfaceFont(11));
    sMemoLines->setReadOnly(true);
    sMemoLines->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    sMemoLines->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sMemoLines->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    sMemoLines->setTabChangesFocus(true);
    sMemoLines->setAccessibleName(QStringLiteral("Controller lines"));
    sMemoLines->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(sMemoLines, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { OpenLinesMenu(sMemoLines->mapToGlobal(at)); });
    sMemoLines->Loaded();

    sButtonCopy = MakeButton(c, "sButtonCopy", QStringLiteral("Copy all lines"), QRect(10, 500, 110, 25));
    connect(sButtonCopy, &QPushButton::clicked, this, [this] { platform::PutTextOnClipboard(ControllerText()); });
    auto* copyOne = MakeButton(c, "sButtonCopyOne", QStringLiteral("Copy one line\u2026"), QRect(126, 500, 110, 25));
    connect(copyOne, &QPushButton::clicked, this,
            [this, copyOne] { OpenLinesMenu(copyOne->mapToGlobal(QPoint(0, copyOne->height()))); });
    sButtonClose = MakeButton(c, "sButtonClose", QStringLiteral("Close"), QRect(535, 500, 75, 25));
    connect(sButtonClose, &QPushButton::clicked, this, &QDialog::close);

    setTabOrder(edUnits, edRatio);
    setTabOrder(edRatio, edRadius);
    setTabOrder(edRadius, edRate);
    setTabOrder(edRate, edSpeed);
    setTabOrder(edSpeed, edCommanded);
    setTabOrder(edCommanded, edMeasured);
    setTabOrder(edMeasured, sMemoLines);
    setTabOrder(sMemoLines, sButtonCopy);
    setTabOrder(sButtonCopy, copyOne);
    setTabOrder(copyOne, sButtonClose);
}

void TTuningAssistant::TakeCalculation(std::optional<Extended> units, std::optional<Extended> ratio) {
    exactUnits_ = units;
    exactRatio_ = ratio;
    exactUnitsText_ = units ? Q(NumberText(*units)) : QString();
    exactRatioText_ = ratio ? Q(NumberText(*ratio)) : QString();
    const QSignalBlocker quiet(edRatio);  // one recalculation for both fields
    edRatio->SetText(exactRatioText_);
    edUnits->SetText(exactUnitsText_);
    Recalculate();
}

void TTuningAssistant::Open() {
    if (!isVisible() && mainWindow_) {
        const QRect main = mainWindow_->frameGeometry();
        const QRect room = mainWindow_->screen() ? mainWindow_->screen()->availableGeometry() : QRect();
        const QSize frame = frameGeometry().size().expandedTo(size());
        // Beside the main window, its top aligned, where the screen has room; else over it.
        if (main.right() + 8 + frame.width() <= room.right()) move(main.right() + 8, main.top());
        else CenterOver(this, mainWindow_);
    }
    show();
    raise();
    activateWindow();
}

void FollowCalculations(TTuningAssistant& assistant, TForm1& mainWindow) {
    const auto take = [&assistant, &mainWindow] {
        const TCalculatedResults& results = mainWindow.Results();
        if (!results.Value(TuningValue::UnitsPerDegree)) return;  // nothing calculated yet
        assistant.TakeCalculation(results.Value(TuningValue::UnitsPerDegree), results.Value(TuningValue::Ratio));
    };
    take();
    QObject::connect(&mainWindow, &TForm1::Calculated, &assistant, take);
}

QString TTuningAssistant::ControllerText() const { return sMemoLines->toPlainText(); }

void TTuningAssistant::Recalculate() {
    AxisSetup setup;
    std::u16string refused;  // a field's text that is no number
    const auto read = [&refused](const TAdvEdit& field, const std::optional<Extended>& exact, const QString& exactText) {
        if (exact && field.Text() == exactText) return exact;
        try {
            return ReadField(field);
        } catch (const EConvertError& error) {
            if (refused.empty()) refused = WithFullStop(std::u16string(error.what(), error.what() + std::strlen(error.what())));
            return std::optional<Extended>();
        }
    };
    const std::optional<Extended> units = read(*edUnits, exactUnits_, exactUnitsText_);
    setup.ratio = read(*edRatio, exactRatio_, exactRatioText_);
    setup.radius = read(*edRadius, {}, {});
    setup.pulseRate = read(*edRate, {}, {});
    setup.wantedSpeed = read(*edSpeed, {}, {});
    setup.commanded = read(*edCommanded, {}, {}).value_or(Extended(360));
    setup.measured = read(*edMeasured, {}, {});
    setup.units = units.value_or(Extended(0));
    report_ = BuildAssistantReport(setup, std::vector<Controller>(kControllers.begin(), kControllers.end()));
    if (!units) {
        const std::u16string ask = refused.empty()
                                       ? WithFullStop(u"Type the units per degree, or click \u201CCalculate\u201D in the main window")
                                       : refused;
        for (FigureSection* section : {&report_.figures.resolution, &report_.figures.speed, &report_.figures.calibration})
            section->message = ask;
    } else if (!refused.empty()) {
        report_.figures.speed.lines.clear();
        report_.figures.calibration.lines.clear();
        report_.figures.resolution.message = report_.figures.speed.message = report_.figures.calibration.message = refused;
    }
    ShowSection(report_.figures.resolution, 0);
    ShowSection(report_.figures.speed, 2);
    ShowSection(report_.figures.calibration, 4);
    ShowControllerLines();
}

void TTuningAssistant::ShowSection(const FigureSection& section, size_t firstLine) {
    std::vector<std::u16string> shown = section.lines;
    if (!section.message.empty()) shown.push_back(section.message);
    for (size_t i = 0; i < 2; ++i) FigureLines[firstLine + i]->SetCaption(i < shown.size() ? Q(shown[i]) : QString());
}

void TTuningAssistant::ShowControllerLines() {
    QStringList text;
    for (const ControllerBlock& block : report_.controllers) {
        if (!text.isEmpty()) text.append(QString());
        text.append(Q(block.title));
        for (const auto& line : block.lines) text.append(Q(line));
        for (const auto& note : block.notes) text.append(QStringLiteral("  ") + Q(note));
        if (!block.message.empty()) text.append(Q(block.message));
    }
    if (!report_.rounded.title.empty()) {
        text.append(QString());
        text.append(Q(report_.rounded.title));
        for (const auto& line : report_.rounded.lines) text.append(QStringLiteral("  ") + Q(line));
    }
    if (text.isEmpty()) text.append(Q(report_.figures.resolution.message));
    const QString joined = text.join(u'\n');
    if (sMemoLines->toPlainText() == joined) return;
    // New figures keep the list where the user scrolled it.
    const int scrolled = sMemoLines->verticalScrollBar()->value();
    sMemoLines->setPlainText(joined);
    sMemoLines->verticalScrollBar()->setValue(scrolled);
}

void TTuningAssistant::OpenLinesMenu(const QPoint& globalPos) {
    QMenu menu;
    NameMenu(menu, QStringLiteral("Controller lines"));
    QAction* all = menu.addAction(QStringLiteral("Copy &all lines"));
    all->setObjectName(QStringLiteral("copy-all-lines"));
    connect(all, &QAction::triggered, this, [this] { platform::PutTextOnClipboard(ControllerText()); });
    for (const ControllerBlock& block : report_.controllers) {
        if (block.lines.empty()) continue;
        menu.addSeparator();
        QStringList lines;
        for (const auto& line : block.lines) lines.append(Q(line));
        QAction* whole = menu.addAction(QStringLiteral("Copy the lines for ") + Q(block.title).replace(u'&', QStringLiteral("&&")));
        whole->setObjectName(QStringLiteral("copy-") + QString::fromLatin1(ControllerName(block.controller)));
        connect(whole, &QAction::triggered, this, [lines] { platform::PutTextOnClipboard(lines.join(u'\n')); });
        for (const QString& line : lines) {
            QAction* one = menu.addAction(QStringLiteral("    ") + QString(line).replace(u'&', QStringLiteral("&&")));
            one->setObjectName(QStringLiteral("copy-line"));
            connect(one, &QAction::triggered, this, [line] { platform::PutTextOnClipboard(line); });
        }
    }
    menu.exec(globalPos);
}

void TTuningAssistant::keyPressEvent(QKeyEvent* event) {
    // A tool window: Escape closes it, as its Close button does.
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace tornivex

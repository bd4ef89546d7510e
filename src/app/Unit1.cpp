#include "Unit1.h"

#include "FieldDesigns.h"
#include "FieldResultLines.h"
#include "Fonts.h"
#include "InternalSkins.h"
#include "MakerInfo.h"
#include "ResultCopy.h"
#include "TApplication.h"
#include "TuningAssistant.h"
#include "TuningCalculation.h"
#include "Unit2.h"
#include "sSkinManager.h"
#include "sSkinProvider.h"

namespace tornivex {
namespace {

using platform::InterfaceFont;
using platform::TLabel;

struct LabelDesign {
    QRect bounds;
    QString caption;
    int fontPixels;
    bool bold;
    TColor color;
    bool autoWidth;
};

TLabel* MakeLabel(QWidget* parent, const char* name, const LabelDesign& design) {
    auto* label = new TLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->SetAutoSize(false);
    label->setFont(InterfaceFont(design.fontPixels, design.bold));
    label->SetFontColor(design.color);
    label->setGeometry(design.bounds);
    label->SetCaption(design.caption);
    label->SetAutoSize(design.autoWidth);
    return label;
}

// Creates a field at its designed place.
TAdvEdit* MakeField(QWidget* parent, const TFieldDesign& design) {
    auto* field = new TAdvEdit(parent);
    field->setObjectName(QString::fromLatin1(design.Name));
    field->setGeometry(design.Left, design.Top, design.Width, design.Height);
    return field;
}

// Loads a field as the window stores it: stored properties in stored order, then the end of loading.
void LoadField(TAdvEdit* field, const TFieldDesign& design) {
    ApplyStoredProperties(
        *field, design, [](const char16_t* text) { return QString::fromUtf16(text); },
        [field](const QString& text) { field->SetText(text); });
    field->SetEditAlign(eaCenter);
    field->Loaded();
}

}  // namespace

TForm1* Form1 = nullptr;

TForm1::TForm1(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("4th Axis Tornivex"));
    // Fixed dialog frame: a title and Close, nothing to resize, minimise or maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(ClientWidth, ClientHeight);
    setFont(InterfaceFont(11));
    setAutoFillBackground(true);

    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("Client"));
    client_->setGeometry(0, 0, ClientWidth, ClientHeight);

    CreateControls();
    sSkinProvider1 = new TsSkinProvider(this);
    sSkinProvider1->setObjectName(QStringLiteral("sSkinProvider1"));
    CreateSkinManager();
    WireEvents();
    resultCopy_ = new TResultCopy(*this, results_);
    resultCopy_->OnAssistant = [this] { platform::RunGuarded([this] { OpenAssistant(); }); };
    // The window has finished loading: the manager applies its skin to every form now.
    sSkinManager1->Loaded();
}

TForm1::~TForm1() {
    // The manager takes its skin off every form as it goes: let it do so while this window and
    // its controls are still whole, not while the base destructor is deleting them.
    delete sSkinManager1;
    sSkinManager1 = nullptr;
}

void TForm1::CreateControls() {
    constexpr TColor text = clWindowText;
    constexpr TColor black = clBlack;
    QWidget* c = client_;
    Label8 = MakeLabel(c, "Label8", {{8, 8, 37, 16}, "With a", 13, false, text, true});
    Label2 = MakeLabel(c, "Label2", {{100, 8, 83, 16}, "Stepper motor", 13, false, text, true});
    Label1 = MakeLabel(c, "Label1", {{188, 8, 0, 16}, {}, 13, false, text, true});
    Label3 = MakeLabel(c, "Label3", {{8, 35, 42, 16}, "Using a", 13, false, text, true});
    Label7 = MakeLabel(c, "Label7", {{100, 35, 92, 16}, "micro step drive", 13, false, text, true});
    Label4 = MakeLabel(c, "Label4", {{198, 35, 0, 16}, {}, 13, false, text, true});
    Label11 = MakeLabel(c, "Label11",
                        {{8, 66, 118, 16}, "Using a 4th axis with", 13, false, black, true});
    Label11->SetBackgroundColor(clBtnFace);
    Label9 = MakeLabel(c, "Label9", {{189, 60, 7, 23}, ":", 19, true, black, true});
    Label10 = MakeLabel(c, "Label10", {{258, 66, 0, 16}, "Ratio", 13, false, text, true});
    Label12 = MakeLabel(c, "Label12", {{8, 95, 0, 16}, {}, 13, false, text, true});
    Label13 = MakeLabel(c, "Label13", {{8, 121, 0, 18}, {}, 15, false, clBlue, true});

    CreateFields();

    sButton1 = new TsButton(c);
    sButton1->setObjectName(QStringLiteral("sButton1"));
    sButton1->setText(QStringLiteral("Calculate"));
    sButton1->setGeometry(8, 145, 137, 25);
    sButton2 = new TsButton(c);
    sButton2->setObjectName(QStringLiteral("sButton2"));
    sButton2->setText(QStringLiteral("About"));
    sButton2->setGeometry(151, 145, 56, 25);

    sWebLabel1 = new TsWebLabel(c);
    sWebLabel1->setObjectName(QStringLiteral("sWebLabel1"));
    sWebLabel1->setGeometry(243, 151, 0, 14);
    sWebLabel1->SetFont(InterfaceFont(12), text);
    sWebLabel1->SetHoverFont(InterfaceFont(13), text);
    sWebLabel1->SetCaption(QStringLiteral("With compliments of ") + kMakerAddress +
                           QStringLiteral("  "));
    sWebLabel1->SetURL(kMakerURL);

    setTabOrder(degED1, edMicro);
    setTabOrder(edMicro, edR2);
    setTabOrder(edR2, edR1);
    setTabOrder(edR1, sButton1);
    setTabOrder(sButton1, sButton2);
}

void TForm1::CreateFields() {
    // Creation order is tab order; the right-hand ratio field comes before the left-hand one.
    degED1 = MakeField(client_, degED1Design);
    edMicro = MakeField(client_, edMicroDesign);
    edR2 = MakeField(client_, edR2Design);
    edR1 = MakeField(client_, edR1Design);
    LoadField(degED1, degED1Design);
    LoadField(edMicro, edMicroDesign);
    LoadField(edR1, edR1Design);
    LoadField(edR2, edR2Design);
    degED1->setAccessibleName(QStringLiteral("Motor step angle in degrees"));
    edMicro->setAccessibleName(QStringLiteral("Micro-step division of the drive"));
    edR1->setAccessibleName(QStringLiteral("Gear ratio: motor turns"));
    edR2->setAccessibleName(QStringLiteral("Gear ratio: axis turns"));
}

void TForm1::CreateSkinManager() {
    sSkinManager1 = new TsSkinManager(this);
    sSkinManager1->setObjectName(QStringLiteral("sSkinManager1"));
    sSkinManager1->BeginLoading();
    AddInternalSkins(sSkinManager1->InternalSkins());
    // Only the platform's push button is named for the child adapter; every other list is blank.
    for (QStringList& list : sSkinManager1->ThirdParty.Lists) list = QStringList{QStringLiteral(" ")};
    sSkinManager1->ThirdParty.ThirdButtons() = QStringList{QStringLiteral("TButton")};
    // External skins come from the manager's default folder, "skins" in the user's data folder.
    // Setting the name loads the skin at once; a failure shows its own box and keeps the
    // window usable without a skin.
    sSkinManager1->SetSkinName(QStringLiteral("Aluminium (internal)"));
}

void TForm1::WireEvents() {
    connect(sButton1, &QPushButton::clicked, this,
            [this] { platform::RunGuarded([this] { sButton1Click(); }); });
    connect(sButton2, &QPushButton::clicked, this,
            [this] { platform::RunGuarded([this] { sButton2Click(); }); });
}

void TForm1::sButton1Click() {
    FieldTuningInputs inputs(*degED1, *edMicro, *edR1, *edR2);
    results_.Clear();
    RecordedResultLines lines({Label1, Label4, Label10, Label12, Label13}, results_);
    RunTuningCalculation(inputs, lines);
    Q_EMIT Calculated();
}

void TForm1::OpenAssistant() {
    if (TTuningAssistant* assistant = assistant_ ? assistant_() : nullptr) assistant->Open();
}

void TForm1::sButton2Click() {
    if (TForm2* about = aboutDialog_ ? aboutDialog_() : nullptr) about->ShowModal();
}

}  // namespace tornivex

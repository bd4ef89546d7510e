#include "Unit2.h"

#include <QKeyEvent>
#include <QShowEvent>

#include "AboutNotice.h"
#include "Fonts.h"
#include "MakerInfo.h"
#include "WindowPlacement.h"

namespace tornivex {

using platform::InterfaceFont;

TForm2::TForm2(QWidget* mainWindow) : QDialog(mainWindow), mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("About"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(ClientWidth, ClientHeight);
    setFont(InterfaceFont(11));
    setModal(true);
    setSizeGripEnabled(false);

    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("Client"));
    client_->setGeometry(0, 0, ClientWidth, ClientHeight);

    sButton1 = new TsButton(client_);
    sButton1->setObjectName(QStringLiteral("sButton1"));
    sButton1->setText(QStringLiteral("Close"));
    sButton1->setGeometry(83, 111, 75, 25);
    connect(sButton1, &QPushButton::clicked, this, &QDialog::accept);  // modal result OK

    sMemo1 = new TsMemo(client_);
    sMemo1->setObjectName(QStringLiteral("sMemo1"));
    sMemo1->setGeometry(4, 5, 233, 67);
    sMemo1->setFont(InterfaceFont(11));
    QPalette memoColors = sMemo1->palette();
    memoColors.setColor(QPalette::Base, Qt::white);
    memoColors.setColor(QPalette::Text, Qt::black);
    sMemo1->setPalette(memoColors);
    sMemo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    sMemo1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    sMemo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    sMemo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sMemo1->setTabChangesFocus(true);
    sMemo1->document()->setDocumentMargin(1);
    sMemo1->setPlainText(AboutNoticeLines().join(u'\n'));
    sMemo1->Loaded();

    sWebLabel1 = new TsWebLabel(client_);
    sWebLabel1->setObjectName(QStringLiteral("sWebLabel1"));
    sWebLabel1->setGeometry(64, 76, 0, 13);
    sWebLabel1->SetFont(InterfaceFont(11), clWindowText);
    sWebLabel1->SetHoverFont(InterfaceFont(11), clWindowText);
    sWebLabel1->SetCaption(kMakerAddress);
    sWebLabel1->SetURL(kMakerURL);

    Label2 = new platform::TLabel(client_);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(InterfaceFont(9));
    Label2->SetFontColor(clNavy);
    Label2->setGeometry(45, 94, 0, 11);
    Label2->SetCaption(kCopyrightLine);

    setTabOrder(sButton1, sMemo1);
    sButton1->setFocus();
}

TForm2::~TForm2() = default;

TForm2* Form2 = nullptr;

int TForm2::ShowModal() {
    if (mainWindow_) CenterOver(this, mainWindow_);
    return exec();
}

void TForm2::showEvent(QShowEvent* event) {
    // The skin may have changed the frame as the dialog is shown: centre it with its final size.
    if (mainWindow_ && !event->spontaneous()) CenterOver(this, mainWindow_);
    QDialog::showEvent(event);
}

void TForm2::keyPressEvent(QKeyEvent* event) {
    // No cancel button: Escape does not close the dialog.
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace tornivex

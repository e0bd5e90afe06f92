#include "FormAppendReplace.h"
#include "uFormFont.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>

TfrmAppendReplace *frmAppendReplace = nullptr;

namespace {
constexpr int kClientWidth = 304, kClientHeight = 122;
constexpr int kButtonTop = 80, kButtonWidth = 75, kButtonHeight = 25;
// The dialog's designed font size: Label1's question fills the fixed width at this size.
constexpr int kFontPixelSize = 11;
}  // namespace

TfrmAppendReplace::TfrmAppendReplace(QWidget *owner)
    // Only the close button in the title bar: no minimise, maximise or help.
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      Label2(new QLabel("File:", this)),
      Label1(new QLabel("Already exists, do you want to Append or Replace it", this)),
      btnAppend(new QPushButton("Append", this)),
      btnReplace(new QPushButton("Replace", this)),
      btnCancel(new QPushButton("Cancel", this))
{
    setObjectName("frmAppendReplace");
    setWindowTitle("Append or Replace?");
    setModal(true);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(FormFont(-kFontPixelSize));
    Label2->setObjectName("Label2");
    Label2->move(19, 24);
    Label2->adjustSize();
    Label1->setObjectName("Label1");
    Label1->move(16, 48);
    Label1->adjustSize();
    btnAppend->setObjectName("btnAppend");
    btnAppend->setGeometry(16, kButtonTop, kButtonWidth, kButtonHeight);
    btnReplace->setObjectName("btnReplace");
    btnReplace->setGeometry(112, kButtonTop, kButtonWidth, kButtonHeight);
    btnCancel->setObjectName("btnCancel");
    btnCancel->setGeometry(208, kButtonTop, kButtonWidth, kButtonHeight);
    connect(btnAppend, &QPushButton::clicked, this, [this] { btnAppendClick(); });
    connect(btnReplace, &QPushButton::clicked, this, [this] { btnReplaceClick(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancelClick(); });
}

void TfrmAppendReplace::SetFileName(const std::string &name)
{
    const std::string::size_type slash = name.rfind('/');
    const std::string fileName = slash == std::string::npos ? name : name.substr(slash + 1);
    Label2->setText(QString::fromStdString("File: " + fileName));
    Label2->adjustSize();
}

void TfrmAppendReplace::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TfrmAppendReplace::FormShow() { setWindowIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning)); }

void TfrmAppendReplace::btnAppendClick()
{
    FAppend = true;
    close();
}

void TfrmAppendReplace::btnReplaceClick()
{
    FReplace = true;
    close();
}

void TfrmAppendReplace::btnCancelClick() { close(); }

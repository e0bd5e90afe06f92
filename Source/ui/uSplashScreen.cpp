#include "uSplashScreen.h"

#include "Dialogs.h"
#include "ExecutableFolder.h"
#include "JpegDecoder.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

TfrmSplashScreen *frmSplashScreen = nullptr;

namespace {

struct Logo {
    const char *file;
    const char *maker;
    const char *credit;
};

// Two rows of three: the bitmaps above, the JPEG pictures below.
constexpr Logo kLogos[TfrmSplashScreen::PictureCount] = {
    {"IrrikaDrop.bmp", "Irrika design team", "Design and user interface"},
    {"IrrikaBasins.bmp", "Basin module team", "Pondix: basin irrigation"},
    {"IrrikaBorders.bmp", "Border module team", "Striva: border irrigation"},
    {"IrrikaFurrows.jpg", "Furrow module team", "Rillox: furrow irrigation"},
    {"IrrikaAdvance.jpg", "Hydraulics group", "Advance and recession engines"},
    {"IrrikaSoil.jpg", "Soil and water group", "Infiltration and field data"},
};

constexpr const char *kContactText =
    "IRRIKA - Surface Irrigation Software\n"
    "\n"
    "Pondix designs basin irrigation, Striva border irrigation and Rillox furrow irrigation.\n"
    "\n"
    "The program was made by the Irrika design team with its module teams, the hydraulics "
    "group and the soil and water group.\n"
    "\n"
    "For questions about the program, its calculations or its files, please contact the "
    "Irrika design team through the organisation that supplied your copy of the program.";

// Panel layout in pixels: three columns, two rows, inside the bevel.
constexpr int kPanelLeft = 20, kPanelWidth = 213, kPanelGap = 25;
constexpr int kPanelTop = 96, kPanelHeight = 142, kRowGap = 10;
constexpr int kPictureWidth = 160, kPictureHeight = 80;

QImage LoadPicture(const std::string &file)
{
    const std::string path = FindFileIgnoringCase(ExecutableFolder(), file);
    if (path.empty())
        return QImage();
    if (file.size() > 4 && file.compare(file.size() - 4, 4, ".jpg") == 0)
        return JpegDecoder::DecodeFile(path);
    return QImage(QString::fromStdString(path), "BMP");
}

QLabel *CentredLabel(QWidget *parent, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(geometry);
    return label;
}

}  // namespace

TfrmSplashScreen::TfrmSplashScreen(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      Bevel1(new QFrame(this)),
      lblSoftware(new QLabel(tr("Surface Irrigation Software"), this)),
      Button1(new QPushButton(tr("Details"), this)),
      Button2(new QPushButton(tr("Ok"), this))
{
    setObjectName("frmSplashScreen");
    Bevel1->setObjectName("Bevel1");
    lblSoftware->setObjectName("lblSoftware");
    Button1->setObjectName("Button1");
    Button2->setObjectName("Button2");
    setWindowTitle(tr("About IRRIKA"));
    setFixedSize(ClientWidth, ClientHeight);
    setSizeGripEnabled(false);

    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 713, 397);

    QFont titleFont = lblSoftware->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.8);
    lblSoftware->setFont(titleFont);
    lblSoftware->setAlignment(Qt::AlignCenter);
    lblSoftware->setGeometry(20, 20, 689, 36);
    CentredLabel(this, tr("IRRIKA  -  design of basin, border and furrow irrigation"), QRect(20, 58, 689, 20));
    auto *rule = new QFrame(this);
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    rule->setGeometry(20, 84, 689, 2);

    for (int index = 0; index < PictureCount; ++index)
        AddLogo(index);

    auto *madeBy = new QLabel(tr("Made by the Irrika design team"), this);
    madeBy->setGeometry(12, 415, 400, 25);
    madeBy->setEnabled(false);  // the muted colour of a note

    Button1->setGeometry(543, 415, 85, 25);
    Button2->setGeometry(636, 415, 85, 25);
    Button2->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TfrmSplashScreen::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TfrmSplashScreen::Button2Click);
}

void TfrmSplashScreen::AddLogo(int index)
{
    const Logo &logo = kLogos[index];
    auto *panel = new QFrame(this);
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    panel->setBackgroundRole(QPalette::Base);
    panel->setAutoFillBackground(true);
    panel->setGeometry(kPanelLeft + (index % 3) * (kPanelWidth + kPanelGap),
                       kPanelTop + (index / 3) * (kPanelHeight + kRowGap), kPanelWidth, kPanelHeight);

    auto *picture = new QLabel(panel);
    picture->setGeometry((kPanelWidth - kPictureWidth) / 2, 10, kPictureWidth, kPictureHeight);
    picture->setAlignment(Qt::AlignCenter);
    const QImage image = LoadPicture(logo.file);
    if (!image.isNull())
        picture->setPixmap(QPixmap::fromImage(image));
    pictures_[static_cast<std::size_t>(index)] = picture;

    QLabel *maker = CentredLabel(panel, tr(logo.maker), QRect(4, 96, kPanelWidth - 8, 18));
    QFont bold = maker->font();
    bold.setBold(true);
    maker->setFont(bold);
    CentredLabel(panel, tr(logo.credit), QRect(4, 116, kPanelWidth - 8, 18));
}

std::string TfrmSplashScreen::PictureFile(int index) { return kLogos[index].file; }

void TfrmSplashScreen::Button1Click() { ShowInformation(kContactText); }

void TfrmSplashScreen::Button2Click() { accept(); }

void TfrmSplashScreen::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Centred on the screen, not over the launcher, at every showing.
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->geometry();
        const QSize frame = frameGeometry().size();
        move(area.x() + (area.width() - frame.width()) / 2, area.y() + (area.height() - frame.height()) / 2);
    }
}

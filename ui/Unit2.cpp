#include "Unit2.h"

#include "AboutText.h"
#include "Assets.h"
#include "DxButton.h"
#include "Fonts.h"
#include "FramePlacement.h"
#include "Labels.h"
#include "PictureControl.h"
#include "Placement.h"
#include "Pictures.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QUrl>

#include <algorithm>

namespace quorvel::ui {
namespace {

const QColor DialogColour(0x3E, 0x37, 0x53);
const QColor LinkColour(0xFF, 0xFF, 0x00);
constexpr int CreditsWidth = 183;
constexpr QSize ClientSize(341, 380);

// A label that runs a handler when clicked, shown as a link: yellow, with the
// pointing hand.
class LinkLabel final : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(QWidget* parent) : QLabel(parent) { setCursor(Qt::PointingHandCursor); }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            emit clicked();
    }
};

} // namespace

TAboutBox::TAboutBox(const Pictures& pictures, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("AboutBox"));
    // No caption; an empty title would make the desktop show the program's name.
    setWindowTitle(QStringLiteral(" "));
    resize(ClientSize);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, DialogColour);
    palette.setColor(QPalette::WindowText, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);
    const QFont text = gameFont(AboutTextPixels);
    setFont(text);

    placeLabel(new QLabel(this), "Label3", {24, 24}, gameFont(WindowTextPixels), QString::fromLatin1(NameAndVersion));
    auto* Image1 = new PictureControl(pictures.side(AboutSpherePicture), this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(232, 16, 65, 65);
    QLabel* Label1 = placeLabel(new QLabel(this), "Label1", {24, 48}, text, tr(Credits));
    // The game's own credits line fits its place in every language; a
    // packager's longer one breaks onto a second line rather than running up
    // to the sphere.
    if (Label1->width() > CreditsWidth) {
        Label1->setWordWrap(true);
        Label1->resize(CreditsWidth, Label1->heightForWidth(CreditsWidth));
    }
    placeLabel(new QLabel(this), "Label2", {24, 88}, text, tr("Controls:"));
    QLabel* const keyLines[] = {
        placeLabel(new QLabel(this), "Label6", {24, 120}, text,
                   //: The runs of spaces line the four key lines up in columns.
                   tr("Left      -  Left Arrow Key       or       keypad Key 4")),
        placeLabel(new QLabel(this), "Label7", {24, 144}, text, tr("Right    -  Right Arrow Key     or       keypad Key 6")),
        placeLabel(new QLabel(this), "Label8", {24, 168}, text, tr("Rotate  -  Down Arrow Key     or      keypad Key 5")),
        placeLabel(new QLabel(this), "Label9", {24, 192}, text, tr("Up        -  Up Arrow Key         or      Space bar"))};
    // The spaces line the columns up from where each line begins: at the
    // left, or in a language read right to left at the right, where the key
    // lines, all as wide as the widest, end together.
    int widest = 0;
    for (const QLabel* line : keyLines)
        widest = std::max(widest, line->width());
    for (QLabel* line : keyLines)
        line->resize(widest, line->height());
    auto* web = new LinkLabel(this);
    Label4 = placeLabel(web, "Label4", {32, 256}, text, QStringLiteral(QUORVEL_WEB_ADDRESS));
    connect(web, &LinkLabel::clicked, this, &TAboutBox::Label4Click);
    auto* mail = new LinkLabel(this);
    Label5 = placeLabel(mail, "Label5", {32, 280}, text, QStringLiteral(QUORVEL_MAIL_ADDRESS));
    connect(mail, &LinkLabel::clicked, this, &TAboutBox::Label5Click);
    for (QLabel* link : {Label4, Label5}) {
        QPalette linkPalette = link->palette();
        linkPalette.setColor(QPalette::WindowText, LinkColour);
        link->setPalette(linkPalette);
    }
    dxButton1 = new DxButton(tr("OK"), this);
    dxButton1->setObjectName(QStringLiteral("dxButton1"));
    dxButton1->setGeometry(128, 320, 89, 25);
    dxButton1->setFont(text);
    QPalette buttonPalette = dxButton1->palette();
    buttonPalette.setColor(QPalette::ButtonText, Qt::black);
    dxButton1->setPalette(buttonPalette);
    dxButton1->setDefault(true);
    connect(dxButton1, &QPushButton::clicked, this, &QDialog::accept);
    // Centred over the main window the first time; after that it opens where
    // the player last left it.
    placement_ = new FramePlacement(*this, [this](const QMargins& frame) {
        return centredOver(size(), frame, parentWidget()->frameGeometry());
    });
}

void TAboutBox::setVisible(bool visible)
{
    if (!placement_->holdsShowing(visible))
        QDialog::setVisible(visible);
}

void TAboutBox::Label4Click()
{
    QDesktopServices::openUrl(QUrl(Label4->text()));
}

void TAboutBox::Label5Click()
{
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + Label5->text()));
}

void TAboutBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    placement_->placeFirstTime();
    dxButton1->setFocus();
}

// The box closes by its "OK", Enter and the title bar's close button only;
// Escape, which a dialog takes for Cancel, is a key like any other.
void TAboutBox::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Cancel)) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace quorvel::ui

#include "Unit2.moc"

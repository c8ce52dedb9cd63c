// The main window's controls, each at the place, size, text and colour the
// game's layout gives it, on the client area below the menu bar.
#include "Assets.h"
#include "ClientArea.h"
#include "DxButton.h"
#include "Fonts.h"
#include "Geometry.h"
#include "Labels.h"
#include "LevelNames.h"
#include "NameValidator.h"
#include "OverlayPanel.h"
#include "PictureControl.h"
#include "RadioGroup.h"
#include "Unit1.h"
#include "Well.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

namespace quorvel::ui {
namespace {

const QColor WindowColour(0x74, 0x72, 0x7E);
const QColor PanelColour(0xD1, 0xDD, 0xFC);
const QColor NamePanelColour(0xFE, 0xFE, 0xC2);

constexpr int NameLength = 12;
// A long name read from the file is cut at the level column rather than
// written over it.
constexpr int NameColumnWidth = 124;

template <typename Widget>
Widget* place(Widget* widget, const char* objectName, const QRect& geometry)
{
    widget->setObjectName(QLatin1String(objectName));
    widget->setGeometry(geometry);
    return widget;
}

QLabel* makeLabel(QWidget* parent, const char* objectName, const QString& text, QPoint at, bool bold = false)
{
    return placeLabel(new QLabel(parent), objectName, at, gameFont(WindowTextPixels, bold), text);
}

template <typename Panel = QFrame>
Panel* makePanel(QWidget* parent, const char* objectName, const QRect& geometry, const QColor& colour, QFrame::Shadow bevel)
{
    auto* panel = place(new Panel(parent), objectName, geometry);
    panel->setFrameStyle(QFrame::Panel | bevel);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(palette);
    panel->setAutoFillBackground(true);
    return panel;
}

} // namespace

void TForm1::createControls()
{
    setWindowTitle(QStringLiteral("Quorvel"));
    setFont(gameFont(WindowTextPixels));
    client = new ClientArea(pictures_, this);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, WindowColour);
    client->setPalette(palette);
    setCentralWidget(client);
    well = new Well(pictures_, client);
    createMenu();
    createSideColumn();
    createOptionsPanel();
    createScorePanel();
    createNamePanel();
    // At a fractional scale a panel's edge falls inside a row of device
    // pixels that the repaint of what the panel uncovers leaves out, and the
    // well may have changed under it: the well repaints whole.
    for (const OverlayPanel* panel : client->findChildren<OverlayPanel*>(Qt::FindDirectChildrenOnly))
        connect(panel, &OverlayPanel::hidden, well, qOverload<>(&QWidget::update));
    resize(ClientSize.width(), ClientSize.height() + menuBar()->sizeHint().height());
    client->resize(ClientSize);
}

void TForm1::createMenu()
{
    QMenuBar* MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    const auto add = [&](const char* objectName, const QString& caption, void (TForm1::*handler)()) {
        QAction* item = MainMenu1->addAction(caption);
        item->setObjectName(QLatin1String(objectName));
        connect(item, &QAction::triggered, this, handler);
    };
    add("NewGame1", tr("New Game"), &TForm1::NewGame1Click);
    add("Options1", tr("Options"), &TForm1::Options1Click);
    add("HighScores1", tr("High Scores"), &TForm1::HighScores1Click);
    add("About1", tr("Help/About"), &TForm1::About1Click);
}

void TForm1::createSideColumn()
{
    place(new PictureControl(pictures_, PlatePicture, client), "Image5", QRect(680, 232, 201, 49));
    place(new PictureControl(pictures_, PlatePicture, client), "Image6", QRect(680, 280, 201, 49));
    const auto button = [&](const char* objectName, const char* picture, const QRect& geometry, const QString& action,
                            const QString& keys, void (TForm1::*handler)()) {
        auto* image = place(new PictureButton(pictures_, picture, action, keys, client), objectName, geometry);
        connect(image, &QAbstractButton::clicked, this, handler);
    };
    button("Image1", LeftButtonPicture, QRect(680, 368, 57, 49), tr("Move left"),
                    tr("Left arrow or keypad 4"), &TForm1::Panel7Click);
    button("Image2", RightButtonPicture, QRect(744, 368, 57, 49), tr("Move right"),
                    tr("Right arrow or keypad 6"), &TForm1::Panel8Click);
    button("Image3", CycleButtonPicture, QRect(808, 368, 57, 49), tr("Rotate colours"),
                    tr("Down arrow or keypad 5"), &TForm1::ChangeClick);
    button("Image4", LaunchButtonPicture, QRect(680, 432, 105, 49), tr("Launch"),
                    tr("Up arrow or Space"), &TForm1::GoClick);
    QLabel* Label16 = makeLabel(client, "Label16", tr("Level:"), {704, 248}, true);
    blockslbl = makeLabel(client, "blockslbl", *LevelName(DefaultKindCount), {768, 248}, true);
    QLabel* Label2 = makeLabel(client, "Label2", tr("Score:"), {704, 296}, true);
    Label1 = makeLabel(client, "Label1", QStringLiteral("0"), {768, 296}, true);
    // Assistive technology reads each value with its caption.
    Label16->setBuddy(blockslbl);
    Label2->setBuddy(Label1);
}

void TForm1::createOptionsPanel()
{
    Panel1 = makePanel<OverlayPanel>(client, "Panel1", QRect(128, 120, 337, 337), PanelColour, QFrame::Raised);
    QFrame* Panel2 = makePanel(Panel1, "Panel2", QRect(24, 32, 137, 233), PanelColour, QFrame::Sunken);
    Blocksgroup = place(new RadioGroup(tr("Level"), levelNames(), Panel2), "Blocksgroup", QRect(24, 16, 89, 193));
    // The default difficulty shows until the saved one is applied.
    Blocksgroup->showItemIndex(DefaultKindCount - MinKindCount);
    connect(Blocksgroup, &RadioGroup::itemIndexChanged, this, &TForm1::BlocksgroupClick);
    auto* dxButton1 = place(new DxButton(tr("Ok"), Panel1), "dxButton1", QRect(128, 288, 81, 25));
    Panel1->setOkButton(dxButton1);
    connect(Panel1, &OverlayPanel::okClicked, this, &TForm1::dxButton1Click);
    QFrame* Panel5 = makePanel(Panel1, "Panel5", QRect(176, 32, 137, 233), PanelColour, QFrame::Sunken);
    backchoice = place(new RadioGroup(tr("Background"),
                                      {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                                       QStringLiteral("5")},
                                      Panel5),
                       "backchoice", QRect(24, 16, 89, 193));
    connect(backchoice, &RadioGroup::itemIndexChanged, this, &TForm1::backchoiceClick);
    setTabOrder(Blocksgroup, dxButton1);
    setTabOrder(dxButton1, backchoice);
    Panel1->hide();
}

void TForm1::createScorePanel()
{
    Scorepanel = makePanel<OverlayPanel>(client, "Scorepanel", QRect(56, 64, 489, 481), PanelColour, QFrame::Sunken);
    makeLabel(Scorepanel, "Label4", tr("High Scores"), {200, 24});
    QFrame* Panel6 = makePanel(Scorepanel, "Panel6", QRect(40, 56, 409, 353), PanelColour, QFrame::Sunken);
    static const char* const RankNames[] = {"Label5", "Label6",  "Label7",  "Label8",  "Label9",
                                            "Label10", "Label11", "Label12", "Label14", "Label15"};
    for (int k = 0; k < persist::ScoreLineCount; ++k) {
        const int top = 24 + 32 * k;
        const QByteArray line = QByteArray::number(k + 1);
        makeLabel(Panel6, RankNames[k], QString::number(k + 1), {16, top});
        name[k] = makeLabel(Panel6, ("name" + line).constData(), QString(), {56, top});
        name[k]->setMaximumWidth(NameColumnWidth);
        level[k] = makeLabel(Panel6, ("level" + line).constData(), QString(), {184, top});
        score[k] = makeLabel(Panel6, ("score" + line).constData(), QString(), {296, top});
    }
    auto* dxButton2 = place(new DxButton(tr("Ok"), Scorepanel), "dxButton2", QRect(200, 432, 89, 25));
    Scorepanel->setOkButton(dxButton2);
    connect(Scorepanel, &OverlayPanel::okClicked, this, &TForm1::dxButton2Click);
    Scorepanel->hide();
}

void TForm1::createNamePanel()
{
    overpanel = makePanel<OverlayPanel>(client, "overpanel", QRect(216, 224, 225, 177), NamePanelColour, QFrame::Raised);
    makeLabel(overpanel, "lblgameover", tr("Congratulations!"), {48, 16}, true);
    QLabel* Label13 = makeLabel(overpanel, "Label13", tr("Enter your name"), {56, 48});
    Playersname = place(new QLineEdit(overpanel), "Playersname", QRect(48, 80, 129, 24));
    Label13->setBuddy(Playersname);
    Playersname->setValidator(new NameValidator(NameLength, Playersname));
    auto* dxButton3 = place(new DxButton(tr("Ok"), overpanel), "dxButton3", QRect(72, 128, 81, 25));
    overpanel->setOkButton(dxButton3);
    connect(overpanel, &OverlayPanel::okClicked, this, &TForm1::dxButton3Click);
    // Enter in the name box presses "Ok", as in any desktop form.
    connect(Playersname, &QLineEdit::returnPressed, dxButton3, &QAbstractButton::click);
    setTabOrder(Playersname, dxButton3);
    overpanel->hide();
}

} // namespace quorvel::ui

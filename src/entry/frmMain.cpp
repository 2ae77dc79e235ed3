#include "frmMain.h"

#include "BirthData.h"
#include "app/AppInfo.h"
#include "app/ClickableLabel.h"
#include "app/Controls.h"
#include "app/Look.h"
#include "app/MessageBox.h"
#include "app/Twips.h"
#include "promotion/frmPromotion.h"
#include "psyche/modPlanetSign.h"
#include "result/SignDescriptions.h"
#include "result/frmDisplay.h"
#include "web/WebMenus.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <optional>

namespace {

// The character a key press types, as the name filter sees it; none for keys
// that type nothing (movement, deletion, focus and window keys).
std::optional<char32_t> typedCharacter(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (modifiers & (Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    switch (event->key()) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_Delete:
        return std::nullopt;
    default:
        break;
    }
    // Ctrl with a letter types a control character (Ctrl+V is 22).
    if ((modifiers & Qt::ControlModifier) && event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z)
        return static_cast<char32_t>(event->key() - Qt::Key_A + 1);
    const QString text = event->text();
    if (text.isEmpty())
        return std::nullopt;
    const char32_t code = text.toUcs4().value(0);
    return code == 127 ? std::nullopt : std::optional<char32_t>(code);
}

} // namespace

frmMain::frmMain() : Form(QStringLiteral("frmMain"), 7260, 5055)
{
    using namespace Controls;
    setWindowTitle(App::AppCaption);
    QWidget* area = client();
    Look::setColours(area, Look::Charcoal, Look::PaleLavender);

    const QFont plain = Look::verdana(8.25);
    const QFont bold = Look::verdana(8.25, true);
    const QFont bold9 = Look::verdana(9, true);

    QFrame* frame2 = frame(QStringLiteral("Frame2"), area, {0, 0, 7260, 615}, Look::PaleLavender);
    Label61 = link(QStringLiteral("Label61"), WebMenus::bannerText(), frame2, {120, 120, 7080, 435},
                   bold9, Look::DarkRed, Qt::AlignCenter);
    fill(Label61, Qt::white);

    QFrame* frame1 = frame(QStringLiteral("Frame1"), area, {0, 600, 7260, 3615}, Look::DarkPlum);
    label(QStringLiteral("Label3"),
          QStringLiteral("Starquill describes the placement of the asteroid Psyche in your birth "
                         "chart. This helps you know what you expect from your partner in a "
                         "relationship."),
          frame1, {120, 360, 6975, 615}, bold, Look::LightGreen, Qt::AlignHCenter | Qt::AlignTop,
          true);

    auto* picture1 = new QWidget(frame1);
    picture1->setObjectName(QStringLiteral("Picture1"));
    picture1->setGeometry(twipsRect(600, 1200, 6015, 1575));
    Look::setColours(picture1, Look::PaleLavender, Look::DarkPlum);
    // The text box and the lists inherit their bold font from here.
    picture1->setFont(bold);
    QLabel* label1 = label(QStringLiteral("Label1"), QStringLiteral("Name"), picture1,
                           {240, 330, 555, 195}, plain, Look::DarkPlum);
    txtName = textBox(QStringLiteral("txtName"), picture1, {1680, 240, 3735, 375}, bold, label1);
    Look::setColours(txtName, Look::DarkPlum, Look::PaleLavender);
    txtName->installEventFilter(this);
    label(QStringLiteral("Label2"), QStringLiteral("Date Of Birth"), picture1,
          {240, 1020, 1245, 195}, plain, Look::DarkPlum);
    QLabel* label5 = label(QStringLiteral("Label5"), QStringLiteral("Date"), picture1,
                           {1920, 720, 405, 195}, plain, Look::DarkPlum);
    cboDate = list(QStringLiteral("cboDate"), picture1, {1680, 960, 900, 315}, bold, label5);
    QLabel* label7 = label(QStringLiteral("Label7"), QStringLiteral("Month"), picture1,
                           {3240, 720, 510, 195}, plain, Look::DarkPlum);
    cboMonth = list(QStringLiteral("cboMonth"), picture1, {2760, 960, 1500, 315}, bold, label7);
    QLabel* label6 = label(QStringLiteral("Label6"), QStringLiteral("Year"), picture1,
                           {4680, 720, 390, 195}, plain, Look::DarkPlum);
    cboYear = list(QStringLiteral("cboYear"), picture1, {4440, 960, 1020, 315}, bold, label6);
    for (QComboBox* box : {cboDate, cboMonth, cboYear})
        Look::setColours(box, Look::DarkPlum, Look::PaleLavender);

    cmdNext = button(QStringLiteral("cmdNext"), QStringLiteral("Find My Zodiac &Psyche Sign"),
                     frame1, {600, 2880, 6015, 495}, bold9);
    connect(cmdNext, &QPushButton::clicked, this, &frmMain::cmdNext_Click);

    QFrame* frame5 =
        frame(QStringLiteral("Frame5"), area, {0, 4200, 7260, 855}, Look::PaleLavender);
    lblCobrand = link(QStringLiteral("lblCobrand"), WebMenus::coBrandText(), frame5,
                      {120, 120, 5985, 615}, plain, Look::DarkPlum);
    lblFullBrand = link(QStringLiteral("lblFullBrand"), WebMenus::fullBrandText(), frame5,
                        {120, 120, 5985, 615}, plain, Look::DarkPlum);
    // Both labels share one place; the one in front is seen and clicked.
    for (QLabel* promotion : {static_cast<QLabel*>(lblCobrand), static_cast<QLabel*>(lblFullBrand)})
        fill(promotion, Look::PaleLavender);
    WebMenus::connectLabels(Label61, lblCobrand, lblFullBrand);

    cmdExit = button(QStringLiteral("cmdExit"), QStringLiteral("&Exit"), frame5,
                     {6120, 240, 1020, 465}, bold);
    connect(cmdExit, &QPushButton::clicked, this, &Form::unload);
    setDefaultButton(cmdExit);
    setCancelButton(cmdExit);

    setTabOrder(txtName, cboDate);
    setTabOrder(cboDate, cboMonth);
    setTabOrder(cboMonth, cboYear);
    setTabOrder(cboYear, cmdNext);
    setTabOrder(cmdNext, cmdExit);

    buildMenus();
    fillLists();
    txtName->setFocus();
}

void frmMain::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    file->menuAction()->setObjectName(QStringLiteral("mnuFile"));
    QAction* find = file->addAction(QStringLiteral("Find My Zodiac  Psyche Sign"));
    find->setObjectName(QStringLiteral("mnuFindSexualitySign"));
    connect(find, &QAction::triggered, this, &frmMain::cmdNext_Click);
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &Form::unload);

    WebMenus::addWebMenus(menuBar(), {QStringLiteral("Check for Software &Update"),
                                      QStringLiteral("mnuHelp1"), QStringLiteral("mnuHelp2")});
}

void frmMain::fillLists()
{
    for (int day = 1; day <= 31; ++day)
        cboDate->addItem(QString::number(day));
    cboMonth->addItems({QStringLiteral("January"), QStringLiteral("February"),
                        QStringLiteral("March"), QStringLiteral("April"), QStringLiteral("May"),
                        QStringLiteral("June"), QStringLiteral("July"), QStringLiteral("August"),
                        QStringLiteral("September"), QStringLiteral("October"),
                        QStringLiteral("November"), QStringLiteral("December")});
    for (int year = 1940; year <= 1990; ++year)
        cboYear->addItem(QString::number(year));
    for (QComboBox* box : {cboDate, cboMonth, cboYear})
        box->setCurrentIndex(0);
}

bool frmMain::ValidateBirthData()
{
    const BirthData::Check result =
        BirthData::check(txtName->text(), cboDate->currentIndex(), cboMonth->currentIndex(),
                         cboYear->currentText().toInt());
    if (result == BirthData::Check::Ok)
        return true;
    MessageBox::information(BirthData::message(result));
    if (result == BirthData::Check::NameMissing)
        txtName->setFocus();
    return false;
}

void frmMain::cmdNext_Click()
{
    if (!ValidateBirthData())
        return;
    modPlanetSign::FindPsycheSign();
    // Filled before it is shown, so the user never sees the labels change.
    frmDisplay* display = Forms::get<frmDisplay>();
    display->showReading(modPlanetSign::PsycheSign, DescribeSign(modPlanetSign::PsycheSign));
    hide();
    frmPromotion::hideExitScreen();
    display->show();
}

void frmMain::unloading()
{
    // Leaving never ends the program by itself: the exit screen does.
    frmPromotion::showExitScreen();
}

bool frmMain::filterNameKey(char32_t code)
{
    const std::optional<char32_t> passed = BirthData::filterNameCharacter(code);
    if (!passed) {
        MessageBox::information(BirthData::OnlyLettersMessage);
        return true;
    }
    if (*passed != code) {
        txtName->insert(QString::fromUcs4(&*passed, 1));
        return true;
    }
    return false;
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != txtName)
        return Form::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const std::optional<char32_t> code = typedCharacter(static_cast<QKeyEvent*>(event));
        return code && filterNameKey(*code);
    }
    if (event->type() == QEvent::InputMethod) {
        // Text composed by an input method is typed too: filter it character by character.
        auto* input = static_cast<QInputMethodEvent*>(event);
        if (input->commitString().isEmpty())
            return false;
        bool refused = false;
        QString accepted;
        for (char32_t code : input->commitString().toUcs4()) {
            if (const std::optional<char32_t> passed = BirthData::filterNameCharacter(code))
                accepted += QString::fromUcs4(&*passed, 1);
            else
                refused = true;
        }
        txtName->insert(accepted);
        if (refused)
            MessageBox::information(BirthData::OnlyLettersMessage);
        return true;
    }
    return Form::eventFilter(watched, event);
}

namespace modPlanetSign {

void FindPsycheSign()
{
    const frmMain* window = Forms::get<frmMain>();
    storePsycheSign(window->cboYear->currentText(), window->cboMonth->currentText(),
                    window->cboDate->currentText());
}

} // namespace modPlanetSign

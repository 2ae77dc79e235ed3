// SPDX-License-Identifier: MIT
#include "EntryWindow.h"

#include "WebMenus.h"
#include "core/AppInfo.h"
#include "core/BirthData.h"
#include "core/Psyche.h"
#include "widgets/ClickableLabel.h"
#include "widgets/Controls.h"
#include "widgets/Look.h"
#include "widgets/MessageBox.h"
#include "widgets/Twips.h"

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

// Alt or Meta held makes a key a command, never typing: menu access keys
// act before the name box sees them, and the rest must not type there.
// AltGr, which some keyboards need for ordinary letters, is not Alt.
bool isCommandKey(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    return (modifiers & (Qt::AltModifier | Qt::MetaModifier)) &&
           !(modifiers & Qt::GroupSwitchModifier);
}

// True when a text box would insert the key's text: anything but the control
// characters of Return, Tab, Backspace and the like.
bool typesText(const QKeyEvent* event)
{
    const QString text = event->text();
    return !text.isEmpty() && text.at(0).category() != QChar::Other_Control;
}

} // namespace

EntryWindow::EntryWindow() : Form(QStringLiteral("frmMain"), 7260, 5055)
{
    using namespace Controls;
    setWindowTitle(AppInfo::caption());
    QWidget* area = client();
    Look::setColours(area, Look::Charcoal, Look::PaleLavender);

    const QFont plain = Look::verdana(8.25);
    const QFont bold = Look::verdana(8.25, true);
    const QFont bold9 = Look::verdana(9, true);

    QFrame* frame2 = frame(QStringLiteral("Frame2"), area, {0, 0, 7260, 615}, Look::PaleLavender);
    m_banner = link(QStringLiteral("Label61"), WebMenus::bannerText(), frame2,
                    {120, 120, 7080, 435}, bold9, Look::DarkRed, Qt::AlignCenter);
    fill(m_banner, Qt::white);

    QFrame* frame1 = frame(QStringLiteral("Frame1"), area, {0, 600, 7260, 3615}, Look::DarkPlum);
    label(QStringLiteral("Label3"),
          tr("Starquill describes the placement of the asteroid Psyche in your birth chart. This "
             "helps you know what you expect from your partner in a relationship."),
          frame1, {120, 360, 6975, 615}, bold, Look::LightGreen, Qt::AlignHCenter | Qt::AlignTop,
          true);

    auto* picture1 = new QWidget(frame1);
    picture1->setObjectName(QStringLiteral("Picture1"));
    picture1->setGeometry(twipsRect(600, 1200, 6015, 1575));
    Look::setColours(picture1, Look::PaleLavender, Look::DarkPlum);
    // The text box and the lists inherit their bold font from here.
    picture1->setFont(bold);
    // Wider than "Name" needs, into the blank before the text box, so that
    // the word fits in languages where it is longer ("Nombre").
    QLabel* label1 = label(QStringLiteral("Label1"), tr("Name"), picture1, {240, 330, 1140, 195},
                           plain, Look::DarkPlum);
    m_name = textBox(QStringLiteral("txtName"), picture1, {1680, 240, 3735, 375}, bold, label1);
    Look::setColours(m_name, Look::DarkPlum, Look::PaleLavender);
    m_name->installEventFilter(this);
    label(QStringLiteral("Label2"), tr("Date Of Birth"), picture1, {240, 1020, 1245, 195}, plain,
          Look::DarkPlum);
    QLabel* label5 = label(QStringLiteral("Label5"), tr("Date"), picture1, {1920, 720, 405, 195},
                           plain, Look::DarkPlum);
    m_day = list(QStringLiteral("cboDate"), picture1, {1680, 960, 900, 315}, bold, label5);
    QLabel* label7 = label(QStringLiteral("Label7"), tr("Month"), picture1, {3240, 720, 510, 195},
                           plain, Look::DarkPlum);
    m_month = list(QStringLiteral("cboMonth"), picture1, {2760, 960, 1500, 315}, bold, label7);
    QLabel* label6 = label(QStringLiteral("Label6"), tr("Year"), picture1, {4680, 720, 390, 195},
                           plain, Look::DarkPlum);
    m_year = list(QStringLiteral("cboYear"), picture1, {4440, 960, 1020, 315}, bold, label6);
    for (QComboBox* box : {m_day, m_month, m_year})
        Look::setColours(box, Look::DarkPlum, Look::PaleLavender);

    m_find = button(QStringLiteral("cmdNext"), tr("Find My Zodiac &Psyche Sign"), frame1,
                    {600, 2880, 6015, 495}, bold9);
    connect(m_find, &QPushButton::clicked, this, &EntryWindow::requestReading);

    QFrame* frame5 =
        frame(QStringLiteral("Frame5"), area, {0, 4200, 7260, 855}, Look::PaleLavender);
    m_coBrand = link(QStringLiteral("lblCobrand"), WebMenus::coBrandText(), frame5,
                     {120, 120, 5985, 615}, plain, Look::DarkPlum);
    m_fullBrand = link(QStringLiteral("lblFullBrand"), WebMenus::fullBrandText(), frame5,
                       {120, 120, 5985, 615}, plain, Look::DarkPlum);
    // Both labels share one place; the one in front is seen and clicked.
    for (QLabel* promotion : {static_cast<QLabel*>(m_coBrand), static_cast<QLabel*>(m_fullBrand)})
        fill(promotion, Look::PaleLavender);
    setFrontPromotion(Draws::Promotion::FullBrand);
    WebMenus::connectLabels(m_banner, m_coBrand, m_fullBrand);

    m_exit = button(QStringLiteral("cmdExit"), tr("&Exit"), frame5, {6120, 240, 1020, 465}, bold);
    connect(m_exit, &QPushButton::clicked, this, &Form::unload);
    setDefaultButton(m_exit);
    setCancelButton(m_exit);

    setTabOrder(m_name, m_day);
    setTabOrder(m_day, m_month);
    setTabOrder(m_month, m_year);
    setTabOrder(m_year, m_find);
    setTabOrder(m_find, m_exit);

    buildMenus();
    fillLists();
    m_name->setFocus();
}

void EntryWindow::setFrontPromotion(Draws::Promotion promotion)
{
    const bool fullBrand = promotion == Draws::Promotion::FullBrand;
    ClickableLabel* front = fullBrand ? m_fullBrand : m_coBrand;
    front->show();
    front->raise();
    // The label behind is hidden, not just covered, so that screen readers
    // do not announce a link nobody sees.
    (fullBrand ? m_coBrand : m_fullBrand)->hide();
}

void EntryWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    file->menuAction()->setObjectName(QStringLiteral("mnuFile"));
    QAction* find = file->addAction(tr("Find My Zodiac  Psyche Sign"));
    find->setObjectName(QStringLiteral("mnuFindSexualitySign"));
    connect(find, &QAction::triggered, this, &EntryWindow::requestReading);
    QAction* exit = file->addAction(tr("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &Form::unload);

    QAction* about =
        WebMenus::addWebMenus(menuBar(), {tr("Check for Software &Update"),
                                          QStringLiteral("mnuHelp1"), QStringLiteral("mnuHelp2")});
    connect(about, &QAction::triggered, this, &EntryWindow::aboutRequested);
}

void EntryWindow::fillLists()
{
    for (int day = 1; day <= 31; ++day)
        m_day->addItem(QString::number(day));
    for (int month = 1; month <= 12; ++month)
        m_month->addItem(BirthData::monthName(month));
    for (int year = Psyche::FirstYear; year <= Psyche::LastYear; ++year)
        m_year->addItem(QString::number(year));
    for (QComboBox* box : {m_day, m_month, m_year})
        box->setCurrentIndex(0);
}

void EntryWindow::requestReading()
{
    // The lists hold the days, months and years in order, so a date is read
    // from the chosen positions, whatever the lists show.
    const int day = m_day->currentIndex() + 1;
    const int month = m_month->currentIndex() + 1;
    const int year = m_year->currentIndex() + Psyche::FirstYear;
    const BirthData::Problem problem = BirthData::check(m_name->text(), year, month, day);
    if (problem != BirthData::Problem::None) {
        MessageBox::information(BirthData::message(problem));
        if (problem == BirthData::Problem::NameMissing)
            m_name->setFocus();
        return;
    }
    emit readingRequested(year, month, day);
}

bool EntryWindow::filterNameKey(char32_t code)
{
    const std::optional<char32_t> passed = BirthData::filterNameCharacter(code);
    if (!passed) {
        MessageBox::information(BirthData::onlyLettersMessage());
        return true;
    }
    if (*passed != code) {
        m_name->insert(QString::fromUcs4(&*passed, 1));
        return true;
    }
    return false;
}

bool EntryWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_name)
        return Form::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Refused without a word: a key that types text, left to the box,
        // would insert it. Keys that type nothing keep their meaning.
        if (isCommandKey(key))
            return typesText(key);
        const std::optional<char32_t> code = typedCharacter(key);
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
        m_name->insert(accepted);
        if (refused)
            MessageBox::information(BirthData::onlyLettersMessage());
        return true;
    }
    return Form::eventFilter(watched, event);
}

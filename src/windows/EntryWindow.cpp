// SPDX-License-Identifier: MIT
#include "EntryWindow.h"

#include "WebMenus.h"
#include "core/AppInfo.h"
#include "core/BirthData.h"
#include "core/Psyche.h"
#include "widgets/ClickableLabel.h"
#include "widgets/Layout.h"
#include "widgets/Look.h"
#include "widgets/MessageBox.h"

#include <QAction>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
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
        return BirthData::Backspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return BirthData::CarriageReturn;
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
    return code == BirthData::Delete ? std::nullopt : std::optional<char32_t>(code);
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
    using Layout::Kind;
    using Look::Font;
    setWindowTitle(AppInfo::caption());
    QWidget* area = client();
    Look::setColours(area, Look::Charcoal, Look::PaleLavender);
    const QColor none;
    // clang-format off
    Layout::build(area, "EntryWindow", {
        // kind          name            parent      left, top, width, height  font            ink                paper
        {Kind::Frame,    "Frame2",       nullptr,    {0, 0, 7260, 615},        Font::Text,     none,              Look::PaleLavender},
        {Kind::Link,     "Label61",      "Frame2",   {120, 120, 7080, 435},    Font::Heading,  Look::DarkRed,     Qt::white,
            nullptr, Qt::AlignCenter, true},
        {Kind::Frame,    "Frame1",       nullptr,    {0, 600, 7260, 3615},     Font::Text,     none,              Look::DarkPlum},
        {Kind::Label,    "Label3",       "Frame1",   {120, 360, 6975, 615},    Font::BoldText, Look::LightGreen,  none,
            QT_TRANSLATE_NOOP("EntryWindow", "Starquill describes the placement of the asteroid Psyche in your "
                                             "birth chart. This helps you know what you expect from your partner "
                                             "in a relationship."),
            Qt::AlignHCenter | Qt::AlignTop, true},
        // The name and date controls take their bold font from here.
        {Kind::Panel,    "Picture1",     "Frame1",   {600, 1200, 6015, 1575},  Font::BoldText, Look::DarkPlum,    Look::PaleLavender},
        // Wider than "Name" needs, into the blank before the text box, so that
        // the word fits in languages where it is longer ("Nombre").
        {Kind::Label,    "Label1",       "Picture1", {240, 330, 1140, 195},    Font::Text,     Look::DarkPlum,    none,
            QT_TRANSLATE_NOOP("EntryWindow", "Name")},
        {Kind::TextBox,  "txtName",      "Picture1", {1680, 240, 3735, 375},   Font::BoldText, Look::PaleLavender, Look::DarkPlum,
            nullptr, {}, false, "Label1"},
        {Kind::Label,    "Label2",       "Picture1", {240, 1020, 1245, 195},   Font::Text,     Look::DarkPlum,    none,
            QT_TRANSLATE_NOOP("EntryWindow", "Date Of Birth")},
        {Kind::Label,    "Label5",       "Picture1", {1920, 720, 405, 195},    Font::Text,     Look::DarkPlum,    none,
            QT_TRANSLATE_NOOP("EntryWindow", "Date")},
        {Kind::List,     "cboDate",      "Picture1", {1680, 960, 900, 315},    Font::BoldText, Look::PaleLavender, Look::DarkPlum,
            nullptr, {}, false, "Label5"},
        {Kind::Label,    "Label7",       "Picture1", {3240, 720, 510, 195},    Font::Text,     Look::DarkPlum,    none,
            QT_TRANSLATE_NOOP("EntryWindow", "Month")},
        {Kind::List,     "cboMonth",     "Picture1", {2760, 960, 1500, 315},   Font::BoldText, Look::PaleLavender, Look::DarkPlum,
            nullptr, {}, false, "Label7"},
        {Kind::Label,    "Label6",       "Picture1", {4680, 720, 390, 195},    Font::Text,     Look::DarkPlum,    none,
            QT_TRANSLATE_NOOP("EntryWindow", "Year")},
        {Kind::List,     "cboYear",      "Picture1", {4440, 960, 1020, 315},   Font::BoldText, Look::PaleLavender, Look::DarkPlum,
            nullptr, {}, false, "Label6"},
        {Kind::Button,   "cmdNext",      "Frame1",   {600, 2880, 6015, 495},   Font::Heading,  none,              none,
            QT_TRANSLATE_NOOP("EntryWindow", "Find My Zodiac &Psyche Sign")},
        {Kind::Frame,    "Frame5",       nullptr,    {0, 4200, 7260, 855},     Font::Text,     none,              Look::PaleLavender},
        // Both promotion labels share one place; the one in front is seen and clicked.
        {Kind::Link,     "lblCobrand",   "Frame5",   {120, 120, 5985, 615},    Font::Text,     Look::DarkPlum,    Look::PaleLavender,
            nullptr, {}, true},
        {Kind::Link,     "lblFullBrand", "Frame5",   {120, 120, 5985, 615},    Font::Text,     Look::DarkPlum,    Look::PaleLavender,
            nullptr, {}, true},
        {Kind::Button,   "cmdExit",      "Frame5",   {6120, 240, 1020, 465},   Font::BoldText, none,              none,
            QT_TRANSLATE_NOOP("EntryWindow", "&Exit")},
    });
    // clang-format on
    WebMenus::addLinks(area);
    m_name = Layout::find<QLineEdit>(area, "txtName");
    m_day = Layout::find<QComboBox>(area, "cboDate");
    m_month = Layout::find<QComboBox>(area, "cboMonth");
    m_year = Layout::find<QComboBox>(area, "cboYear");
    m_coBrand = Layout::find<ClickableLabel>(area, "lblCobrand");
    m_fullBrand = Layout::find<ClickableLabel>(area, "lblFullBrand");
    auto* find = Layout::find<QPushButton>(area, "cmdNext");
    auto* exit = Layout::find<QPushButton>(area, "cmdExit");

    m_name->installEventFilter(this);
    connect(find, &QPushButton::clicked, this, &EntryWindow::requestReading);
    setFrontPromotion(Draws::Promotion::FullBrand);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    setDefaultButton(exit);
    setCancelButton(exit);

    setTabOrder(m_name, m_day);
    setTabOrder(m_day, m_month);
    setTabOrder(m_month, m_year);
    setTabOrder(m_year, find);
    setTabOrder(find, exit);

    const WebMenus::WindowMenus menus = WebMenus::addMenus(
        menuBar(),
        {QStringLiteral("mnuFindSexualitySign"), tr("Find My Zodiac  Psyche Sign"),
         tr("Check for Software &Update"), QStringLiteral("mnuHelp1"), QStringLiteral("mnuHelp2")});
    connect(menus.first, &QAction::triggered, this, &EntryWindow::requestReading);
    connect(menus.exit, &QAction::triggered, this, &QWidget::close);
    connect(menus.about, &QAction::triggered, this, &EntryWindow::aboutRequested);
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

void EntryWindow::fillLists()
{
    // Each list filled at once rather than item by item, for which its model
    // announces every row alone (a few milliseconds of the page's start).
    QStringList days;
    for (int day = 1; day <= 31; ++day)
        days.append(QString::number(day));
    QStringList months;
    for (int month = 1; month <= 12; ++month)
        months.append(BirthData::monthName(month));
    QStringList years;
    for (int year = Psyche::FirstYear; year <= Psyche::LastYear; ++year)
        years.append(QString::number(year));
    m_day->addItems(days);
    m_month->addItems(months);
    m_year->addItems(years);
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
        // The focus moves once the message is answered (in a page the call
        // returns before that).
        QPointer<QLineEdit> name;
        if (problem == BirthData::Problem::NameMissing)
            name = m_name;
        MessageBox::information(BirthData::message(problem), [name] {
            if (name)
                name->setFocus();
        });
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
        // Text composed by an input method is typed too: filter it character
        // by character. The box still takes the event, filtered, so that what
        // it replaces (a word corrected) and what was being composed go.
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
        input->setCommitString(accepted, input->replacementStart(), input->replacementLength());
        if (refused)
            MessageBox::information(BirthData::onlyLettersMessage());
        return false;
    }
    return Form::eventFilter(watched, event);
}

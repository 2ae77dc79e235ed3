// The program's start-up as the fault tests observe it from outside: runs the
// real StartApplication (lock, update reminder, entry window) in a process of
// its own, with message boxes recorded instead of shown, and reports on
// standard output what a user would have seen:
//   start: running | refused
//   window: <name>         one line per visible window
//   message: <text>        one line per message box (its answer queued by --answer)
//   links: <n>             with --click-links: how many links it clicked
//   alive                  the process got to its end without crashing
// Options:
//   --at <ms since epoch>  wait until then before starting (two probes race)
//   --answer yes|no        the answer to the update question
//   --click-links          clicks every link of every window, with the browser
//                          the platform finds (or fails to find)
//   --hold                 after reporting, keep running until stdin closes
//   --end                  then end as a user does: the exit screen's Exit button
#include "app/Application.h"
#include "app/ClickableLabel.h"
#include "app/Form.h"
#include "app/MessageBox.h"
#include "entry/frmMain.h"
#include "promotion/frmPromotion.h"
#include "result/frmDisplay.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <cstdio>

#include <unistd.h>

namespace {

int s_links = 0;

void report(const QString& line)
{
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

void click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    ++s_links;
}

// Every visible link label of a window, and its menu items that open pages.
void clickLinksOf(QWidget* window)
{
    for (ClickableLabel* label : window->findChildren<ClickableLabel*>())
        if (label->isVisible())
            click(label);
    for (QAction* action : window->findChildren<QAction*>()) {
        static const QStringList webItems{QStringLiteral("mnuOnline"), QStringLiteral("mnuVisit"),
                                          QStringLiteral("mnuUpdate"), QStringLiteral("mnuDonate")};
        if (webItems.contains(action->objectName())) {
            action->trigger();
            ++s_links;
        }
    }
}

void clickAboutBoxLinks(QWidget* window)
{
    // The About box is modal: its links are clicked from inside its loop.
    QTimer::singleShot(0, [] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box)
            return;
        for (ClickableLabel* label : box->findChildren<ClickableLabel*>())
            click(label);
        box->close();
    });
    for (QAction* action : window->findChildren<QAction*>())
        if (action->objectName() == QLatin1String("mnuAbout"))
            action->trigger();
}

void clickEveryLink()
{
    frmMain* entry = Forms::get<frmMain>();
    clickLinksOf(entry);
    clickAboutBoxLinks(entry);
    entry->txtName->setText(QStringLiteral("MARY"));
    entry->cmdNext->click();
    frmDisplay* result = Forms::get<frmDisplay>();
    clickLinksOf(result);

    frmPromotion::showExitScreen();
    frmPromotion* exit = Forms::get<frmPromotion>();
    click(exit->Check1);
    click(exit->lblGoToHome);
    exit->txtName->setText(QStringLiteral("Mary"));
    exit->txtEmail->setText(QStringLiteral("mary@example.org"));
    exit->txtFriendName->setText(QStringLiteral("John"));
    exit->txtFriendEmail->setText(QStringLiteral("john@example.org"));
    exit->cmdSubmit->click();
    ++s_links;
    QCoreApplication::processEvents();
}

void reportState(bool running)
{
    report(running ? QStringLiteral("start: running") : QStringLiteral("start: refused"));
    for (Form* form : Form::loadedForms())
        if (form->isVisible())
            report(QStringLiteral("window: ") + form->objectName());
    for (const MessageBox::Shown& shown : MessageBox::takeShown())
        report(QStringLiteral("message: ") + QString(shown.text).replace(QLatin1Char('\r'), u' '));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The program's own name: its settings file and lock are the program's.
    QCoreApplication::setApplicationName(QStringLiteral("StarquillFree"));
    QApplication::setQuitOnLastWindowClosed(false);
    const QStringList args = QCoreApplication::arguments();
    const auto option = [&args](const char* name) {
        const qsizetype at = args.indexOf(QLatin1String(name));
        return at >= 0 && at + 1 < args.size() ? args.at(at + 1) : QString();
    };

    MessageBox::setTestMode(true);
    if (option("--answer") == QLatin1String("yes"))
        MessageBox::setNextAnswer(MessageBox::Answer::Yes);
    App::setExitHandler([] {});
    if (const qint64 at = option("--at").toLongLong(); at > 0)
        while (QDateTime::currentMSecsSinceEpoch() < at)
            QThread::usleep(200);

    const bool running = App::StartApplication();
    QCoreApplication::processEvents();
    reportState(running);
    if (running && args.contains(QLatin1String("--click-links"))) {
        clickEveryLink();
        report(QStringLiteral("links: %1").arg(s_links));
        for (const MessageBox::Shown& shown : MessageBox::takeShown())
            report(QStringLiteral("message: ") + shown.text);
    }
    if (running && args.contains(QLatin1String("--hold"))) {
        // Runs its event loop, holding the lock, until stdin closes.
        QSocketNotifier input(0, QSocketNotifier::Read);
        QObject::connect(&input, &QSocketNotifier::activated, [&input] {
            char buffer[64];
            if (::read(0, buffer, sizeof buffer) <= 0) {
                input.setEnabled(false);
                QCoreApplication::exit(0);
            }
        });
        QApplication::exec();
    }
    if (running && args.contains(QLatin1String("--end"))) {
        // The program's own end: its event loop stops once the windows are unloaded.
        App::setExitHandler([] { QCoreApplication::exit(0); });
        QTimer::singleShot(0, [] {
            frmPromotion::showExitScreen();
            Forms::get<frmPromotion>()->cmdClose->click();
        });
        QApplication::exec();
        if (!App::hasEnded())
            return 1;
    }
    report(QStringLiteral("alive"));
    qDeleteAll(Form::loadedForms());
    return 0;
}

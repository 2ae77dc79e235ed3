#include "TestSupport.h"

#include "app/Application.h"
#include "app/Form.h"
#include "app/MessageBox.h"
#include "app/Settings.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace TestSupport {
namespace {

int s_exitRequests = 0;
QtMessageHandler s_previousHandler = nullptr;

// The offscreen platform reports every window operation it cannot perform;
// those say nothing about the program.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (s_previousHandler)
        s_previousHandler(type, context, message);
}

class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls.append(url); }
};

UrlRecorder& recorder()
{
    static UrlRecorder instance;
    return instance;
}

} // namespace

void isolate()
{
    s_previousHandler = qInstallMessageHandler(quietHandler);
    QStandardPaths::setTestModeEnabled(true);
    MessageBox::setTestMode(true);
    static QTemporaryDir lockFolder;
    App::lockPath() = lockFolder.path() + QStringLiteral("/StarquillFree.lock");
    App::setExitHandler([] { ++s_exitRequests; });
    for (const char* scheme : {"http", "https"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &recorder(), "open");
    clearSettings();
}

void reset()
{
    // Unload quietly: the exit screen's unload would end the program.
    for (Form* form : Form::loadedForms())
        delete form;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    App::resetEnded();
    s_exitRequests = 0;
    MessageBox::setTestMode(true);
    recorder().urls.clear();
}

int exitRequests()
{
    return s_exitRequests;
}

QList<QUrl> takeOpenedUrls()
{
    return std::exchange(recorder().urls, {});
}

void clearSettings()
{
    QFile::remove(Settings::location());
}

} // namespace TestSupport

#include "TestSupport.moc"

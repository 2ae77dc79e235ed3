// SPDX-License-Identifier: MIT
// Each window as a screen reader hears it: the tree of roles, names, values
// and entries that the page mirrors, against what the windows are meant to
// show. Offscreen; nothing blocks, opens a browser or ends the test.
#include "WindowCase.h"
#include "widgets/AccessibleTree.h"

#include <QFile>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTimer>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

using namespace WindowCase;

const QString Markup = u"<b>x</b><img src=x onerror=alert(1)>"_s;

// The tree's lines without the focus, which depends on whether the platform
// activated the window; the focus has a test of its own.
QStringList heard(QWidget* w)
{
    QStringList lines = AccessibleTree::describe(AccessibleTree::of(w));
    lines.replaceInStrings(u" focused"_s, QString());
    return lines;
}

// An expected line matches when equal, a "*" standing for any text.
bool matches(const QString& expected, const QString& line)
{
    const QString pattern = QRegularExpression::escape(expected).replace(u"\\*"_s, u".*"_s);
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(line).hasMatch();
}

// The line that is not as expected and what came instead; none when all are.
QString firstDifference(const QStringList& expected, const QStringList& lines)
{
    for (qsizetype i = 0; i < std::max(expected.size(), lines.size()); ++i)
        if (!matches(expected.value(i, u"(end)"_s), lines.value(i, u"(end)"_s)))
            return u"line %1: expected\n%2\nheard\n%3\nwhole tree:\n%4"_s.arg(i + 1).arg(
                expected.value(i, u"(end)"_s), lines.value(i, u"(end)"_s), lines.join(u'\n'));
    return {};
}

// The focused node's role and name; several, comma-separated, if more than one claims it.
QString focused(const AccessibleTree::Node& node)
{
    QStringList found;
    if (node.focused)
        found << node.role + u' ' + node.name;
    for (const AccessibleTree::Node& child : node.children)
        if (const QString inside = focused(child); !inside.isEmpty())
            found << inside;
    return found.join(u", "_s);
}

// The value of the text box of that name.
QString valueOf(const AccessibleTree::Node& node, const QString& name)
{
    if (node.role == u"textbox"_s && node.name == name)
        return node.value;
    for (const AccessibleTree::Node& child : node.children)
        if (const QString value = valueOf(child, name); !value.isNull())
            return value;
    return {};
}

// The trees in trees.txt, by their heading.
QMap<QString, QStringList> expectedTrees()
{
    QMap<QString, QStringList> trees;
    QFile file(QStringLiteral(TREES_TXT));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", TREES_TXT);
    QString heading;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.startsWith(u"== "_s))
            heading = line.mid(3);
        else if (!line.isEmpty() && !line.startsWith(u'#'))
            trees[heading] << line;
    }
    return trees;
}

} // namespace

class AccessibleTreeTest : public QObject
{
    Q_OBJECT

    Settings m_settings;

public:
    static void initMain() { useOwnHome(); }

public slots:
    void open(const QUrl&) {} // no browser

private slots:
    void initTestCase() { catchAddresses(this); }
    void cleanupTestCase() { catchAddresses(nullptr); }

    void init() { m_settings.begin(); }
    void cleanup() { m_settings.end(); }

    void trees_data()
    {
        QTest::addColumn<QStringList>("tree");
        const QMap<QString, QStringList> trees = expectedTrees();
        for (auto tree = trees.cbegin(); tree != trees.cend(); ++tree)
            QTest::newRow(qPrintable(tree.key())) << tree.value();
    }

    void trees()
    {
        QFETCH(QStringList, tree);
        const QByteArray stage = QTest::currentDataTag();
        QStringList lines;
        // Modal boxes are read from inside their own event loop, then closed.
        const auto readModal = [&lines] {
            QTimer::singleShot(0, qApp, [&lines] {
                QWidget* box = QApplication::activeModalWidget();
                QVERIFY(box);
                lines = heard(box);
                box->close();
            });
        };
        if (stage == "update question") {
            QSettings().setValue(u"Settings/LastReminderDate"_s, u"2000-01-01T00:00:00"_s);
            MessageBox::setTestMode(false);
            readModal();
        }
        Run run;
        MessageBox::setTestMode(false);
        const auto quiet = qScopeGuard([] { MessageBox::setTestMode(true); });
        if (stage == "entry window") {
            lines = heard(window("frmMain"));
            // A line marked "[co-brand]" or "[full-brand]" holds when the
            // draw put that promotion in front; the other one is hidden.
            const QString front =
                run.program.coBrandNumber() % 2 ? u"[co-brand]"_s : u"[full-brand]"_s;
            QStringList kept;
            for (const QString& line : tree)
                if (!line.startsWith(u'['))
                    kept << line;
                else if (line.startsWith(front))
                    kept << line.mid(front.size());
            tree = kept;
        } else if (stage == "refused letter") {
            readModal();
            QTest::keyClick(find("frmMain", "txtName"), Qt::Key_3);
        } else if (stage != "update question") {
            ask(u"ROSE"_s, 23, 7, 1946);
            if (stage == "reading")
                lines = heard(window("frmDisplay"));
            if (stage == "About box") {
                readModal();
                trigger("frmDisplay", "mnuAbout");
            }
            if (stage == "exit screen") {
                trigger("frmDisplay", "cmdExit");
                lines = heard(window("frmPromotion"));
            }
        }
        const QString difference = firstDifference(tree, lines);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    // Every entry of the three lists, in order, as the page offers them.
    void listEntries()
    {
        Run run;
        QStringList days, months, years;
        for (int day = 1; day <= 31; ++day)
            days << QString::number(day);
        for (int month = 1; month <= 12; ++month)
            months << QLocale::c().monthName(month);
        for (int year = 1940; year <= 1990; ++year)
            years << QString::number(year);
        QMap<QString, QStringList> lists;
        for (const AccessibleTree::Node& node : AccessibleTree::of(window("frmMain")).children)
            if (node.role == u"combobox"_s)
                lists[node.name] = node.options;
        QCOMPARE(lists.value(u"Date"_s), days);
        QCOMPARE(lists.value(u"Month"_s), months);
        QCOMPARE(lists.value(u"Year"_s), years);
    }

    // Tab moves the focus in the tree as on the screen, one control at a time.
    void focusFollowsTab_data()
    {
        QTest::addColumn<QStringList>("order");
        QTest::newRow("entry window") << QStringList{u"textbox Name"_s,
                                                     u"combobox Date"_s,
                                                     u"combobox Month"_s,
                                                     u"combobox Year"_s,
                                                     u"button Find My Zodiac Psyche Sign"_s,
                                                     u"button Exit"_s,
                                                     u"textbox Name"_s};
        QTest::newRow("exit screen")
            << QStringList{u"button Exit"_s,
                           u"checkbox Click Here To Visit www.lanternsoftwares.com Now"_s,
                           u"textbox Your Name"_s,
                           u"button Refer A Friend Now"_s,
                           u"textbox Your Email Address"_s,
                           u"textbox Friend's Email Address"_s,
                           u"textbox Friend's Name"_s,
                           u"textbox Your Message"_s,
                           u"button Exit"_s};
    }

    void focusFollowsTab()
    {
        QFETCH(QStringList, order);
        Run run;
        if (QByteArray(QTest::currentDataTag()) == "exit screen")
            trigger("frmMain", "cmdExit");
        QWidget* w = window(order.size() == 7 ? "frmMain" : "frmPromotion");
        QVERIFY(activate(w));
        QStringList heard;
        for (qsizetype i = 0; i < order.size(); ++i) {
            heard << focused(AccessibleTree::of(w));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(heard, order);
    }

    // Markup pasted into the name box or typed into the exit screen's boxes
    // is heard as the characters it is made of.
    void markupStaysText()
    {
        Run run;
        find<QLineEdit>("frmMain", "txtName")->setText(Markup);
        QCOMPARE(valueOf(AccessibleTree::of(window("frmMain")), u"Name"_s), Markup);
        trigger("frmMain", "cmdExit");
        QWidget* screen = window("frmPromotion");
        QVERIFY(activate(screen));
        for (const char* name : {"txtName", "txtFriendName"}) {
            QWidget* box = find("frmPromotion", name);
            box->setFocus();
            QTest::keyClicks(box, Markup);
        }
        const AccessibleTree::Node tree = AccessibleTree::of(screen);
        QCOMPARE(valueOf(tree, u"Your Name"_s), Markup);
        QCOMPARE(valueOf(tree, u"Friend's Name"_s), Markup);
    }
};

QTEST_MAIN(AccessibleTreeTest)
#include "tst_accessibletree.moc"

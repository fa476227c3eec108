// Opens one window of Pellori on a real display, as a user would reach it from
// the main window, and describes it on standard output for a checker outside
// the process (an assistive-technology client reading the accessibility tree):
//
//   window-opener PROGRAMDIR --list   the names of the windows it can open
//   window-opener PROGRAMDIR NAME     opens that window; once it is shown and
//                                     framed, prints "ready", its title, its
//                                     outer rectangle and the work area, and the
//                                     controls in tab order; then waits until
//                                     its standard input closes, closes every
//                                     window and ends.
//
// A window added to the program is checked once it has a line in kWindows.
// The file choosers answer with a file made here (a CSV file, a backup of
// the book); every other message is the real one.
#include "app/Program.h"
#include "app/f_main.h"
#include "app/session/PelloriSession.h"
#include "data/BackupService.h"
#include "data/DataSet.h"
#include "services/CommandGuard.h"
#include "services/MessageService.h"
#include "widgets/OuterGeometry.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QSet>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <functional>
#include <unistd.h>

using namespace pellori;

namespace {

// One step: make a contact of this kind current (when given), then trigger the
// action, or click the button, of this name (none: nothing) in the window in front.
struct Step {
    const char* action;
    const char* contactKind = nullptr;
};

struct Recipe {
    const char* name;
    QList<Step> steps;
    // The window read, by object or class name, when others come and go before it.
    const char* window = nullptr;
    // A window that shows only while work runs, its events let through now
    // and then: held open, with the work waiting, until the checker has read it.
    bool hold = false;
};

// The vCard import's windows come from a file named on the command line: their
// step waits for the window after the main one.
const QList<Recipe> kWindows = {
    {"main", {}},
    {"person-editor", {{"m_details", "P"}}},
    {"company-editor", {{"m_details", "C"}}},
    {"new-person", {{"m_person"}}},
    {"new-company", {{"m_company"}}},
    {"address-types", {{"m_address"}}},
    {"communication-types", {{"m_communication"}}},
    {"internet-types", {{"m_internet"}}},
    {"groups", {{"m_groups"}}},
    {"salutations", {{"m_salutation"}}},
    {"titles", {{"m_title"}}},
    {"standard-values", {{"m_standardvalues"}}},
    {"help", {{"Help1"}}},
    {"about", {{"Version1"}}},
    {"not-implemented", {{"m_details", "P"}, {"m_help"}}},
    {"address-book-preview", {{"AddressbookAZ1"}}},
    {"birthday-list-preview", {{"menu_birthdaylist"}}},
    {"vcard-export", {{"m_exportvcard"}}},
    {"labels", {{"m_print_labels"}}},
    {"envelopes", {{"m_print_envelopes"}}},
    {"phone-list", {{"m_print_phonelist"}}},
    {"upcoming-birthdays", {{"m_upcomingbirthdays"}}},
    {"trash", {{"m_trash"}}},
    {"duplicates", {{"m_findduplicates"}}},
    {"merge", {{"m_findduplicates"}, {"btn_merge"}}},
    {"vcard-summary", {Step{nullptr}}},
    {"import-matches", {Step{nullptr}}},
    {"csv-mapping", {{"m_importcsv"}}},
    {"backup-progress", {{"m_backupnow"}}, "f_backupprogress", true},
    {"restore-question", {{"m_restorebackup"}}, "QMessageBox"},
};

// The file every chooser answers with, made when asked; the real dialogs for everything else.
class ChosenFile final : public MessageService {
public:
    explicit ChosenFile(std::function<QString()> file) : m_real(MessageService::instance()), m_file(std::move(file)) {}
    void showMessage(QWidget* parent, const QString& text) override { m_real.showMessage(parent, text); }
    bool confirm(QWidget* parent, const QString& text, ConfirmButtons buttons) override
    {
        return m_real.confirm(parent, text, buttons);
    }
    Answer askYesNoCancel(QWidget* parent, const QString& text) override { return m_real.askYesNoCancel(parent, text); }
    int execModal(QDialog* dialog) override { return m_real.execModal(dialog); }
    void openUrl(const QUrl& url) override { m_real.openUrl(url); }
    QString chooseOpenFile(QWidget*, const QString&, const QString&) override { return m_file ? m_file() : QString(); }
    QString chooseSaveFile(QWidget* parent, const QString& caption, const QString& filter,
                           const QString& suggestedName) override
    {
        return m_real.chooseSaveFile(parent, caption, filter, suggestedName);
    }

private:
    MessageService& m_real;
    const std::function<QString()> m_file;
};

// While a held window is read: the loop that lets its events through.
QEventLoop* g_holding = nullptr;

bool matches(const QWidget* w, const char* name)
{
    return !name || w->objectName() == QLatin1String(name) || qstrcmp(w->metaObject()->className(), name) == 0;
}

QTextStream out(stdout);

QString rect(const QRect& r) { return QStringLiteral("%1 %2 %3 %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()); }

bool isShownWindow(const QWidget* w)
{
    return w->isWindow() && w->isVisible() && (w->windowType() == Qt::Window || w->windowType() == Qt::Dialog)
           && w->windowHandle() && w->windowHandle()->isExposed();
}

// The controls the keyboard reaches, in the order Tab reaches them.
void printTabOrder(QWidget* window)
{
    QWidget* w = window;
    QSet<QWidget*> seen;
    while ((w = w->nextInFocusChain()) != window && !seen.contains(w)) {
        seen.insert(w);
        if (w->window() != window || !w->isVisible() || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus))
            continue;
        const QRect place(w->mapTo(window, QPoint(0, 0)), w->size());
        out << "tab " << rect(place) << ' ' << w->metaObject()->className() << ' ' << w->objectName() << " \""
            << w->accessibleName() << "\"\n";
    }
}

class Opener : public QObject {
public:
    explicit Opener(const Recipe& recipe) : m_recipe(recipe)
    {
        connect(&m_poll, &QTimer::timeout, this, [this] { poll(); });
        m_poll.start(50);
        if (recipe.hold)
            qApp->installEventFilter(this);
    }

protected:
    // The held window's work lets events through only now and then: at its
    // first pump after it shows, a loop of our own runs until the checker is done.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType() && !m_held
            && matches(static_cast<QWidget*>(watched), m_recipe.window)) {
            m_held = true;
            QTimer::singleShot(0, this, [] {
                QEventLoop loop;
                g_holding = &loop;
                loop.exec();
                g_holding = nullptr;
            });
        }
        return false;
    }

private:
    // The window in front that no earlier step left there; the main window first.
    QWidget* newWindow() const
    {
        if (m_seen.isEmpty()) {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (qobject_cast<Tf_mainForm*>(w))
                    return isShownWindow(w) ? w : nullptr;
            }
            return nullptr;
        }
        // Until the steps are done, any new window; then the one read.
        const char* wanted = m_step < m_recipe.steps.size() ? nullptr : m_recipe.window;
        if (QWidget* modal = QApplication::activeModalWidget();
            modal && isShownWindow(modal) && !m_seen.contains(modal) && matches(modal, wanted))
            return modal;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (isShownWindow(w) && !m_seen.contains(w) && matches(w, wanted))
                return w;
        }
        return nullptr;
    }

    void poll()
    {
        QWidget* front = newWindow();
        if (!front)
            return;
        if (m_step < m_recipe.steps.size()) {
            m_seen.insert(front);
            const Step step = m_recipe.steps[m_step++];
            // Queued: a modal window's own event loop then runs inside the trigger.
            QTimer::singleShot(0, front, [this, front, step] { perform(front, step); });
            return;
        }
        // The window manager's frame is part of the placement: wait for it a little.
        if (OuterGeometry::frameOf(front).isNull() && ++m_frameWaits < 40)
            return;
        m_poll.stop();
        out << "ready " << m_recipe.name << '\n';
        out << "title " << front->windowTitle() << '\n';
        out << "outer " << rect(front->frameGeometry()) << '\n';
        out << "maximized " << int(front->isMaximized()) << '\n';
        out << "work " << rect(workAreaOf(front)) << '\n';
        printTabOrder(front);
        out << "end" << Qt::endl;
    }

    void perform(QWidget* window, const Step& step)
    {
        if (!step.action)
            return;
        guarded([&] {
            if (step.contactKind) {
                for (QWidget* w : QApplication::topLevelWidgets()) {
                    if (auto* main = qobject_cast<Tf_mainForm*>(w))
                        main->contacts().locate(QStringLiteral("O_TYPE"), QString::fromLatin1(step.contactKind));
                }
            }
            if (auto* button = window->findChild<QAbstractButton*>(QLatin1String(step.action))) {
                button->click();
                return;
            }
            auto* action = window->findChild<QAction*>(QLatin1String(step.action));
            if (!action) {
                std::fprintf(stderr, "%s has no action %s\n", qPrintable(window->objectName()), step.action);
                QCoreApplication::exit(2);
                return;
            }
            action->trigger();
        });
    }

    const Recipe& m_recipe;
    QTimer m_poll;
    QSet<QWidget*> m_seen;
    qsizetype m_step = 0;
    int m_frameWaits = 0;
    bool m_held = false;
};

// Closes the window in front, one at a time, then ends the program.
void closeEverything()
{
    auto* closer = new QTimer(qApp);
    QObject::connect(closer, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
            return;
        }
        QApplication::closeAllWindows();
        QCoreApplication::quit();
    });
    closer->start(20);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: window-opener PROGRAMDIR --list | NAME\n");
        return 2;
    }
    if (args[2] == QLatin1String("--list")) {
        for (const Recipe& r : kWindows)
            out << r.name << '\n';
        return 0;
    }
    const Recipe* recipe = nullptr;
    for (const Recipe& r : kWindows) {
        if (args[2] == QLatin1String(r.name))
            recipe = &r;
    }
    if (!recipe) {
        std::fprintf(stderr, "no window named %s\n", qPrintable(args[2]));
        return 2;
    }

    QStringList files;
    QTemporaryDir temp;
    // A new contact; for the question about matches, one of the demo book's.
    const QByteArray card = recipe->name == QLatin1String("vcard-summary")
                                ? "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Probe;Paula;;;\r\nEND:VCARD\r\n"
                            : recipe->name == QLatin1String("import-matches")
                                ? "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Andersson;Bj\xc3\xb6rn;;;\r\n"
                                  "TEL;TYPE=WORK:+46 8 102030\r\nEND:VCARD\r\n"
                                : QByteArray();
    if (!card.isEmpty()) {
        files << temp.filePath(QStringLiteral("Probe.vcf"));
        QFile file(files.front());
        if (file.open(QIODevice::WriteOnly))
            file.write(card);
    }
    // What the file choosers of the import and the restore are answered with.
    std::function<QString()> chosen;
    if (recipe->name == QLatin1String("csv-mapping")) {
        const QString csv = temp.filePath(QStringLiteral("contacts.csv"));
        QFile file(csv);
        if (file.open(QIODevice::WriteOnly))
            file.write("First Name;Last Name;E-mail Address;Birthday\r\n"
                       "Paula;Probe;paula@example.org;24.12.1980\r\n"
                       "Otto;Muster;otto@example.org;01.02.1975\r\n");
        chosen = [csv] { return csv; };
    } else if (recipe->name == QLatin1String("restore-question")) {
        // A backup of the book, made by the running program's engine.
        const QString book = QDir(args[1]).absoluteFilePath(QStringLiteral("PELLORI.QVX"));
        chosen = [book, backup = temp.filePath(QStringLiteral("PELLORI-2026-01-02-0304.fbk"))] {
            backupservice::backup(book, backup, PelloriSession::builtInLogin(), [](const QString&) {});
            return backup;
        };
    }
    ChosenFile chooser(chosen);
    MessageService::install(&chooser);
    Opener opener(*recipe);

    // The checker closes standard input when it has read the window. Read from
    // a copy: while the database engine's restore service runs, descriptor 0
    // reads as ended.
    const int stdinCopy = ::dup(STDIN_FILENO);
    QSocketNotifier input(stdinCopy, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&input, stdinCopy] {
        char buffer[64];
        if (::read(stdinCopy, buffer, sizeof buffer) <= 0) {
            input.setEnabled(false);
            if (g_holding)
                g_holding->quit();
            closeEverything();
        }
    });
    // Never left hanging.
    QTimer::singleShot(180000, [] { closeEverything(); });
    // The program's own run, as its main() starts it.
    const int result = runProgram(QDir(args[1]).absolutePath() + QLatin1Char('/'), files);
    MessageService::install(nullptr);
    return result;
}

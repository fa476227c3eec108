#include "printing/postal/PostalCommands.h"

#include "data/ContactQueries.h"
#include "printing/DataSetQuery.h"
#include "printing/ReportPreview.h"
#include "printing/engine/PreviewDialog.h"
#include "printing/postal/Envelope.h"
#include "printing/postal/PhoneList.h"
#include "printing/postal/PostalReport.h"
#include "printing/postal/PostalTexts.h"
#include "printing/postal/f_postalprint.h"
#include "services/MessageService.h"
#include "services/Session.h"
#include "settings/AppError.h"
#include "settings/Language.h"
#include "settings/Settings.h"

#include <functional>
#include <optional>

namespace pellori {

using namespace postal;

namespace {

const PostalCommand kCommands[] = {
    {"m_print_labels", "postal_labels_item", &printLabels},
    {"m_print_envelopes", "postal_envelopes_item", &printEnvelopes},
    {"m_print_phonelist", "postal_phonelist_item", &printPhoneList},
};

QList<Tf_postalprint::Group> groupsOf(Session& session)
{
    auto list = reports::reportQuery(session.mainTransaction(), queries::groupChoices(),
                                     {{"G_ID", FieldKind::Integer}, {"G_NAME"}});
    QList<Tf_postalprint::Group> groups;
    list->open();
    for (list->first(); !list->atEnd(); list->next())
        groups.append({list->value(QStringLiteral("G_ID")).toInt(), list->value(QStringLiteral("G_NAME")).toString()});
    return groups;
}

// What the user chose, or nothing when they cancelled. The choice is saved for
// next time; a configuration that cannot be written is said so, and printing goes on.
struct Chosen {
    ContactChoice contacts;
    PostalSettings settings;
    LabelSheet sheet;
    int start = 0;
    QString title;
};

std::optional<Chosen> choose(Session& session, QWidget* owner, PostalKind kind, const QList<int>& shownIds)
{
    const TLang& lang = session.lang();
    Tf_postalprint::Setup setup{.kind = kind,
                                .shownCount = int(shownIds.size()),
                                .groups = groupsOf(session),
                                .preferredGroup = session.standardValues().doctors.trimmed().toInt(),
                                .settings = readPostalSettings(session.configPath())};
    Tf_postalprint dialog(owner, lang, setup);
    if (execModal(&dialog) != QDialog::Accepted)
        return std::nullopt;
    Chosen c{.contacts = dialog.choice(shownIds),
             .settings = dialog.settings(),
             .sheet = dialog.sheet(),
             .start = dialog.startLabel(),
             .title = dialog.windowTitle()};
    if (!dialog.choiceCaption().isEmpty())
        c.title += QStringLiteral(" - ") + dialog.choiceCaption();
    if (kind != PostalKind::PhoneList) {
        try {
            writePostalSettings(session.configPath(), c.settings);
        } catch (const AppError& e) {
            showMessage(owner, message(lang, "postal_notsaved", {{QStringLiteral("%ERROR%"), e.message()}}));
        }
    }
    return c;
}

// Shows the report's preview, with the note of what was left out under its tool
// bar. Nothing to print is said in a message instead.
void preview(Session& session, QWidget* owner, report::Report& report, const std::function<int()>& placed,
             const std::function<int()>& seen, const std::function<QStringList()>& leftOut)
{
    const TLang& lang = session.lang();
    report::PreviewDialog dialog(report, reports::previewServices(), owner);
    if (dialog.layout().finished() && placed() == 0) {
        showMessage(owner, lang.text(seen() == 0 ? QStringLiteral("postal_nocontacts")
                                                 : QStringLiteral("postal_noaddress")));
        return;
    }
    const auto note = [&] { dialog.setNote(leftOutNote(lang, leftOut())); };
    note();
    QObject::connect(&dialog, &report::PreviewDialog::pagesGrown, &dialog, note);
    QObject::connect(&dialog, &report::PreviewDialog::layoutFinished, &dialog, note);
    execModal(&dialog);
}

void printPostal(Session& session, QWidget* owner, PostalKind kind, const QList<int>& shownIds)
{
    const std::optional<Chosen> c = choose(session, owner, kind, shownIds);
    if (!c)
        return;
    DbTransaction& tr = session.mainTransaction();
    std::unique_ptr<PostalReport> r;
    if (kind == PostalKind::Labels)
        r = std::make_unique<PostalReport>(tr, c->contacts, c->sheet, c->start, c->settings.country);
    else
        r = std::make_unique<PostalReport>(tr, c->contacts, envelopeFormat(c->settings.envelope), c->settings.sender,
                                           c->settings.country);
    r->report.title = c->title;
    preview(session, owner, r->report, [&] { return r->printed(); }, [&] { return r->seen(); },
            [&] { return r->leftOut(); });
}

} // namespace

std::span<const PostalCommand> postalCommands() { return kCommands; }

void printLabels(Session& session, QWidget* owner, const QList<int>& shownIds)
{
    printPostal(session, owner, PostalKind::Labels, shownIds);
}

void printEnvelopes(Session& session, QWidget* owner, const QList<int>& shownIds)
{
    printPostal(session, owner, PostalKind::Envelopes, shownIds);
}

void printPhoneList(Session& session, QWidget* owner, const QList<int>& shownIds)
{
    const std::optional<Chosen> c = choose(session, owner, PostalKind::PhoneList, shownIds);
    if (!c)
        return;
    PhoneListReport r(session.mainTransaction(), c->contacts, c->title);
    preview(session, owner, r.report, [&] { return r.listed(); }, [&] { return r.listed(); },
            [] { return QStringList(); });
}

} // namespace pellori

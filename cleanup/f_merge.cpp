#include "cleanup/f_merge.h"

#include "cleanup/CleanupCommands.h"
#include "cleanup/CleanupTexts.h"
#include "data/Connection.h"
#include "data/DbTransaction.h"
#include "data/FieldValue.h"
#include "settings/Language.h"
#include "services/CommandGuard.h"
#include "services/Session.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace pellori::cleanup {

namespace {

struct FieldRow {
    MergeField field;
    const char* name;        // of its radio buttons: rb_<name>_<column>
    const char* personKey;   // catalogue key of its caption
    const char* companyKey;
};

const FieldRow kFieldRows[] = {
    {MergeField::Salutation, "salutation", "salutation", "salutation"},
    {MergeField::Title, "title", "title", "title"},
    {MergeField::Name1, "name1", "familyname", "companyname1"},
    {MergeField::Name2, "name2", "firstname", "companyname2"},
    {MergeField::Nickname, "nickname", "nickname", "nickname"},
    {MergeField::Birthday, "birthday", "birthday", "birthday"},
    {MergeField::Alive, "alive", "alive", "alive"},
    {MergeField::Employer, "employer", "worksat", "worksat"},
    {MergeField::Additional, "additional", "additional", "additional"},
};

const FieldRow& rowOf(MergeField field)
{
    for (const FieldRow& r : kFieldRows)
        if (r.field == field)
            return r;
    return kFieldRows[0];
}

QString caption(const TLang& lang, const char* key) { return lang.text(QLatin1String(key)).remove(u'&'); }

QStringList detailLines(const MergeContact& c, DetailTable table)
{
    QStringList lines;
    for (const MergeDetail& d : c.details)
        if (d.table == table)
            lines << (d.typeName.isEmpty() ? d.text : d.typeName + QStringLiteral(": ") + d.text);
    return lines;
}

} // namespace

Tf_merge::Tf_merge(QWidget* owner, Session& session, const QList<int>& keys)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_session(session),
      // A snapshot: the merge writes what the window shows, and a change another
      // user has made since fails at once instead of being overwritten.
      m_transaction(std::make_unique<DbTransaction>(session.connection(), DbTransaction::editing()))
{
    const TLang& lang = session.lang();
    setObjectName(QStringLiteral("f_merge"));
    setWindowTitle(lang.text(QStringLiteral("cleanup_mergecaption")));
    m_contacts = readMergeContacts(*m_transaction, keys);
    m_firstSalutation = firstSalutation(*m_transaction);
    const int preselected = fullestContact(m_contacts, m_firstSalutation);
    const char kind = m_contacts.isEmpty() ? 'P' : m_contacts.first().kind;

    auto* area = new QScrollArea(this);
    area->setWidgetResizable(true);
    auto* sheet = new QWidget(area);
    auto* grid = new QGridLayout(sheet);
    grid->setColumnStretch(0, 0);
    m_keep = new QButtonGroup(this);
    for (int i = 0; i < m_contacts.size(); ++i) {
        const MergeContact& c = m_contacts[i];
        auto* keep = new QRadioButton(caption(lang, "cleanup_keep"), sheet);
        keep->setObjectName(QStringLiteral("rb_keep_%1").arg(i));
        m_keep->addButton(keep, c.key);
        auto* include = new QCheckBox(lang.text(QStringLiteral("cleanup_include")), sheet);
        include->setObjectName(QStringLiteral("cb_include_%1").arg(i));
        include->setChecked(true);
        m_include << include;
        auto* name = new QLabel(QStringLiteral("<b>%1</b>").arg(c.name.toHtmlEscaped()), sheet);
        grid->addWidget(keep, 0, i + 1);
        grid->addWidget(include, 1, i + 1);
        grid->addWidget(name, 2, i + 1);
        grid->setColumnStretch(i + 1, 1);
    }
    int row = 3;
    for (const MergeField f : mergeFields(kind))
        addFieldRow(grid, row++, f);
    addDetailRow(grid, row++, caption(lang, "communication"), [](const MergeContact& c) { return detailLines(c, DetailTable::Number); });
    addDetailRow(grid, row++, caption(lang, "internet"), [](const MergeContact& c) { return detailLines(c, DetailTable::Internet); });
    addDetailRow(grid, row++, caption(lang, "address"), [](const MergeContact& c) { return detailLines(c, DetailTable::Address); });
    addDetailRow(grid, row++, caption(lang, "cleanup_groups"), [](const MergeContact& c) { return detailLines(c, DetailTable::Group); });
    if (kind == 'C')
        addDetailRow(grid, row++, caption(lang, "persons"), [](const MergeContact& c) { return c.employees; });
    // Where the book keeps it (not for contacts unchanged since it began to).
    if (std::any_of(m_contacts.begin(), m_contacts.end(), [](const MergeContact& c) { return c.changed.isValid(); }))
        addDetailRow(grid, row++, caption(lang, "cleanup_changed"), [](const MergeContact& c) {
            return c.changed.isValid() ? QStringList{value::formatDate(c.changed.date()) + u' '
                                                     + c.changed.time().toString(QStringLiteral("HH:mm"))}
                                       : QStringList();
        });
    grid->setRowStretch(row, 1);
    area->setWidget(sheet);

    auto* united = new QLabel(lang.text(QStringLiteral("cleanup_united")), this);
    united->setWordWrap(true);
    btn_merge = new QPushButton(lang.text(QStringLiteral("cleanup_mergebutton")), this);
    btn_merge->setObjectName(QStringLiteral("btn_merge"));
    btn_merge->setDefault(true);
    btn_cancel = new QPushButton(lang.text(QStringLiteral("btncancel")), this);
    btn_cancel->setObjectName(QStringLiteral("btn_cancel"));
    btn_cancel->setAutoDefault(false);
    onClicked(btn_merge, this, [this] { btn_mergeClick(); });
    connect(btn_cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btn_merge);
    buttons->addWidget(btn_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(united);
    layout->addWidget(area, 1);
    layout->addLayout(buttons);
    resize(qMin(1200, 170 + 250 * int(m_contacts.size())), 620);

    for (QAbstractButton* b : m_keep->buttons())
        connect(b, &QAbstractButton::toggled, this, [this] { keptChanged(); });
    if (QAbstractButton* b = m_keep->button(preselected))
        b->setChecked(true);
    keptChanged();
}

Tf_merge::~Tf_merge()
{
    try {
        // Nothing is written but by a merge, which commits itself.
        if (m_transaction->isActive())
            m_transaction->rollback();
    } catch (...) {
    }
}

void Tf_merge::addFieldRow(QGridLayout* grid, int row, MergeField field)
{
    const TLang& lang = m_session.lang();
    const FieldRow& r = rowOf(field);
    const bool company = !m_contacts.isEmpty() && m_contacts.first().kind == 'C';
    grid->addWidget(new QLabel(caption(lang, company ? r.companyKey : r.personKey), grid->parentWidget()), row, 0);
    auto* group = new QButtonGroup(this);
    m_fields.insert(field, group);
    const int preselected = fullestOf(m_contacts, field, m_firstSalutation, fullestContact(m_contacts, m_firstSalutation));
    for (int i = 0; i < m_contacts.size(); ++i) {
        const ShownValue v = fieldValue(m_contacts[i], field, m_firstSalutation);
        QString text = v.text.isEmpty() ? lang.text(QStringLiteral("cleanup_novalue")) : v.text;
        if (field == MergeField::Additional)
            text = text.section(u'\n', 0, 2);   // the first lines say which note it is
        auto* button = new QRadioButton(text, grid->parentWidget());
        button->setObjectName(QStringLiteral("rb_%1_%2").arg(QLatin1String(r.name)).arg(i));
        group->addButton(button, m_contacts[i].key);
        button->setChecked(m_contacts[i].key == preselected);
        grid->addWidget(button, row, i + 1);
    }
}

void Tf_merge::addDetailRow(QGridLayout* grid, int row, const QString& title,
                            const std::function<QStringList(const MergeContact&)>& lines)
{
    grid->addWidget(new QLabel(title, grid->parentWidget()), row, 0, Qt::AlignTop);
    for (int i = 0; i < m_contacts.size(); ++i) {
        auto* label = new QLabel(lines(m_contacts[i]).join(u'\n'), grid->parentWidget());
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(label, row, i + 1, Qt::AlignTop);
    }
}

void Tf_merge::keptChanged()
{
    const int kept = m_keep->checkedId();
    for (int i = 0; i < m_contacts.size(); ++i) {
        const bool isKept = m_contacts[i].key == kept;
        if (isKept)
            m_include[i]->setChecked(true);
        m_include[i]->setEnabled(!isKept);
    }
}

MergeChoice Tf_merge::choice() const
{
    MergeChoice c;
    c.kept = m_keep->checkedId();
    for (int i = 0; i < m_contacts.size(); ++i)
        if (m_contacts[i].key != c.kept && m_include[i]->isChecked())
            c.merged << m_contacts[i].key;
    for (auto it = m_fields.begin(); it != m_fields.end(); ++it)
        if (it.value()->checkedId() > 0)
            c.from.insert(it.key(), it.value()->checkedId());
    return c;
}

void Tf_merge::btn_mergeClick()
{
    const MergeChoice chosen = choice();
    switch (mergeContacts(m_session, this, *m_transaction, m_contacts, chosen)) {
    case MergeOutcome::Merged:
        m_kept = chosen.kept;
        accept();
        break;
    case MergeOutcome::Refused: break;
    case MergeOutcome::Failed: reject(); break;
    }
}

} // namespace pellori::cleanup

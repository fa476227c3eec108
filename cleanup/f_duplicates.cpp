#include "cleanup/f_duplicates.h"

#include "cleanup/CleanupTexts.h"
#include "cleanup/f_merge.h"
#include "settings/Language.h"
#include "services/CommandGuard.h"
#include "services/MessageService.h"
#include "services/Session.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace pellori::cleanup {

Tf_duplicates::Tf_duplicates(QWidget* owner, Session& session, QList<DuplicateGroup> groups, QHash<int, QString> names)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_session(session), m_groups(std::move(groups)), m_names(std::move(names))
{
    const TLang& lang = session.lang();
    setObjectName(QStringLiteral("f_duplicates"));
    setWindowTitle(lang.text(QStringLiteral("cleanup_caption")));
    resize(680, 420);

    grid_duplicates = new QTableWidget(this);
    grid_duplicates->setObjectName(QStringLiteral("grid_duplicates"));
    grid_duplicates->setColumnCount(2);
    grid_duplicates->setHorizontalHeaderLabels(
        {lang.text(QStringLiteral("cleanup_colreasons")), lang.text(QStringLiteral("cleanup_colcontacts"))});
    grid_duplicates->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_duplicates->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_duplicates->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_duplicates->verticalHeader()->hide();
    grid_duplicates->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    grid_duplicates->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);

    btn_merge = new QPushButton(lang.text(QStringLiteral("cleanup_mergeitem")), this);
    btn_merge->setObjectName(QStringLiteral("btn_merge"));
    btn_merge->setDefault(true);
    btn_close = new QPushButton(lang.text(QStringLiteral("close")), this);
    btn_close->setObjectName(QStringLiteral("btn_close"));
    btn_close->setAutoDefault(false);
    onClicked(btn_merge, this, [this] { btn_mergeClick(); });
    connect(btn_close, &QPushButton::clicked, this, &QDialog::accept);
    connect(grid_duplicates, &QTableWidget::cellDoubleClicked, this, [this] { guarded([this] { btn_mergeClick(); }); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btn_merge);
    buttons->addStretch();
    buttons->addWidget(btn_close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_duplicates, 1);
    layout->addLayout(buttons);
    fill();
    grid_duplicates->setFocus();
}

void Tf_duplicates::fill()
{
    const int keep = grid_duplicates->currentRow();
    grid_duplicates->setRowCount(int(m_groups.size()));
    for (int r = 0; r < m_groups.size(); ++r) {
        QStringList names;
        for (const int k : m_groups[r].keys)
            names << m_names.value(k);
        grid_duplicates->setItem(r, 0, new QTableWidgetItem(reasonsText(m_session.lang(), m_groups[r].reasons)));
        grid_duplicates->setItem(r, 1, new QTableWidgetItem(names.join(QStringLiteral("; "))));
    }
    if (!m_groups.isEmpty())
        grid_duplicates->setCurrentCell(qBound(0, keep, int(m_groups.size()) - 1), 0);
    btn_merge->setEnabled(!m_groups.isEmpty());
}

void Tf_duplicates::btn_mergeClick()
{
    const int r = grid_duplicates->currentRow();
    if (r < 0 || r >= m_groups.size())
        return;
    Tf_merge merge(this, m_session, m_groups[r].keys);
    if (execModal(&merge) != QDialog::Accepted)
        return;
    m_lastKept = merge.kept();
    // The contacts left out of the merge stay listed with the one kept.
    const QList<int> merged = merge.choice().merged;
    m_groups[r].keys.removeIf([&](int k) { return merged.contains(k); });
    if (m_groups[r].keys.size() < 2)
        m_groups.removeAt(r);
    fill();
}

} // namespace pellori::cleanup

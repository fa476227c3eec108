#pragma once
// A group of likely duplicates side by side, one column a contact: which one
// is kept, which are merged into it, and per field whose value stays (the
// fuller one preselected); below, each one's numbers, internet entries,
// addresses, groups (and a company's persons), which the merge unites. The
// contacts are read in the window's own transaction, in which the merge runs.
#include "cleanup/Merge.h"

#include <QDialog>
#include <QHash>
#include <QList>
#include <memory>

class QButtonGroup;
class QCheckBox;
class QGridLayout;
class QPushButton;

namespace pellori {
class DbTransaction;
class Session;
}

namespace pellori::cleanup {

class Tf_merge : public QDialog {
    Q_OBJECT
public:
    Tf_merge(QWidget* owner, Session& session, const QList<int>& keys);
    ~Tf_merge() override;

    // The contact kept, once merged.
    int kept() const { return m_kept; }
    // What the window's controls choose now.
    MergeChoice choice() const;

    QPushButton* btn_merge;
    QPushButton* btn_cancel;

private:
    void addFieldRow(QGridLayout* grid, int row, MergeField field);
    void addDetailRow(QGridLayout* grid, int row, const QString& caption, const std::function<QStringList(const MergeContact&)>& lines);
    void keptChanged();
    void btn_mergeClick();

    Session& m_session;
    std::unique_ptr<DbTransaction> m_transaction;
    QList<MergeContact> m_contacts;
    int m_firstSalutation = 0;
    QButtonGroup* m_keep;
    QList<QCheckBox*> m_include;
    QHash<MergeField, QButtonGroup*> m_fields;
    int m_kept = 0;
};

} // namespace pellori::cleanup

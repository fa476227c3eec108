#pragma once
// One-line edit bound to a field of the data source's current row. Text fields
// are written as they are typed; numbers and dates when the edit is left or the
// row is saved, so that a half-typed value is not refused keystroke by keystroke.
#include <QLineEdit>

namespace pellori {

class DataSource;
class FieldLink;

class DBEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit DBEdit(QWidget* parent = nullptr);
    void setDataSource(DataSource* source);
    void setDataField(const QString& name);
    FieldLink* link() const { return m_link; }

private:
    void load();
    void onEdited(const QString& text);
    void writePending();   // throws

    FieldLink* m_link;
    bool m_dirty = false;
};

} // namespace pellori

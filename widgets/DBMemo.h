#pragma once
// Multi-line edit bound to a (long) text field of the data source's current row;
// written as it is typed.
#include <QPlainTextEdit>

namespace pellori {

class DataSource;
class FieldLink;

class DBMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit DBMemo(QWidget* parent = nullptr);
    void setDataSource(DataSource* source);
    void setDataField(const QString& name);
    FieldLink* link() const { return m_link; }

protected:
    // Text the database cannot store is neither typed nor pasted.
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    bool refuses(const QString& text) const;
    void load();
    FieldLink* m_link;
};

} // namespace pellori

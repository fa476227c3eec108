#pragma once
// One window for all six lookup lists: a grid over the whole table with a record
// navigator under it and two menus. Each list passes its configuration (table,
// statements, fields, titles, widths, captions, size). Everything posted in the
// window is committed when the window is destroyed, through its own transaction.
#include "data/tables/Table.h"

#include <QDialog>
#include <QSize>
#include <memory>

class QMenu;
class QMenuBar;
class QAction;

namespace pellori {

class DataGrid;
class DataSource;
class DBNavigator;
class DbTransaction;
class EditableDataSet;
class Session;
class TLang;

class LookupEditor : public QDialog {
    Q_OBJECT
public:
    struct Column {
        QString field;
        QString title;        // built-in title
        QString titleKey;     // catalogue key of the title
        int width = 0;        // 0: the grid decides
    };
    struct Config {
        QString className;
        const tables::Table* table;   // the list, written through its description
        QString selectSql;
        Column name;
        Column sort;          // empty field: the list has no sort column
        QString caption;      // built-in window caption
        QString captionKey;   // its catalogue key (only the Administration menu's openers use it)
        QString menuTitle, menuKey;
        QString closeText, helpText, questionMenu;
        QSize clientSize;
        bool minMaxButtons = false;
    };

    LookupEditor(const Config& config, Session& session, QWidget* owner);
    ~LookupEditor() override;

    EditableDataSet& dataset() const { return *m_dataset; }
    DataGrid* grid() const { return m_grid; }

    // The window caption from the catalogue, when it is loaded.
    void applyCatalogueCaption(const TLang& lang);

protected:
    void done(int result) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void m_closeClick();
    void dropUnpostedRow();

    Config m_config;
    // Declared before the data set, so that the data set goes first and the
    // transaction then commits.
    std::unique_ptr<DbTransaction> m_transaction;
    std::unique_ptr<EditableDataSet> m_dataset;
    DataSource* m_datasource = nullptr;
    DataGrid* m_grid = nullptr;
    DBNavigator* m_navigator = nullptr;

    QMenuBar* menubar = nullptr;
    // Menus and items named m_... (their objectNames), held without that prefix.
    struct {
        QMenu* list;        // first menu, titled after the list
        QMenu* question;    // "?"
        QAction *close, *help;
    } m_menu = {};
};

} // namespace pellori

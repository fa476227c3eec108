#pragma once
// The ten record buttons under a grid: first, prior, next, last, insert, delete,
// edit, post, cancel, refresh. Each is enabled as the data set's state allows;
// delete asks "Delete record?" first.
#include "widgets/DataSource.h"
#include <QPointer>
#include <QWidget>

class QToolButton;

namespace pellori {

class TLang;

class DBNavigator : public QWidget {
    Q_OBJECT
public:
    enum Button { First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel, Refresh, ButtonCount };

    explicit DBNavigator(QWidget* parent = nullptr);

    void setDataSource(DataSource* source);
    DataSource* dataSource() const { return m_source; }

    // The hints (tooltips, and the names screen readers read) from the catalogue,
    // whose keys are the buttons' names.
    void setTexts(const TLang& lang);

    // Buttons are named nav_first, nav_prior, ... nav_refresh.
    QToolButton* button(Button b) const { return m_buttons[b]; }
    // Runs a button's action as a click would (guarded; disabled buttons do nothing).
    void click(Button b);

public slots:
    void updateButtons();

private:
    void run(Button b);

    QPointer<DataSource> m_source;
    QToolButton* m_buttons[ButtonCount] = {};
};

} // namespace pellori

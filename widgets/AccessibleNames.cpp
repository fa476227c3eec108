#include "widgets/AccessibleNames.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

namespace pellori {

namespace {

// How far a label may stand from its control: beside it on its row, or above it.
constexpr int kBesideGap = 24;
constexpr int kAboveGap = 16;
constexpr int kAboveIndent = 12;
constexpr int kSlack = 4;

QString withoutAccessKeys(QString text)
{
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text.trimmed();
}

bool takesFocus(const QWidget* w)
{
    const QWidget* target = w->focusProxy() ? w->focusProxy() : w;
    return (target->focusPolicy() & Qt::TabFocus) && !w->isWindow() && !w->isHidden();
}

// Controls that name themselves by their own text, or that hold named parts.
bool namesItself(const QWidget* w)
{
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QTabBar*>(w) || qobject_cast<const QLabel*>(w);
}

// The distance from a label to a control it would name; negative when it names none.
int labelDistance(const QRect& label, const QRect& control, bool besideOnly = false)
{
    const int rowDifference = qAbs(label.center().y() - control.center().y());
    const int beside = control.left() - (label.right() + 1);
    if (beside >= -kSlack && beside <= kBesideGap && rowDifference <= qMax(label.height(), control.height()) / 2)
        return qMax(0, beside);
    if (besideOnly)
        return -1;
    const int below = control.top() - (label.bottom() + 1);
    if (below >= -kSlack && below <= kAboveGap && qAbs(control.left() - label.left()) <= kAboveIndent)
        return qMax(0, below);
    return -1;
}

const QLabel* buddyLabel(const QWidget* control);
bool hasBuddyLabel(const QWidget* control);

// On Linux a choice box's name is its value, and screen readers announce what
// it asks for from the labels it is labelled by: a name given to one becomes a
// label of its own, hidden, for screen readers only.
void nameControl(QWidget* control, const QString& text)
{
    if (!qobject_cast<QComboBox*>(control)) {
        control->setAccessibleName(text);
        return;
    }
    nameChoiceBox(static_cast<QComboBox*>(control), text);
}

// The label's control among its siblings, nearest first, each control named by
// one label; a control beside an option or check box, and no label, by its text.
void pairLabels(QWidget* parent)
{
    QList<QLabel*> labels;
    QList<QAbstractButton*> options;
    QList<QWidget*> controls;
    for (QObject* child : parent->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w->isWindow() || w->isHidden())
            continue;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (!label->buddy() && !withoutAccessKeys(label->text()).isEmpty() && !label->hasSelectedText()
                && !(label->textInteractionFlags() & Qt::LinksAccessibleByKeyboard))
                labels << label;
        } else if ((qobject_cast<QRadioButton*>(w) || qobject_cast<QCheckBox*>(w))
                   && !withoutAccessKeys(static_cast<QAbstractButton*>(w)->text()).isEmpty()) {
            options << static_cast<QAbstractButton*>(w);
        } else if (takesFocus(w) && !namesItself(w) && w->accessibleName().isEmpty() && !hasBuddyLabel(w)) {
            controls << w;
        }
    }
    struct Pair {
        int distance;
        QLabel* label;
        QWidget* control;
    };
    QList<Pair> pairs;
    for (QLabel* label : labels) {
        for (QWidget* control : controls) {
            const int d = labelDistance(label->geometry(), control->geometry());
            if (d >= 0)
                pairs.append({d, label, control});
        }
    }
    std::stable_sort(pairs.begin(), pairs.end(), [](const Pair& a, const Pair& b) { return a.distance < b.distance; });
    QList<QWidget*> named;
    for (const Pair& p : pairs) {
        if (p.label->buddy() || named.contains(p.control))
            continue;
        p.label->setBuddy(p.control);
        named << p.control;
    }
    for (QWidget* control : controls) {
        if (named.contains(control))
            continue;
        for (QAbstractButton* option : options) {
            if (labelDistance(option->geometry(), control->geometry(), true) >= 0) {
                nameControl(control, withoutAccessKeys(option->text()));
                break;
            }
        }
    }
}

const QLabel* buddyLabel(const QWidget* control)
{
    if (!control->parentWidget())
        return nullptr;
    for (const QLabel* label : control->parentWidget()->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (label->buddy() == control)
            return label;
    }
    return nullptr;
}

bool hasBuddyLabel(const QWidget* control) { return buddyLabel(control) != nullptr; }

// The title of the tab page a widget lies on, or of its window.
QString surroundingTitle(const QWidget* w)
{
    for (const QWidget* page = w; page && !page->isWindow(); page = page->parentWidget()) {
        const auto* stack = qobject_cast<const QStackedWidget*>(page->parentWidget());
        const auto* tabs = stack ? qobject_cast<const QTabWidget*>(stack->parentWidget()) : nullptr;
        if (tabs && tabs->indexOf(const_cast<QWidget*>(page)) >= 0)
            return withoutAccessKeys(tabs->tabText(tabs->indexOf(const_cast<QWidget*>(page))));
    }
    return withoutAccessKeys(w->window()->windowTitle());
}

class NameOnFirstShow : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* w = static_cast<QWidget*>(watched);
            const char* const named = "pellori_controlsNamed";
            if (w->isWindow() && !w->property(named).toBool()) {
                w->setProperty(named, true);
                nameControlsFromLabels(w);
            }
        }
        return false;
    }
};

} // namespace

void nameControlsFromLabels(QWidget* window)
{
    pairLabels(window);
    for (QWidget* parent : window->findChildren<QWidget*>()) {
        if (!parent->isWindow() && parent->window() == window)
            pairLabels(parent);
    }
    for (auto* box : window->findChildren<QComboBox*>()) {
        if (box->window() == window && !box->accessibleName().isEmpty() && !hasBuddyLabel(box))
            nameControl(box, box->accessibleName());
    }
    // A grid's or list's interface does not read its label: the label's text, or the title, becomes its name.
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const bool content = qobject_cast<QAbstractScrollArea*>(w) || qobject_cast<QTabWidget*>(w);
        if (content && w->window() == window && takesFocus(w) && w->accessibleName().isEmpty()) {
            const QLabel* label = buddyLabel(w);
            w->setAccessibleName(label ? withoutAccessKeys(label->text()) : surroundingTitle(w));
        }
    }
}

void nameChoiceBox(QComboBox* box, const QString& text)
{
    // A sibling: the accessibility interface finds a control's labels among them.
    auto* label = new QLabel(text, box->parentWidget());
    label->setObjectName(box->objectName() + QStringLiteral("_name"));
    label->setTextFormat(Qt::PlainText);
    label->setBuddy(box);
    label->hide();
    QObject::connect(box, &QObject::destroyed, label, &QObject::deleteLater);
}

void nameControlsWhenShown()
{
    static NameOnFirstShow* naming = nullptr;
    if (naming)
        return;
    naming = new NameOnFirstShow(qApp);
    qApp->installEventFilter(naming);
}

} // namespace pellori
